// Physics Year 10 Tavrenel: warm-up activities for the classroom whiteboard.
#include "app/register.h"
#include "labelling/register.h"
#include "units/register.h"
#include "forms/fonts.h"
#include "forms/platform.h"
#include "forms/screens.h"
#include "jotter/register.h"

#include <QApplication>
#include <cstdio>

namespace {

bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAvailable()) {
        std::fputs("tavrenel: no display to show the program on (DISPLAY is not set); "
                   "start it from a desktop session, or under a virtual X server: "
                   "xvfb-run -s '-screen 0 1024x768x24' ./tavrenel\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    forms::registerFonts();

    forms::Screens screens(forms::Platform::system());
    app::registerScreens(screens);
    labelling::registerScreens(screens);
    units::registerScreens(screens);
    jotter::registerScreens(screens);
    screens.show(QStringLiteral("Titlefrm"));
    return application.exec();
}
