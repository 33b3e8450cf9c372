#include "activity/touchdrags.h"
#include "forms/screen.h"

#include <QTouchEvent>
#include <utility>

namespace activity {

TouchDrags::TouchDrags(forms::Screen& screen, AnswerBoard& board, std::function<void(int)> dropped)
    : screen_(screen), board_(board), dropped_(std::move(dropped))
{
}

void TouchDrags::attach()
{
    // A finger goes to the control it lands on, and controls keep their
    // events from the screen beneath: the answer labels take touches themselves.
    screen_.setAttribute(Qt::WA_AcceptTouchEvents);
    screen_.installEventFilter(this);
    for (int i = 0; i < board_.count(); ++i) {
        board_.answer(i).setAttribute(Qt::WA_AcceptTouchEvents);
        board_.answer(i).installEventFilter(this);
    }
}

// The topmost answer label under the point that no other finger holds.
int TouchDrags::answerAt(QPointF pixels) const
{
    int found = -1;
    for (int i = 0; i < board_.count(); ++i) {
        const forms::Label& label = board_.answer(i);
        if (!label.isVisible() || !label.geometry().contains(pixels.toPoint()))
            continue;
        bool taken = false;
        for (const auto& [id, answer] : held_)
            taken = taken || answer == i;
        if (!taken && (found < 0 || label.parentWidget()->children().indexOf(&label)
                                        > label.parentWidget()->children().indexOf(&board_.answer(found))))
            found = i;
    }
    return found;
}

void TouchDrags::follow(int answer, QPointF pixels)
{
    forms::Label& label = board_.answer(answer);
    const QPointF twips = pixels * forms::twipsPerPixel(label.scale());
    label.moveTo(static_cast<float>(twips.x()) - label.twipWidth() / 2, static_cast<float>(twips.y()) - label.twipHeight() / 2);
}

bool TouchDrags::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd
            && type != QEvent::TouchCancel))
        return false;
    if (type == QEvent::TouchCancel) {
        // The board took the touches away: every held label is let go.
        const std::map<int, int> held = std::exchange(held_, {});
        for (const auto& [id, answer] : held)
            dropped_(answer);
        return true;
    }
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver)
        return false;
    for (const QEventPoint& point : static_cast<QTouchEvent*>(event)->points()) {
        // Where the finger is on the screen, whichever control took it.
        const QPointF at = receiver == &screen_ ? point.position() : receiver->mapTo(&screen_, point.position());
        const auto it = held_.find(point.id());
        switch (point.state()) {
        case QEventPoint::State::Pressed:
            if (const int answer = answerAt(at); answer >= 0) {
                held_[point.id()] = answer;
                board_.answer(answer).raise();
            }
            break;
        case QEventPoint::State::Updated:
            if (it != held_.end())
                follow(it->second, at);
            break;
        case QEventPoint::State::Released:
            if (it != held_.end()) {
                const int answer = it->second;
                held_.erase(it);
                dropped_(answer);
            }
            break;
        default:
            break;
        }
    }
    // Taken, so that no mouse press is made up from the first finger.
    event->accept();
    return true;
}

} // namespace activity
