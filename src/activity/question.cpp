#include "activity/question.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "forms/accessible.h"
#include "forms/design.h"

#include <QKeyEvent>
#include <QPainter>

namespace activity {

namespace {
constexpr int MostAnswers = 3;
constexpr float Margin = 240, TextTop = 240, TextHeight = 780, AnswerTop = 1140, AnswerHeight = 600, AnswerGap = 240;
} // namespace

Question::Question(QWidget* parent, const forms::TwipRect& at)
    : Control(parent, QStringLiteral("question")), text_(*new forms::Label(this, QStringLiteral("questionText")))
{
    place(at.left, at.top, at.width, at.height);
    forms::design(text_, {}, {Margin, TextTop, at.width - 2 * Margin, TextHeight},
                  {QStringLiteral("Arial"), 14, true, forms::Yellow, forms::Black, false, false, forms::Label::Align::Center});
    forms::setAccessibleRole(*this, QAccessible::AlertMessage);
    forms::setAccessibleNameSource(*this, [this] { return text_.caption(); });
    for (int k = 0; k < MostAnswers; ++k) {
        forms::Label& command = answers.create(this, k);
        forms::LabelLook look = activity::CommandLook;
        look.family = QStringLiteral("Arial");
        look.points = 14;
        forms::style(command, look);
        forms::setAccessibleRole(command, QAccessible::Button);
        runOnKeys(command, [this, k] { answer(k); });
    }
    connect(&answers, &forms::GroupSignals::clicked, this, &Question::answer);
    setFocusPolicy(Qt::StrongFocus);
    hide();
}

void Question::ask(const QString& text, const QStringList& choices, std::function<void(int)> answered)
{
    text_.setCaption(text);
    answered_ = std::move(answered);
    const int count = std::min<int>(int(choices.size()), MostAnswers);
    const float width = (twipWidth() - 2 * Margin - (count - 1) * AnswerGap) / std::max(count, 1);
    for (int k = 0; k < MostAnswers; ++k) {
        forms::Label& command = answers(k);
        command.setVisible(k < count);
        if (k < count) {
            command.setCaption(choices[k]);
            command.place(Margin + k * (width + AnswerGap), AnswerTop, width, AnswerHeight);
        }
    }
    if (!asking()) {
        QWidget* had = window()->focusWidget();
        focusBefore_ = had && !isAncestorOf(had) ? had : nullptr;
    }
    show();
    raise();
    if (count > 0)
        answers(0).setFocus(Qt::TabFocusReason); // shown: the keyboard is here now
    forms::announceAlert(*this);
}

void Question::answer(int index)
{
    if (!asking())
        return;
    hide(); // the keyboard, if it was here, moves on as the answers go
    QWidget* movedTo = window()->focusWidget();
    // Taken first: the answer may ask again.
    if (auto answered = std::exchange(answered_, nullptr))
        answered(index);
    if (asking())
        return;
    // Back where the keyboard was, unless the answer sent it elsewhere.
    if (focusBefore_ && focusBefore_->isVisible() && focusBefore_->isEnabled() && window()->focusWidget() == movedTo)
        focusBefore_->setFocus(Qt::OtherFocusReason);
    focusBefore_ = nullptr;
}

int Question::shownAnswers() const
{
    int visible = 0;
    answers.forEach([&visible](int, const forms::Label& a) { visible += a.isVisibleTo(a.parentWidget()) ? 1 : 0; });
    return visible;
}

bool Question::focusNextPrevChild(bool next)
{
    const int shown = shownAnswers();
    if (!asking() || shown == 0)
        return Control::focusNextPrevChild(next);
    int at = 0;
    for (int k = 0; k < shown; ++k)
        if (answers(k).hasFocus())
            at = k;
    answers((at + (next ? 1 : -1) + shown) % shown).setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Question::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), forms::Black);
    painter.setPen(QPen(forms::Yellow, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void Question::keyPressEvent(QKeyEvent* event)
{
    const int visible = shownAnswers();
    if (event->key() == Qt::Key_Escape && visible > 0)
        answer(visible - 1);
    else
        Control::keyPressEvent(event);
}

} // namespace activity
