#include "statements/quizkeys.h"
#include "forms/accessible.h"
#include "forms/twips.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace statements {

namespace {
constexpr int DigitChoices = 7; // 1 to 7
constexpr float RingGap = 75;   // twips between a control and its ring
constexpr float RingPixels = 3; // design pixels
} // namespace

FocusRing::FocusRing(QWidget* parent, const QString& name) : Control(parent, name)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::surround(const forms::Control* control)
{
    if (!control) {
        hide();
        return;
    }
    place(control->left() - RingGap, control->top() - RingGap, control->twipWidth() + 2 * RingGap,
          control->twipHeight() + 2 * RingGap);
    show();
    raise();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const float line = RingPixels * scale();
    p.setPen(QPen(Qt::white, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2));
}

QuizKeys::QuizKeys(QWidget& screen, forms::ControlGroup<forms::Label>& choices)
    : QObject(&screen), screen_(screen), choices_(choices), ring_(*new FocusRing(&screen, QStringLiteral("focusRing")))
{
    // Keys no control takes come up to the screen.
    screen.installEventFilter(this);
}

void QuizKeys::take(forms::Control& control)
{
    // Tab alone: a tap on the board leaves no focus behind.
    control.setFocusPolicy(Qt::TabFocus);
    if (!taken_.empty())
        QWidget::setTabOrder(taken_.back(), &control);
    taken_.push_back(&control);
    control.installEventFilter(this);
}

forms::Control* QuizKeys::taken(const QObject* o) const
{
    const auto it = std::find(taken_.begin(), taken_.end(), o);
    return it == taken_.end() ? nullptr : *it;
}

bool QuizKeys::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (forms::Control* control = taken(watched)) {
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
                // The window handed its first control the focus as it opened:
                // the screen keeps it, so that the first Tab lands on the first
                // choice and a stray Space answers nothing.
                QMetaObject::invokeMethod(this, [this, c = QPointer<forms::Control>(control)] {
                    if (c && c->hasFocus())
                        screen_.setFocus(Qt::OtherFocusReason);
                }, Qt::QueuedConnection);
            } else {
                ring_.surround(control);
            }
        }
        break;
    case QEvent::FocusOut:
        if (taken(watched))
            ring_.surround(nullptr);
        break;
    case QEvent::Hide:
        if (taken(watched) && static_cast<QWidget*>(watched)->hasFocus())
            ring_.surround(nullptr);
        break;
    case QEvent::KeyPress:
        if (watched == &screen_)
            return keyPressed(*static_cast<QKeyEvent*>(event));
        break;
    default:
        break;
    }
    return false;
}

bool QuizKeys::keyPressed(const QKeyEvent& key)
{
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int k = key.key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
        forms::Control* focused = taken(screen_.focusWidget());
        if (!focused || !focused->isVisible())
            return false;
        forms::pressControl(*focused);
        return true;
    }
    const int choice = k - Qt::Key_1;
    if (choice >= 0 && choice < std::min(DigitChoices, choices_.count()) && choices_(choice).isVisible()) {
        forms::pressControl(choices_(choice));
        return true;
    }
    return false;
}

} // namespace statements
