#pragma once
// What the program is asked to do from its command line: run (optionally
// straight on a menu or an activity), print its help or version, or refuse.

#include <QString>
#include <QStringList>
#include <optional>

namespace forms { class Screens; }

namespace app {

struct StartRequest {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    QString screen;  // with Run: the screen to start on; empty for the title screen
    QString message; // with Help, Version, Refuse: what to print
    // With Run: "--fit" (true) or "--no-fit" (false) for this run only;
    // unset, the run is as the opening screen's box last remembered.
    std::optional<bool> fit = std::nullopt;
};

// The screens `--open` accepts: the opening screen, the menus, the guide
// pages and every activity screen a menu reaches.
QStringList openableScreens();

// Reads the arguments (the program's name first). Needs no application
// object, so that --help and --version work without a display.
StartRequest readCommandLine(const QStringList& arguments);

// Shows the first screen: the title screen, or `screen` in front of the
// screen its "Exit" returns to, so that leaving it never leaves no window.
void showFirstScreen(forms::Screens& screens, const QString& screen);

} // namespace app
