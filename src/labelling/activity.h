#pragma once
// The screen template of every picture-labelling activity: pictures, numbered
// targets, answer labels dragged from their home boxes, the commands "Exit",
// "Start Again" and "Check Score", a score line and an optional variant
// switch. A screen is an ActivityData table and, where it departs, Extras.

#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/line.h"
#include "forms/screen.h"
#include "labelling/activitydata.h"
#include "activity/board.h"
#include "activity/placing.h"
#include "activity/touchdrags.h"

#include <map>

namespace labelling {

class LabellingActivity : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, StartAgain = 1, CheckScore = 2 };

    LabellingActivity(forms::Screens& screens, const ActivityData& data);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void Label2_MouseMove(int index, const forms::MouseArgs& args);
    void Label2_MouseUp(int index);
    void Label3_Click(int index);
    void Option1_Click(int index);

    const ActivityData& data() const { return data_; }

    forms::ControlGroup<forms::Image> Image1{QStringLiteral("Image1")};
    forms::ControlGroup<forms::Line> Line1{QStringLiteral("Line1")};
    forms::ControlGroup<forms::Label> Label1{QStringLiteral("Label1")}; // targets
    forms::ControlGroup<forms::Label> Label4{QStringLiteral("Label4")}; // home boxes
    forms::ControlGroup<forms::Label> Label3{QStringLiteral("Label3")}; // commands
    forms::ControlGroup<forms::Label> Label2{QStringLiteral("Label2")}; // answer labels
    forms::ControlGroup<forms::OptionButton> Option1{QStringLiteral("Option1")};
    forms::Label& scoreLine() const { return *scoreLine_; }
    // A fixed caption by name and index (-1 for a lone label); null if none.
    forms::Label* text(const QString& name, int index = -1) const;

    activity::AnswerBoard board{Label1, Label2, Label4};
    // Tapping and the keyboard place answer labels as a drag would.
    activity::Placing placing{*this, board, [this](int i) { Label2_MouseUp(i); }};
    // Each finger on a multi-touch board drags a label of its own.
    activity::TouchDrags touches{*this, board, [this](int i) { Label2_MouseUp(i); }};

private:
    void buildTexts(bool aboveAnswers);
    void buildLines(bool aboveAnswers);

    const ActivityData& data_;
    forms::Label* scoreLine_ = nullptr;
    std::map<std::pair<QString, int>, forms::Label*> texts_;
};

} // namespace labelling
