// Physics Year 10 Tavrenel: warm-up activities for the classroom whiteboard.
#include "activity/fit.h"
#include "app/commandline.h"
#include "app/register.h"
#include "forms/display.h"
#include "forms/fonts.h"
#include "forms/platform.h"
#include "forms/screens.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
void tellNoDisplay(const QString& problem)
{
    std::fprintf(stderr, "tavrenel: %s; start it from a desktop session, or under a virtual X server: "
                         "xvfb-run -s '-screen 0 1024x768x24' ./tavrenel\n", qPrintable(problem));
}
} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const app::StartRequest request = app::readCommandLine(arguments);
    switch (request.action) {
    case app::StartRequest::Action::Help:
    case app::StartRequest::Action::Version:
        std::fputs(qPrintable(request.message), stdout);
        return 0;
    case app::StartRequest::Action::Refuse:
        std::fprintf(stderr, "%s\n", qPrintable(request.message));
        return 2;
    case app::StartRequest::Action::Run:
        break;
    }

    const forms::DisplaySettings settings = forms::DisplaySettings::fromEnvironment();
    const QString problem = forms::displayProblem(settings, [](const QString& path) { return QFileInfo::exists(path); });
    if (!problem.isEmpty()) {
        tellNoDisplay(problem);
        return 1;
    }
    // What only a connection can tell (a remote server, a screen the server
    // lacks) comes out while the application object is made.
    auto guard = std::make_unique<forms::PlatformStartGuard>(settings, [](const QString& why) {
        tellNoDisplay(why);
        std::fflush(stderr);
        std::_Exit(1);
    });
    QApplication application(argc, argv);
    guard.reset();
    forms::registerFonts();

    forms::Screens screens(forms::Platform::system());
    app::registerEverything(screens);
    // "--fit" or "--no-fit" for this run only; otherwise the remembered choice holds.
    activity::startFitted(screens, request.fit);
    app::showFirstScreen(screens, request.screen);
    return application.exec();
}
