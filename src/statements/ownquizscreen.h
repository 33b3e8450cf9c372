#pragma once
// A teacher's own quiz on the ordinary statement screen, under a screen name
// of its own: the layout comes from the file's choices, the statements are
// read from the file whenever the screen loads.

#include "statements/ownquiz.h"
#include "statements/quiz.h"

#include <memory>

namespace statements {

// The name the screen playing a teacher's quiz is registered under.
inline const QString OwnQuizId = QStringLiteral("ownquiz");

// The screen's data for `quiz` read from `path`: two choices side by side,
// three in a row, four in two rows, sized for their captions.
QuizData ownQuizData(const OwnQuiz& quiz, const QString& path);

// A quiz as its editor holds it, not yet saved, and the name a skipped statement is told by.
struct TriedQuiz {
    QuizRead read;
    QString name;
};

class OwnQuizScreen : public StatementQuiz {
public:
    // `tried`: played in place of the file's statements, from the editor and back to it.
    OwnQuizScreen(forms::Screens& screens, std::shared_ptr<const QuizData> data,
                  std::shared_ptr<const TriedQuiz> tried = {});

protected:
    StatementSet dealtSet(const QStringList& answers) override;

private:
    std::shared_ptr<const QuizData> data_; // the screen's template keeps a reference to it
    std::shared_ptr<const TriedQuiz> tried_;
};

// Opens the quiz at `path` to play, in place of any teacher's quiz playing;
// returns why it cannot be played, or empty.
QString playOwnQuiz(forms::Screens& screens, const QString& path);
// Plays `read`, a quiz not yet saved, named `name` where a statement is
// skipped; "Exit" comes back to the screen beneath (its editor), which nothing
// here writes or unloads. Returns why it cannot be played, or empty.
QString tryOwnQuiz(forms::Screens& screens, const QuizRead& read, const QString& name);

} // namespace statements
