#pragma once
// The calculation drill: one generated question at a time, large enough to
// read from the back of the room, with a small diagram where one helps.
// "Answer" shows the working in three lines; "Next" draws another question
// and hides the working again. Topics with levels switch them with option
// buttons. Each topic's file holds its drill data: its generator and its texts.

#include "activity/topic.h"
#include "calculations/diagramview.h"
#include "calculations/fresh.h"
#include "calculations/question.h"
#include "calculations/richtext.h"
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <functional>
#include <vector>

namespace calculations {

struct DrillData {
    QString screen;              // "wavespeed"
    QString title;               // its topic's title, also the screen's caption
    Generator generate;
    std::vector<QString> levels; // the option captions; none for a single level
    QString instruction = QStringLiteral("Work it out on your whiteboard, then click Answer.");
};

// `topic` (its place and guide) as the drill's: its title, its one screen and
// that screen's registration; `drill` outlives the registry.
activity::Topic drillTopic(activity::Topic topic, const DrillData& drill);

// Where the parts of the drill lie, in twips: the question takes the whole
// width when it has no diagram.
struct DrillLayout {
    forms::TwipRect question, diagram, working;
};
DrillLayout drillLayout(bool withDiagram);
// The boxes the question's and the working's text are laid out in, inside their frames.
forms::TwipRect textBox(const forms::TwipRect& frame);
// The fonts of the question and of the working.
QFont questionFont();
QFont workingFont();
// The working's lines as the screen shows them, the result in bold.
inline constexpr int ResultLine = 2;

class CalculationDrill : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, ShowAnswer = 1, Next = 2 };

    CalculationDrill(forms::Screens& screens, const DrillData& data);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void runCommand(int command);
    void switchLevel(int level);

    void showAnswer();
    // Draws a question not shown in the last ten and shows it, the working hidden.
    void nextQuestion();
    const Question& question() const { return question_; }
    int level() const { return level_; }

    forms::Label& instruction;
    forms::Label& questionFrame;
    RichText& questionText;
    forms::Label& diagramFrame;
    DiagramView& diagram;
    forms::Label& workingFrame;
    RichText& workingText;
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    forms::ControlGroup<forms::OptionButton> levels{QStringLiteral("levels")};

private:
    void place(const DrillLayout& layout);

    const DrillData& data_;
    RecentQuestions recent_;
    Question question_;
    int level_ = 0;
};

} // namespace calculations
