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

    const QString problem = forms::displayProblem(qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
                                                  qEnvironmentVariable("QT_QPA_PLATFORM"),
                                                  [](const QString& path) { return QFileInfo::exists(path); });
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "tavrenel: %s; start it from a desktop session, or under a virtual X server: "
                             "xvfb-run -s '-screen 0 1024x768x24' ./tavrenel\n", qPrintable(problem));
        return 1;
    }
    QApplication application(argc, argv);
    forms::registerFonts();

    forms::Screens screens(forms::Platform::system());
    app::registerEverything(screens);
    // "--fit" fits this run to the display; otherwise the last run's choice holds.
    activity::fitToScreen(screens, request.fit || activity::rememberedFitToScreen(screens));
    app::showFirstScreen(screens, request.screen);
    return application.exec();
}
