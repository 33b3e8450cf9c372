// What the moving pictures cost: opens each animated screen on its own for a
// fixed time and prints the share of one processor core the program used
// meanwhile and, under a local X server whose lock file names its process,
// the share the X server used. Run it from the build folder, on the display
// to be measured:  DISPLAY=:1 ./bench/animationbench [seconds]
#include "app/register.h"
#include "forms/fonts.h"
#include "forms/platform.h"
#include "forms/screen.h"
#include "forms/screens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    forms::registerFonts();
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    forms::Screens screens(forms::Platform::system());
    app::registerEverything(screens);
    std::printf("animation clock: %.0f frames a second at most\n", screens.animationClock().frameRate());
    std::printf("%-12s %8s %8s %12s %10s\n", "screen", "seconds", "frames", "program %", "X server %");

    for (const char* name : {"earsound", "satellites"}) {
        if (!screens.knows(QString::fromLatin1(name)))
            continue;
        screens.show(QString::fromLatin1(name));
        forms::Screen& screen = screens.get(QString::fromLatin1(name));
        (void)QTest::qWaitForWindowExposed(&screen);
        QTest::qWait(500); // settled: first paints and picture loads done
        int frames = 0;
        screens.animationClock().animate(screen, [&frames](double) { ++frames; });
        const double program = processSeconds();
        const std::optional<double> server = serverSeconds();
        QElapsedTimer wall;
        wall.start();
        QTest::qWait(int(seconds * 1000));
        const double elapsed = wall.elapsed() / 1000.0;
        const double programShare = 100 * (processSeconds() - program) / elapsed;
        const std::optional<double> serverNow = serverSeconds();
        if (server && serverNow)
            std::printf("%-12s %8.1f %8d %12.2f %10.2f\n", name, elapsed, frames, programShare,
                        100 * (*serverNow - *server) / elapsed);
        else
            std::printf("%-12s %8.1f %8d %12.2f %10s\n", name, elapsed, frames, programShare, "-");
        screens.unload(QString::fromLatin1(name));
        QTest::qWait(200);
    }
    std::printf("clock running after the screens closed: %s\n", screens.animationClock().isRunning() ? "yes" : "no");
    return 0;
}
