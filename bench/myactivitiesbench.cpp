// "My Activities" with many files: how long the list takes to open, the
// first time (every file read) and after (the index answers), over several
// runs. With --write it first fills a folder with activity files, each with
// a photograph-sized JPEG picture, for this and for bench/startup.sh.
//   myactivitiesbench --write <folder> <count>
//   myactivitiesbench <folder> [runs]
#include "app/catalogue.h"
#include "app/myactivities.h"
#include "app/openingscreen.h"
#include "app/register.h"
#include "forms/fonts.h"
#include "forms/screens.h"
#include "labelling/ownfile.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// A 1600 x 1000 picture with the grain of a photograph, so that its JPEG is
// as large as a real one (some hundreds of kilobytes).
QByteArray photograph(int seed)
{
    QImage image(1600, 1000, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = random.bounded(40);
            line[x] = qRgb((x / 8 + grain) % 256, (y / 5 + grain) % 256, (x + y) / 12 % 256);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

int writeFiles(const QString& folder, int count)
{
    QDir().mkpath(folder);
    labelling::OwnActivity activity;
    activity.instruction = QStringLiteral("Label the photograph.");
    activity.picture = photograph(1);
    activity.pictureType = QStringLiteral("jpeg");
    for (int i = 0; i < 8; ++i)
        activity.labels.push_back({QStringLiteral("part %1").arg(i + 1), QRectF(20 + 190 * i, 900, 180, 50), QPointF(100 + 190 * i, 400)});
    for (int n = 0; n < count; ++n) {
        activity.title = QStringLiteral("Activity %1").arg(n + 1);
        const QString problem = labelling::writeOwnActivity(QStringLiteral("%1/activity%2.tavlabel").arg(folder).arg(n + 1), activity);
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
    }
    return 0;
}

// Milliseconds from asking for the screen to its list shown.
double openOnce(forms::Screens& screens)
{
    QElapsedTimer timer;
    timer.start();
    screens.show(app::MyActivities::Id);
    QCoreApplication::processEvents();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    screens.unload(app::MyActivities::Id);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool writing = argc == 4 && QByteArray(argv[1]) == "--write";
    if (writing) // writing files needs no display
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (writing)
        return writeFiles(args[2], args[3].toInt());
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: myactivitiesbench [--write] <folder> [runs|count]\n");
        return 2;
    }
    forms::registerFonts();
    forms::Platform platform = forms::Platform::system();
    platform.setting = [](const QString&) { return QVariant(); }; // never the user's own
    platform.remember = [](const QString&, const QVariant&) { return true; };
    forms::Screens screens(platform);
    app::registerEverything(screens);
    QTemporaryDir data;
    app::MyActivitiesPlaces places{{args[1], {}}, data.filePath(QStringLiteral("index.json")), {}, {}, {}};
    screens.add(app::MyActivities::Id, [&](forms::Screens& s) { return std::make_unique<app::MyActivities>(s, app::ownKinds(), places); });
    const int files = static_cast<int>(QDir(args[1]).entryList({QStringLiteral("*.tavlabel")}, QDir::Files).size());
    const int runs = args.size() > 2 ? args[2].toInt() : 10;
    // As the program opens it: from the opening screen, whose backdrop it shares.
    screens.show(app::OpeningScreen::Id);
    QCoreApplication::processEvents();
    const double first = openOnce(screens);
    double later = 0;
    for (int run = 0; run < runs; ++run)
        later += openOnce(screens);
    std::printf("My Activities, %3d files: first opening %6.1f ms (every file read)   later %6.1f ms (mean of %d)\n", files, first,
                later / runs, runs);
    return 0;
}
