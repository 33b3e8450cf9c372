#pragma once
// The command labels along the foot of an activity screen ("Exit", "Start
// Again", "Check Score" ...) and the option buttons that switch between
// sibling screens or levels, in the looks every activity shares.

#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/twips.h"

#include <QColor>
#include <QString>
#include <functional>
#include <span>

namespace activity {

struct Command {
    QString caption;
    forms::TwipRect at;
};

// The commands at the places every activity screen gives them.
inline const Command ExitCommand{"Exit", {10560, 7920, 1245, 495}};
inline const Command StartAgainCommand{"Start Again", {3360, 7920, 2565, 495}};
inline const Command CheckScoreCommand{"Check Score", {6000, 7920, 2565, 495}};
inline const Command NewQuestionCommand{"New Question", {120, 7920, 2685, 495}};

// Creates one command label per command, element k of `labels` for command k,
// in the shared command look. Each lights up while the pointer is over it;
// call dimCommands from the screen's own mouse move to put them out again.
// Tab reaches each, in the order given; Enter or Space works it as a click.
void buildCommands(QWidget* screen, forms::ControlGroup<forms::Label>& labels, std::span<const Command> commands);
void dimCommands(forms::ControlGroup<forms::Label>& labels);

// Enter, Return or Space on `command`, when it has the keyboard, runs `run`,
// as a click does: a command label works as a button does.
void runOnKeys(forms::Label& command, std::function<void()> run);

// A command that cannot be used now is greyed, passed over by Tab and read as
// unavailable; a tap on it still tells its click, so that it can say why.
void setAvailable(forms::Label& command, bool available);

// Tab from the screen itself goes through `controls` in this order (those
// hidden or unavailable are passed over), first to last.
void chainTabOrder(std::span<QWidget* const> controls);

// Option buttons, element k of `options` for caption k, with option `own` set:
// the switch between the screens of one family, or between levels.
struct OptionSwitch {
    std::span<const QString> captions;
    std::span<const forms::TwipRect> at;
    QColor textColour;
    double points;
    int own;
};
// Tab reaches each; Enter or Space chooses it.
void buildOptions(QWidget* screen, forms::ControlGroup<forms::OptionButton>& options, const OptionSwitch& look);

} // namespace activity
