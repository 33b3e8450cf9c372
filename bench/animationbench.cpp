// What the moving pictures cost: opens each animated screen on its own for a
// fixed time and prints the share of one processor core the program used
// meanwhile and, under a local X server whose lock file names its process,
// the share the X server used. Run it from the build folder, on the display
// to be measured:  DISPLAY=:1 ./bench/animationbench [seconds [screen...]]
#include "app/register.h"
#include "forms/fonts.h"
#include "forms/platform.h"
#include "forms/screen.h"
#include "forms/screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <optional>
#include <unistd.h>

namespace {

double processSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The X server's processor time so far, when the display is a local one
// whose lock file (/tmp/.X<n>-lock) gives the server's process id.
std::optional<double> serverSeconds()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    if (!display.startsWith(QLatin1Char(':')))
        return std::nullopt;
    QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(display.mid(1).section(QLatin1Char('.'), 0, 0)));
    if (!lock.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray pid = lock.readAll().trimmed();
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    // utime and stime are fields 14 and 15, counted after the command's closing bracket.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return std::nullopt;
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// Counts the paint events of a screen and of its controls.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget& screen) : screen(screen) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == &screen)
            ++count;
        return false;
    }
    QWidget& screen;
    int count = 0;
};

// The program's own event loop, as in class, for a while.
void runFor(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    forms::registerFonts();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    forms::Screens screens(forms::Platform::system());
    app::registerEverything(screens);
    std::printf("display: %.0f frames a second\n", screens.animationClock().displayRate());
    std::printf("%-12s %8s %8s %12s %10s\n", "screen", "seconds", "paints", "program %", "X server %");

    // A still labelling screen first, for the cost of a shown screen that does
    // not move; or the screens named after the time.
    QStringList names{QStringLiteral("generator"), QStringLiteral("earsound"), QStringLiteral("satellites")};
    if (argc > 2)
        names = QCoreApplication::arguments().mid(2);
    for (const QString& screenName : names) {
        const QByteArray latin = screenName.toLatin1();
        const char* name = latin.constData();
        if (!screens.knows(QString::fromLatin1(name)))
            continue;
        screens.show(QString::fromLatin1(name));
        forms::Screen& screen = screens.get(QString::fromLatin1(name));
        (void)QTest::qWaitForWindowExposed(&screen);
        runFor(0.5); // settled: first paints and picture loads done
        PaintCounter paints(screen);
        const double program = processSeconds();
        const std::optional<double> server = serverSeconds();
        QElapsedTimer wall;
        wall.start();
        runFor(seconds);
        const double elapsed = wall.elapsed() / 1000.0;
        const double programShare = 100 * (processSeconds() - program) / elapsed;
        const std::optional<double> serverNow = serverSeconds();
        if (server && serverNow)
            std::printf("%-12s %8.1f %8d %12.2f %10.2f\n", name, elapsed, paints.count, programShare,
                        100 * (*serverNow - *server) / elapsed);
        else
            std::printf("%-12s %8.1f %8d %12.2f %10s\n", name, elapsed, paints.count, programShare, "-");
        screens.unload(QString::fromLatin1(name));
        runFor(0.2);
    }
    std::printf("clock running after the screens closed: %s\n", screens.animationClock().isRunning() ? "yes" : "no");
    return 0;
}
