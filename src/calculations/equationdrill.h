#pragma once
// Equation practice: a question at a time on the equations the teacher chose,
// at the level chosen (Recall, Level 1, 2 or 3), with the worked answer on
// "Answer". The texts keep the drill's large type and are set a little
// smaller only where a long equation would not otherwise fit its box.

#include "calculations/fresh.h"
#include "calculations/question.h"
#include "calculations/richtext.h"
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <QStringList>

namespace calculations {

inline const QString EquationDrillId = QStringLiteral("equations");
inline const QString EquationChoiceId = QStringLiteral("equationchoice");
// The choice kept between runs: the equations' ids, and the level.
inline const QString ChosenEquationsKey = QStringLiteral("equations/chosen");
inline const QString EquationLevelKey = QStringLiteral("equations/level");

// The largest of the drill's type sizes in which `paragraphs` fit `box` (in twips).
QFont fittingFont(const QStringList& paragraphs, const forms::TwipRect& box, bool bold, int boldParagraph = -1);
// Where the question's and the working's text lie, in twips.
forms::TwipRect equationQuestionBox();
forms::TwipRect equationWorkingBox();

class EquationDrill : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, ShowAnswer = 1, Next = 2, Choose = 3 };

    explicit EquationDrill(forms::Screens& screens);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void runCommand(int command);
    void switchLevel(int level);
    // Plays `ids` (every equation when none is known) at `level`, from a new
    // question, under `caption` (a teacher's set's title) or the topic's own.
    void play(const QStringList& ids, int level, const QString& caption = {});

    void showAnswer();
    void nextQuestion();
    const Question& question() const { return question_; }
    int level() const { return level_; }
    const QStringList& chosen() const { return chosen_; }

    forms::Label& instruction;
    forms::Label& questionFrame;
    RichText& questionText;
    forms::Label& workingFrame;
    RichText& workingText;
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    forms::ControlGroup<forms::OptionButton> levels{QStringLiteral("levels")};

private:
    Generator generate_;
    RecentQuestions recent_;
    Question question_;
    QStringList chosen_;
    int level_ = 1;
};

// Registers the drill's screen.
void addEquationDrill(forms::Screens& screens);

} // namespace calculations
