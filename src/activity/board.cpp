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
    const int controls = std::min(answers_.count(), homes_.count());
    return std::clamp(count_, 0, targets_count_ < 0 ? std::min(controls, targets_.count()) : controls);
}

int AnswerBoard::targetCount() const
{
    return std::clamp(targets_count_ < 0 ? count_ : targets_count_, 0, std::min(count(), targets_.count()));
}

void AnswerBoard::sizeHomes()
{
    for (int i = 0; i < targetCount(); ++i)
        targets_(i).hide();
    for (int i = 0; i < count(); ++i) {
        homes_(i).setTwipWidth(answers_(i).twipWidth());
        homes_(i).setTwipHeight(answers_(i).twipHeight());
    }
}

void AnswerBoard::dealAnswers(bool numberTargets)
{
    for (int i = 0; i < count(); ++i) {
        // An answer of no target keeps the caption it was made with.
        if (i < targetCount()) {
            answers_(i).setCaption(targets_(i).caption());
            if (numberTargets)
                targets_(i).setCaption(targetNumber(i));
            targets_(i).setOpaque(false);
            targets_(i).show();
        }
        homes_(i).moveTo(answers_(i).left(), answers_(i).top());
    }
    for (int i = 0; i < count(); ++i) {
        answers_(i).setProperty(AnswerLabelMark, true);
        answers_(i).show();
        homes_(i).show();
    }
    rest();
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
    if (index < 0 || index >= count())
        return false;
    // Target 0, home box 0, target 1, home box 1, ...; the homes of answers
    // of no target after the last target.
    std::vector<forms::TwipRect> boxes;
    for (int i = 0; i < count(); ++i) {
        if (i < targetCount())
            boxes.push_back(targets_(i).twips());
        boxes.push_back(homes_(i).twips());
    }
    forms::Label& label = answers_(index);
    if (landing_ == Landing::FirstZone) {
        const Corner end = dropPass(cornerOf(label), boxes);
        label.moveTo(end.left, end.top);
    } else if (const int box = landingBox(label.twips(), boxes); box >= 0) {
        const Corner end{boxes[std::size_t(box)].left, boxes[std::size_t(box)].top};
        for (int other = 0; other < count(); ++other)
            if (other != index && cornerOf(answers_(other)) == end) {
                const Corner from = restingPlace(index);
                answers_(other).moveTo(from.left, from.top);
            }
        label.moveTo(end.left, end.top);
    }
    rest();
    return placedCount(answerCorners(), targetCorners()) == targetCount();
}

void AnswerBoard::sendHome()
{
    for (int i = 0; i < count(); ++i)
        answers_(i).moveTo(homes_(i).left(), homes_(i).top());
    rest();
}

Corner AnswerBoard::restingPlace(int index) const
{
    return index < int(resting_.size()) ? resting_[std::size_t(index)] : Corner{homes_(index).left(), homes_(index).top()};
}

void AnswerBoard::rest() { resting_ = answerCorners(); }

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
    for (int i = 0; i < targetCount(); ++i)
        corners.push_back(cornerOf(targets_(i)));
    return corners;
}

} // namespace activity
