#pragma once
// A question across the foot of the editor, with up to three answers as
// large commands, asked on the screen itself rather than in a window of its
// own: it covers the commands beneath until it is answered.

#include "forms/controlgroup.h"
#include "forms/label.h"

#include <QStringList>
#include <functional>

namespace labelling {

// Enter, Return or Space on `command`, when it has the keyboard, runs `run`,
// as a click does: a command label works as a button does.
void runOnKeys(forms::Label& command, std::function<void()> run);

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

private:
    forms::Label& text_;
    std::function<void(int)> answered_;
};

} // namespace labelling
