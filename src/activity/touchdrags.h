#pragma once
// Several pupils at one multi-touch board: each finger that lands on an
// answer label drags that label, its centre following the finger as it
// follows the mouse, and lets it go through the screen's own drop when lifted.
// A finger that lands on nothing drags nothing; the mouse works as before.

#include "activity/board.h"

#include <QObject>
#include <functional>
#include <map>

namespace forms { class Screen; }

namespace activity {

class TouchDrags : public QObject {
    Q_OBJECT
public:
    TouchDrags(forms::Screen& screen, AnswerBoard& board, std::function<void(int)> dropped);

    // Lets the screen take touches; called once its controls are built.
    void attach();
    // Answer labels under a finger now, by touch point id.
    const std::map<int, int>& held() const { return held_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int answerAt(QPointF pixels) const;
    void follow(int answer, QPointF pixels);

    forms::Screen& screen_;
    AnswerBoard& board_;
    std::function<void(int)> dropped_;
    std::map<int, int> held_; // touch point id -> answer label
};

} // namespace activity
