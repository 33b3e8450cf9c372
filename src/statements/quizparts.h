#pragma once
// What every quiz screen shares below its question: a button for each
// answer, a tick or cross with its words, the reason, the tally and the
// commands, and the round of questions they keep. A right answer shows a tick,
// "Correct" and the reason; a wrong one a cross and "Not quite – try again",
// and with more than two choices that choice greys out. "Answer" shows the
// answer without a pupil touching the board; "Next" moves on, each question
// once a round; "Start Again" reshuffles and clears the tally. A screen reader
// hears the choices and commands as buttons named by their captions, and the
// feedback line read out as it appears.

#include "forms/controlgroup.h"
#include "forms/label.h"
#include "statements/deck.h"
#include "statements/mark.h"
#include "statements/quizdata.h"
#include "statements/quizkeys.h"
#include "statements/textfit.h"

#include <QColor>
#include <QObject>

namespace forms { class Screen; }

namespace statements {

// The quiz screens' background, darker than other activities'.
inline const QColor QuizBackground(41, 65, 137);

// The reason's box, and a reason fitted into it.
forms::TwipRect reasonArea(const QuizData& data);
TextFit fitReason(const QString& text, const QuizData& data);

class QuizParts : public QObject {
    Q_OBJECT
public:
    enum Command { Exit = 0, StartAgain = 1, Answer = 2, Next = 3 };

    // Made on `screen` after its question, so that they lie above it.
    QuizParts(forms::Screen& screen, const QuizData& data);

    // A fresh deck of `count` questions, the tally cleared, the first dealt.
    void restart(int count);
    void startAgain();
    void next();
    // The question dealt is on the board: its right choice (-1 for none) and
    // the reason shown once it is over.
    void ask(int right, const QString& reasonText);
    void choose(int choice);
    void showAnswer();
    void runCommand(int command);

    int rightChoice() const { return right_; }
    bool settled() const { return settled_; }
    bool greyed(int choice) const { return greyed_.at(std::size_t(choice)); }
    const Deck& deck() const { return deck_; }
    const QuizData& data() const { return data_; }
    // The keyboard: the choices and commands are taken; a screen takes the
    // controls of its own that the keyboard should reach.
    QuizKeys& keys() { return keys_; }
    // The feedback as a screen reader reads it: the words and, once the
    // question is over, the reason in full.
    QString feedbackText() const;

    Mark& mark;
    forms::Label& feedback;  // "Correct", "Not quite – try again"
    forms::Label& reason;    // the reason, or the efficiency worked out
    forms::Label& tally;     // "Statement 4 of 18 · right first time: 3"
    forms::ControlGroup<forms::Label> choices{QStringLiteral("choices")};
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};

signals:
    // Question `card` of the deck (-1: none, the deck is empty) is to be
    // shown; the screen shows it and calls ask().
    void dealt(int card);
    // The question is over; the screen may show what it hid.
    void answered();

private:
    void settle(bool pupilRight);
    void showFeedback(Mark::Shape shape, const QString& text);
    void showReason(const QString& text);
    void setChoiceLook(int choice, bool grey);
    void showTally();
    void makeAccessible();

    forms::Screen& screen_;
    const QuizData& data_;
    Deck deck_;
    int count_ = 0;
    int right_ = -1;
    QString reasonText_;
    std::vector<bool> greyed_;
    int wrongTries_ = 0;
    int rightFirstTime_ = 0;
    bool settled_ = false;
    QuizKeys& keys_;
};

} // namespace statements
