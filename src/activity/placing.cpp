#include "activity/placing.h"
#include "forms/accessible.h"
#include "forms/buttons.h"
#include "forms/screen.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace activity {

namespace {

// A press that wanders further than this (design pixels) is no tap.
constexpr double TapSlack = 4;

const QColor PickedFore{0, 0, 0}, PickedBack{255, 255, 0};
const QColor CursorFore{0, 0, 0}, CursorBack{255, 128, 0};

// Controls with clicks of their own: a tap on them lets the picked label be.
bool keepsItsClicks(const QObject* o)
{
    return qobject_cast<const forms::Button*>(o) || qobject_cast<const forms::CheckBox*>(o)
        || qobject_cast<const forms::OptionButton*>(o) || o->objectName() == QLatin1String("commands");
}

} // namespace

Placing::Placing(forms::Screen& screen, AnswerBoard& board, std::function<void(int)> dropped)
    : screen_(screen), board_(board), dropped_(std::move(dropped))
{
}

void Placing::attach()
{
    screen_.installEventFilter(this);
    for (forms::Control* c : screen_.findChildren<forms::Control*>())
        c->installEventFilter(this);
    for (int i = 0; i < board_.count(); ++i) {
        board_.answer(i).setFocusPolicy(Qt::TabFocus);
        forms::setAccessibleRole(board_.answer(i), QAccessible::Button);
    }
    for (int i = 0; i < board_.targetCount(); ++i)
        forms::setAccessibleNameSource(board_.target(i), [this, i] { return targetName(i); });
}

// "target 3 of 8, empty", or "target 3 of 8, holds 'turbine'": read from
// exact positions, as the score is.
QString Placing::targetName(int t) const
{
    const forms::Label& target = board_.target(t);
    QStringList held;
    for (int i = 0; i < board_.count(); ++i)
        if (board_.answer(i).left() == target.left() && board_.answer(i).top() == target.top())
            held << QStringLiteral("'%1'").arg(board_.answer(i).caption());
    const QString which = QStringLiteral("target %1 of %2, ").arg(t + 1).arg(board_.targetCount());
    return which + (held.isEmpty() ? QStringLiteral("empty") : QStringLiteral("holds ") + held.join(QStringLiteral(" and ")));
}

bool Placing::liesInABox(int answer) const
{
    const forms::Label& label = board_.answer(answer);
    for (int i = 0; i < board_.count(); ++i) {
        const forms::Label& home = board_.home(i);
        if (home.left() == label.left() && home.top() == label.top())
            return true;
        if (i < board_.targetCount() && board_.target(i).left() == label.left() && board_.target(i).top() == label.top())
            return true;
    }
    return false;
}

int Placing::answerIndex(const QObject* o) const
{
    for (int i = 0; i < board_.count(); ++i)
        if (&board_.answer(i) == o)
            return i;
    return -1;
}

int Placing::boxIndex(const QObject* o, bool targets) const
{
    for (int i = 0; i < (targets ? board_.targetCount() : board_.count()); ++i)
        if ((targets ? &board_.target(i) : &board_.home(i)) == o)
            return i;
    return -1;
}

bool Placing::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            pressedOn_ = widget;
            pressedAt_ = mouse->globalPosition();
            movedSincePress_ = false;
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // An answer label follows every move of a press: that is a drag.
        if (widget == pressedOn_ && (mouse->buttons() & Qt::LeftButton)
            && (answerIndex(widget) >= 0
                || QLineF(mouse->globalPosition(), pressedAt_).length() > TapSlack * screen_.scale()))
            movedSincePress_ = true;
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || widget != pressedOn_)
            break;
        pressedOn_ = nullptr;
        if (!movedSincePress_ && widget->rect().contains(mouse->position().toPoint()))
            tapped(widget, QPointF(widget->mapTo(&screen_, mouse->position().toPoint())) * forms::twipsPerPixel(screen_.scale()));
        break;
    }
    case QEvent::KeyPress: {
        const int answer = answerIndex(widget);
        if (answer >= 0)
            return keyPressed(answer, static_cast<QKeyEvent*>(event)->key());
        break;
    }
    case QEvent::FocusIn:
        // The window hands its first answer label the focus as it opens: the
        // screen keeps it, so that the first Tab lands on the first label.
        if (answerIndex(widget) >= 0 && static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
            QMetaObject::invokeMethod(this, [this, w = QPointer<QWidget>(widget)] {
                if (w && w->hasFocus())
                    screen_.setFocus(Qt::OtherFocusReason);
            }, Qt::QueuedConnection);
        break;
    case QEvent::FocusOut:
        if (answerIndex(widget) == picked_ && picked_ >= 0 && cursor_ >= 0
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            cancel();
        break;
    default:
        break;
    }
    return false;
}

void Placing::tapped(QWidget* on, QPointF twipsOnScreen)
{
    const int answer = answerIndex(on);
    if (answer >= 0) {
        // The screen's own release lets a tapped label go where it lies.
        if (answer == picked_)
            cancel();
        else if (picked_ >= 0 && board_.landing() == AnswerBoard::Landing::NearestBoxOneEach && liesInABox(answer))
            putDownAt({board_.answer(answer).left(), board_.answer(answer).top()}); // the two swap
        else
            pickUp(answer);
        return;
    }
    if (picked_ < 0)
        return;
    if (keepsItsClicks(on)) {
        cancel();
        return;
    }
    if (const int t = boxIndex(on, true); t >= 0)
        putDownAt({board_.target(t).left(), board_.target(t).top()});
    else if (const int h = boxIndex(on, false); h >= 0)
        putDownAt({board_.home(h).left(), board_.home(h).top()});
    else
        putDownCentredOn(twipsOnScreen);
}

bool Placing::keyPressed(int answer, int key)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (answer != picked_) {
        if (!enter)
            return false;
        pickUp(answer);
        // The keyboard starts on the target the label lies on, else on the first.
        const forms::Label& label = board_.answer(answer);
        cursor_ = 0;
        for (int t = 0; t < board_.targetCount(); ++t)
            if (board_.target(t).left() == label.left() && board_.target(t).top() == label.top())
                cursor_ = t;
        showCursor(true);
        return true;
    }
    switch (key) {
    case Qt::Key_Right: case Qt::Key_Down: case Qt::Key_Tab:
        moveCursor(+1);
        return true;
    case Qt::Key_Left: case Qt::Key_Up: case Qt::Key_Backtab:
        moveCursor(-1);
        return true;
    case Qt::Key_Escape:
        cancel();
        return true;
    default:
        break;
    }
    if (!enter)
        return false;
    if (cursor_ < 0)
        cursor_ = 0;
    putDownAt({board_.target(cursor_).left(), board_.target(cursor_).top()});
    return true;
}

void Placing::pickUp(int answer)
{
    cancel();
    if (answer < 0 || answer >= board_.count())
        return;
    forms::Label& label = board_.answer(answer);
    picked_ = answer;
    pickedFore_ = label.foreColor();
    pickedBack_ = label.backColor();
    pickedOpaque_ = label.isOpaque();
    label.setForeColor(PickedFore);
    label.setBackColor(PickedBack);
    label.setOpaque(true);
    label.raise();
}

void Placing::putDownAt(Corner corner)
{
    const int answer = picked_;
    if (answer < 0)
        return;
    cancel();
    board_.answer(answer).moveTo(corner.left, corner.top);
    if (dropped_)
        dropped_(answer);
}

void Placing::putDownCentredOn(QPointF twips)
{
    if (picked_ < 0)
        return;
    const forms::Label& label = board_.answer(picked_);
    const float left = static_cast<float>(twips.x()) - label.twipWidth() / 2;
    const float top = static_cast<float>(twips.y()) - label.twipHeight() / 2;
    putDownAt({std::clamp(left, 0.0f, std::max(0.0f, screen_.twipWidth() - label.twipWidth())),
               std::clamp(top, 0.0f, std::max(0.0f, screen_.twipHeight() - label.twipHeight()))});
}

void Placing::cancel()
{
    showCursor(false);
    cursor_ = -1;
    if (picked_ < 0)
        return;
    forms::Label& label = board_.answer(picked_);
    label.setForeColor(pickedFore_);
    label.setBackColor(pickedBack_);
    label.setOpaque(pickedOpaque_);
    picked_ = -1;
}

void Placing::moveCursor(int step)
{
    const int n = board_.targetCount();
    if (n == 0)
        return;
    showCursor(false);
    cursor_ = ((cursor_ < 0 ? 0 : cursor_ + step) % n + n) % n;
    showCursor(true);
}

void Placing::showCursor(bool on)
{
    if (cursor_ < 0 || cursor_ >= board_.targetCount())
        return;
    forms::Label& target = board_.target(cursor_);
    if (on) {
        cursorFore_ = target.foreColor();
        cursorBack_ = target.backColor();
        cursorOpaque_ = target.isOpaque();
        target.setForeColor(CursorFore);
        target.setBackColor(CursorBack);
        target.setOpaque(true);
    } else {
        target.setForeColor(cursorFore_);
        target.setBackColor(cursorBack_);
        target.setOpaque(cursorOpaque_);
    }
}

} // namespace activity
