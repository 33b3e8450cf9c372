#pragma once
// The statement quiz: one statement at a time, in a shuffled order, judged
// with the choices below it; a screen with levels deals from the set of the
// level chosen.

#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"
#include "statements/quizdata.h"
#include "statements/quizparts.h"
#include "statements/statementset.h"
#include "statements/textfit.h"

namespace statements {

// The statement's box less its margin, and a statement fitted into it.
forms::TwipRect statementArea();
TextFit fitStatement(const QString& text);

class StatementQuiz : public forms::Screen {
    Q_OBJECT
public:
    StatementQuiz(forms::Screens& screens, const QuizData& data, const QString& title);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void switchLevel(int level);
    // For the teacher: the editor on the statements this screen deals.
    void editStatements();

    const StatementSet& set() const { return set_; }

    forms::Label& instruction;
    forms::Label& statementBox;
    forms::Label& statement;
    QuizParts parts;
    forms::ControlGroup<forms::OptionButton> levelSwitch{QStringLiteral("levelSwitch")};
    forms::ControlGroup<forms::Label> teacherCommands{QStringLiteral("teacherCommands")}; // "Edit statements"

protected:
    // The statements the screen deals, for its choices' `answers`: our sets'
    // at the level chosen, the teacher's file on a screen of their own.
    virtual StatementSet dealtSet(const QStringList& answers);

private:
    void loadSet();
    void show(int card);

    const QuizData& data_;
    StatementSet set_;
};

} // namespace statements
