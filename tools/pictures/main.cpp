// Draws every picture the program shows and writes it under the folder given
// on the command line: JPEG, or BMP or PNG where the name says so. The topics
// of the catalogue name their pictures; each is drawn by the source that
// registered a drawer for that file, and a picture nothing draws fails the run.
#include "pictures.h"
#include "diagram.h"
#include "app/catalogue.h"
#include "forms/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
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
        QImage image;
        try {
            image = picture.draw(factor);
        } catch (const std::exception&) {
            // Already reported at the design size.
        }
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

// The pictures no topic names: the opening screens', the buttons, the logo
// and the program's icon.
const char* const SharedPictures[] = {
    "opening/cassin00.jpg", "Images/cassini.jpg", "Images/logo2.jpg", "Images/exit.jpg", "Images/next.jpg",
    "Images/answer.jpg", "Images/check.jpg", "Images/jotter.jpg", "Images/scramble.jpg",
    "icons/hicolor/48x48/apps/example.quorvanta.Tavrenel.png",
    "icons/hicolor/128x128/apps/example.quorvanta.Tavrenel.png",
    "icons/hicolor/256x256/apps/example.quorvanta.Tavrenel.png",
};

// Every picture to draw, each once: the shared ones, then those the topics
// name, as files under the output folder.
std::vector<QString> wanted()
{
    std::vector<QString> paths(std::begin(SharedPictures), std::end(SharedPictures));
    for (const activity::Topic& topic : app::catalogue())
        for (QString name : topic.pictures)
            paths.push_back(name.replace(QLatin1Char('\\'), QLatin1Char('/')));
    std::vector<QString> once;
    for (const QString& path : paths)
        if (std::find(once.begin(), once.end(), path) == once.end())
            once.push_back(path);
    return once;
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

    const auto drawers = pictures::drawers();
    int failures = 0;
    std::vector<pictures::PictureFile> all;
    for (const QString& path : wanted()) {
        const auto drawer = drawers.find(path);
        if (drawer == drawers.end()) {
            std::fprintf(stderr, "makepictures: nothing draws %s\n", qPrintable(path));
            ++failures;
        } else {
            all.push_back({path, drawer->second});
        }
    }

    for (const pictures::PictureFile& picture : all) {
        const QString path = output.filePath(picture.path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image;
        try {
            image = picture.draw(1);
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
