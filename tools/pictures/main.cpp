// Draws every picture the program shows and writes it under the folder given
// on the command line: JPEG, or BMP or PNG where the name says so.
#include "pictures.h"
#include "forms/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makepictures OUTPUT_FOLDER\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    forms::registerFonts();
    const QDir output(QString::fromLocal8Bit(argv[1]));

    std::vector<pictures::PictureFile> all;
    for (auto list : {pictures::spinePictures, pictures::telescopicPictures, pictures::spaceTelescopePictures,
                      pictures::powerPictures, pictures::insulationPictures, pictures::earPictures,
                      pictures::spectrumPictures,
                      pictures::wavesPictures,
                      pictures::convectionPictures,
                      pictures::islandPictures,
                      pictures::sourcesPictures,
                      pictures::atomPictures,
                      pictures::backgroundPictures,
                      pictures::iconPictures})
        for (auto& picture : list())
            all.push_back(std::move(picture));

    int failures = 0;
    for (const pictures::PictureFile& picture : all) {
        const QString path = output.filePath(picture.path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image;
        try {
            image = picture.draw();
        } catch (const std::exception& error) {
            // A diagram whose screen table lacks a place it needs is not drawn.
            std::fprintf(stderr, "makepictures: %s: %s\n", qPrintable(picture.path), error.what());
        }
        const QString suffix = QFileInfo(path).suffix().toLower();
        const bool lossless = suffix == QLatin1String("bmp") || suffix == QLatin1String("png");
        const char* format = suffix == QLatin1String("bmp") ? "BMP" : suffix == QLatin1String("png") ? "PNG" : "JPG";
        if (image.isNull() || !image.save(path, format, lossless ? -1 : 92)) {
            std::fprintf(stderr, "makepictures: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    QDir().mkpath(output.filePath(QStringLiteral("icons/hicolor/scalable/apps")));
    if (!pictures::writeScalableIcon(output.path())) {
        std::fprintf(stderr, "makepictures: cannot write the scalable icon\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
