// Draws every picture the program shows and writes it under the folder given
// on the command line: JPEG, or BMP or PNG where the name says so.
#include "pictures.h"
#include "diagram.h"
#include "forms/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace {

// Writes JPEG, or BMP or PNG where the name says so.
bool save(const QImage& image, const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool lossless = suffix == QLatin1String("bmp") || suffix == QLatin1String("png");
    const char* format = suffix == QLatin1String("bmp") ? "BMP" : suffix == QLatin1String("png") ? "PNG" : "JPG";
    return !image.isNull() && image.save(path, format, lossless ? -1 : 92);
}

// Diagrams are drawn again at two and three times their design size, as
// "name@2x.jpg" and "name@3x.jpg" beside the design file, for screens fitted
// to large displays; pictures that cannot be drawn finer are left as they are.
int writeFiner(const pictures::PictureFile& picture, const QString& path)
{
    int failures = 0;
    for (const int factor : {2, 3}) {
        pictures::resolution = factor;
        QImage image;
        try {
            image = picture.draw();
        } catch (const std::exception&) {
            // Already reported at the design size.
        }
        pictures::resolution = 1;
        if (image.isNull() || image.devicePixelRatio() != factor)
            break; // drawn at its design size only
        const QFileInfo design(path);
        const QString finer = design.dir().filePath(
            QStringLiteral("%1@%2x.%3").arg(design.completeBaseName()).arg(factor).arg(design.suffix()));
        if (!save(image, finer)) {
            std::fprintf(stderr, "makepictures: cannot write %s\n", qPrintable(finer));
            ++failures;
        }
    }
    return failures;
}

} // namespace

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
        if (!save(image, path)) {
            std::fprintf(stderr, "makepictures: cannot write %s\n", qPrintable(path));
            ++failures;
        }
        failures += writeFiner(picture, path);
    }
    QDir().mkpath(output.filePath(QStringLiteral("icons/hicolor/scalable/apps")));
    if (!pictures::writeScalableIcon(output.path())) {
        std::fprintf(stderr, "makepictures: cannot write the scalable icon\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
