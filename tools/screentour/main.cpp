// Screen tour: draws every registered screen, as it first appears, at the
// design size and fitted to a 1920 x 1080 display, into PNG files named after
// the screens. The random source is seeded from each screen's name, so two
// builds of the same screens give the same files: comparing two tours shows
// what a change did to what teachers see.
//
//   QT_QPA_PLATFORM=offscreen ./screentour <folder>

#include "activity/fit.h"
#include "app/register.h"
#include "forms/fonts.h"
#include "forms/platform.h"
#include "forms/screen.h"
#include "forms/screens.h"
#include "forms/twips.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPixmap>
#include <cstdio>
#include <memory>
#include <random>

namespace {

struct TourPlatform {
    QSizeF displayPixels{1024, 768};
    std::mt19937_64 engine{1};

    forms::Platform platform()
    {
        forms::Platform p;
        p.displayPixels = [this] { return displayPixels; };
        p.shellOpen = [](const QString&, QWidget*) { return false; };
        p.random = [this] { return std::uniform_real_distribution<double>(0, 1)(engine); };
        p.refreshRate = [] { return 60.0; };
        p.quit = [] {};
        p.setting = [](const QString&) { return QVariant(); };
        p.remember = [](const QString&, const QVariant&) { return true; };
        return p;
    }
};

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screentour <folder>\n");
        return 2;
    }
    forms::registerFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    auto tour = std::make_shared<TourPlatform>();
    forms::Screens screens(tour->platform());
    app::registerEverything(screens);

    int drawn = 0;
    for (const bool fit : {false, true}) {
        tour->displayPixels = fit ? QSizeF(1920, 1080) : QSizeF(1024, 768);
        activity::fitToScreen(screens, fit);
        const QString folder = fit ? QStringLiteral("fit") : QStringLiteral("design");
        out.mkpath(folder);
        for (const QString& name : screens.registeredNames()) {
            tour->engine.seed(qHash(name));
            screens.show(name);
            settle();
            forms::Screen* screen = screens.find(name);
            if (!screen)
                continue;
            screen->grab().save(out.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
            ++drawn;
            for (const QString& loaded : screens.loadedNames())
                screens.unload(loaded);
            settle();
        }
    }
    std::printf("%d screens drawn\n", drawn);
    return 0;
}
