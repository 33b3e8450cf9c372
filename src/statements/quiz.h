#pragma once
// The statement quiz: one statement at a time, in a shuffled order, with a
// button for each answer. A right answer shows a tick, "Correct" and the
// reason; a wrong one a cross and "Not quite – try again", and on a screen of
// more than two choices that choice greys out. "Answer" shows the answer
// without a pupil touching the board; "Next" moves on, each statement once a
// round; "Start Again" reshuffles and clears the tally. The energy transfer
// screen deals diagrams made afresh instead of statements.

#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"
#include "statements/deck.h"
#include "statements/mark.h"
#include "statements/quizdata.h"
#include "statements/sankey.h"
#include "statements/sankeyview.h"
#include "statements/statementset.h"
#include "statements/textfit.h"

namespace statements {

// The statement's box less its margin, and a statement fitted into it.
forms::TwipRect statementArea();
TextFit fitStatement(const QString& text);
// The reason's box, and a reason fitted into it.
forms::TwipRect reasonArea(const QuizData& data);
TextFit fitReason(const QString& text, const QuizData& data);

class StatementQuiz : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, StartAgain = 1, Answer = 2, Next = 3 };

    StatementQuiz(forms::Screens& screens, const QuizData& data);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void Label3_Click(int index);
    void Label4_Click(int index);
    void Option1_Click(int index);

    // What the screen is showing, for the tests.
    int rightChoice() const;
    bool settled() const { return settled_; }
    bool greyed(int choice) const { return greyed_.at(std::size_t(choice)); }
    const StatementSet& set() const { return set_; }
    const Deck& deck() const { return deck_; }
    int questionCount() const;
    const QuizData& data() const { return data_; }

    forms::Label& Label7; // instruction
    forms::Label& Label1; // the statement's box
    forms::Label& Label2; // the statement
    SankeyView& Picture1; // the diagram, on the energy transfer screen
    Mark& Mark1;          // tick or cross
    forms::Label& Label5; // "Correct", "Not quite – try again"
    forms::Label& Label6; // the reason, or the efficiency worked out
    forms::Label& Label8; // "Statement 4 of 18 · right first time: 3"
    forms::ControlGroup<forms::Label> Label4{QStringLiteral("Label4")}; // the choices
    forms::ControlGroup<forms::Label> Label3{QStringLiteral("Label3")}; // commands
    forms::ControlGroup<forms::OptionButton> Option1{QStringLiteral("Option1")}; // levels

private:
    void loadSet();
    void startRound();
    void nextQuestion();
    void showQuestion();
    void showStatement(const Statement& statement);
    void settle(bool pupilRight);
    void feedback(Mark::Shape shape, const QString& text);
    void showReason(const QString& text);
    void setChoiceLook(int k, bool grey);
    void showTally();
    QString reasonText() const;

    const QuizData& data_;
    StatementSet set_;
    Deck deck_;
    SankeyQuestion diagram_;
    std::vector<bool> greyed_;
    int wrongTries_ = 0;
    int rightFirstTime_ = 0;
    bool settled_ = false;
};

} // namespace statements
