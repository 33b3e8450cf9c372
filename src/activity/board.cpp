#include "activity/board.h"
#include "forms/screen.h"

#include <algorithm>

namespace activity {

namespace {
Corner cornerOf(const forms::Control& c) { return {c.left(), c.top()}; }

constexpr char AnswerLabelMark[] = "answerLabel";

// The place nearest `wanted` at which the label lies whole inside the area of
// its parent (a screen's client area, or a frame).
Corner keptInside(const forms::Label& label, Corner wanted)
{
    QSizeF area;
    if (const auto* screen = qobject_cast<const forms::Screen*>(label.parentWidget()))
        area = {screen->twipWidth(), screen->twipHeight()};
    else if (const auto* frame = qobject_cast<const forms::Control*>(label.parentWidget()))
        area = {frame->twipWidth(), frame->twipHeight()};
    else
        return wanted;
    const float right = std::max(0.0f, static_cast<float>(area.width()) - label.twipWidth());
    const float bottom = std::max(0.0f, static_cast<float>(area.height()) - label.twipHeight());
    return {std::clamp(wanted.left, 0.0f, right), std::clamp(wanted.top, 0.0f, bottom)};
}
} // namespace

bool AnswerBoard::isAnswerLabel(const QObject& control) { return control.property(AnswerLabelMark).toBool(); }

int AnswerBoard::count() const
{
    return std::clamp(count_, 0, std::min({targets_.count(), answers_.count(), homes_.count()}));
}

void AnswerBoard::sizeHomes()
{
    for (int i = 0; i < count(); ++i) {
        targets_(i).hide();
        homes_(i).setTwipWidth(answers_(i).twipWidth());
        homes_(i).setTwipHeight(answers_(i).twipHeight());
    }
}

void AnswerBoard::dealAnswers(bool numberTargets)
{
    for (int i = 0; i < count(); ++i) {
        answers_(i).setCaption(targets_(i).caption());
        if (numberTargets)
            targets_(i).setCaption(targetNumber(i));
        targets_(i).setOpaque(false);
        targets_(i).show();
        homes_(i).moveTo(answers_(i).left(), answers_(i).top());
    }
    for (int i = 0; i < count(); ++i) {
        answers_(i).setProperty(AnswerLabelMark, true);
        answers_(i).show();
        homes_(i).show();
    }
}

void AnswerBoard::drag(int index, const forms::MouseArgs& args)
{
    if (args.button != forms::LeftButton)
        return;
    // Both from the label's current place, in one geometry update per move.
    forms::Label& label = answers_(index);
    const Corner to = keptInside(label, {label.left() + args.x - label.twipWidth() / 2.0f,
                                         label.top() + args.y - label.twipHeight() / 2.0f});
    label.moveTo(to.left, to.top);
}

bool AnswerBoard::drop(int index)
{
    std::vector<forms::TwipRect> boxes;
    for (int i = 0; i < count(); ++i) {
        boxes.push_back(targets_(i).twips());
        boxes.push_back(homes_(i).twips());
    }
    forms::Label& label = answers_(index);
    const Corner end = dropPass(cornerOf(label), boxes);
    label.moveTo(end.left, end.top);
    return placedCount(answerCorners(), targetCorners()) == count();
}

void AnswerBoard::sendHome()
{
    for (int i = 0; i < count(); ++i)
        answers_(i).moveTo(homes_(i).left(), homes_(i).top());
}

std::vector<Corner> AnswerBoard::answerCorners() const
{
    std::vector<Corner> corners;
    for (int i = 0; i < count(); ++i)
        corners.push_back(cornerOf(answers_(i)));
    return corners;
}

std::vector<Corner> AnswerBoard::targetCorners() const
{
    std::vector<Corner> corners;
    for (int i = 0; i < count(); ++i)
        corners.push_back(cornerOf(targets_(i)));
    return corners;
}

} // namespace activity
