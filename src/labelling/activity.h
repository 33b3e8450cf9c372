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
#include "activity/topic.h"
#include "activity/touchdrags.h"

#include <map>

namespace labelling {

class LabellingActivity : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, StartAgain = 1, CheckScore = 2, ShowAnswers = 3 };

    LabellingActivity(forms::Screens& screens, const ActivityData& data);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void dragAnswer(int index, const forms::MouseArgs& args);
    void dropAnswer(int index);
    // The command label `index` was clicked: Exit, Start Again, Check Score
    // or Show Answers.
    void runCommand(int index);
    virtual void startAgain();
    void checkScore();
    // Every answer onto its own target, wrong answers home; the marks go.
    void showAnswers();
    // Whether target t holds an answer the score credits.
    bool holdsRightAnswer(int t) const;
    // Option `index` of the variant switch: its sibling screen replaces this one.
    void switchVariant(int index);

    const ActivityData& data() const { return data_; }

    forms::ControlGroup<forms::Image> pictures{QStringLiteral("pictures")};
    forms::ControlGroup<forms::Line> lines{QStringLiteral("lines")};
    forms::ControlGroup<forms::Label> targets{QStringLiteral("targets")};
    forms::ControlGroup<forms::Label> homes{QStringLiteral("homes")};
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    forms::ControlGroup<forms::Label> answers{QStringLiteral("answers")};
    forms::ControlGroup<forms::OptionButton> variantSwitch{QStringLiteral("variantSwitch")};
    // Target t's tick or cross after "Check Score", on screens that mark.
    forms::ControlGroup<forms::Label> marks{QStringLiteral("marks")};
    forms::Label& scoreLine() const { return *scoreLine_; }
    // A fixed caption by name and index (-1 for a lone label); null if none.
    forms::Label* text(const QString& name, int index = -1) const;

    activity::AnswerBoard board{targets, answers, homes};
    // Tapping and the keyboard place answer labels as a drag would.
    activity::Placing placing{*this, board, [this](int i) { dropAnswer(i); }};
    // Each finger on a multi-touch board drags a label of its own.
    activity::TouchDrags touches{*this, board, [this](int i) { dropAnswer(i); }};

private:
    void buildTexts(bool aboveAnswers);
    void buildMarks();
    void showMarks(bool on);
    void buildLines(bool aboveAnswers);

    const ActivityData& data_;
    forms::Label* scoreLine_ = nullptr;
    std::map<std::pair<QString, int>, forms::Label*> texts_;
};

// Registers the screen made from `data`; the table must outlive the registry,
// since each screen keeps a reference to it.
void addScreen(forms::Screens& screens, const ActivityData& data);

// `topic` (its title, guide and pick) made of the screens of `tables`, in
// their order: their names, the pictures they show and their registration.
LabellingTopic labellingTopic(activity::Topic topic, std::span<const ActivityData> tables);
inline LabellingTopic labellingTopic(activity::Topic topic, const ActivityData& table)
{
    return labellingTopic(std::move(topic), {&table, 1});
}

} // namespace labelling
