#pragma once
// A question asked on the screen itself rather than in a window of its own,
// with up to three answers as large commands: it covers what lies beneath
// it (an editor's commands, a list) until it is answered. The editors and My
// Activities ask with it; a screen reader hears it as an alert, its answers
// as buttons. It holds the keyboard while it asks: Tab goes round its answers.

#include "forms/controlgroup.h"
#include "forms/label.h"

#include <QPointer>
#include <QStringList>
#include <functional>

namespace activity {

class Question : public forms::Control {
    Q_OBJECT
public:
    Question(QWidget* parent, const forms::TwipRect& at);

    // Shows `text` and `answers`; `answered` is told the index of the one chosen.
    void ask(const QString& text, const QStringList& answers, std::function<void(int)> answered);
    // Answers as the command `index` would (Escape answers with the last).
    void answer(int index);
    bool asking() const { return !isHidden(); }
    const QString& text() const { return text_.caption(); }

    forms::ControlGroup<forms::Label> answers{QStringLiteral("answers")};

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab stays among the answers until one is chosen.
    bool focusNextPrevChild(bool next) override;

private:
    int shownAnswers() const;

    forms::Label& text_;
    std::function<void(int)> answered_;
    QPointer<QWidget> focusBefore_; // given the keyboard back once answered
};

} // namespace activity
