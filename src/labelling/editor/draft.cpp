#include "labelling/editor/draft.h"
#include "labelling/editor/draftchecks.h"
#include "labelling/editor/draftsteps.h"
#include "labelling/editor/playarea.h"
#include "labelling/picturedata.h"
#include "activity/leaders.h"
#include "activity/textlength.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace labelling {

namespace {

// Twips of the playing screen between a new box and its part, so that the
// leader line shows.
constexpr double LeaderGap = 600;
// Twips around a part kept clear of new boxes: its ring, as the editor draws it.
constexpr double PartRing = 300;
// Padding inside an answer box, in twips, and each further line of text.
constexpr double BoxPadding = 180, FurtherLine = 240;

// `box` moved by the least that keeps it inside `area`.
QRectF clampInside(QRectF box, const QRectF& area)
{
    box.moveLeft(std::clamp(box.left(), area.left(), std::max(area.left(), area.right() - box.width())));
    box.moveTop(std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() - box.height())));
    return box;
}

// From `point` to the nearest point of `box`, in the units of both.
double reach(QPointF point, const QRectF& box)
{
    return activity::distanceToBox(point, {float(box.x()), float(box.y()), float(box.width()), float(box.height())});
}

QRectF whole(QRectF box) { return QRectF(QPointF(std::round(box.left()), std::round(box.top())), box.size()); }

} // namespace

LabelDraft::LabelDraft(QObject* parent) : QObject(parent) {}

bool LabelDraft::reset(const OwnActivity& activity, QImage picture)
{
    if (picture.isNull() && !activity.picture.isEmpty())
        picture = labelling::picture::decode(activity.picture, activity.pictureType, labelling::picture::Decode::Whole).image;
    if (picture.isNull() && !activity.picture.isEmpty())
        return false;
    history_.clear();
    activity_ = activity;
    pictureSize_ = picture.size();
    picture_ = std::move(picture);
    emit pictureChanged();
    emit titleChanged(activity_.title);
    emit instructionChanged(activity_.instruction);
    emit changed();
    return true;
}

bool LabelDraft::refuse(const QString& why)
{
    emit refused(why);
    return false;
}

QPointF LabelDraft::onPicture(QPointF point) const
{
    return {std::clamp(std::round(point.x()), 0.0, double(pictureSize_.width())),
            std::clamp(std::round(point.y()), 0.0, double(pictureSize_.height()))};
}

bool LabelDraft::fits(const QRectF& box, int ignoring) const
{
    if (!QRectF(QPointF(0, 0), QSizeF(pictureSize_)).contains(box))
        return false;
    for (int k = 0; k < count(); ++k)
        if (k != ignoring && label(k).target.intersects(box))
            return false;
    return true;
}

QSizeF LabelDraft::boxSize(const QString& answer, QSize picture)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(forms::fontPixels(AnswerBoxPoints));
    font.setBold(true);
    const double text = forms::designTwips(QFontMetricsF(font).horizontalAdvance(answer.trimmed()));
    const double roomPerLine = WidestBox - BoxPadding;
    const double width = std::clamp(text + BoxPadding, double(AnswerBoxWidth), double(WidestBox));
    const int lines = std::clamp(int(std::ceil(text / roomPerLine)), 1, 3);
    const double perPixel = playTwipsPerPixel(picture);
    return QSizeF(std::round(width / perPixel), std::round((AnswerBoxHeight + (lines - 1) * FurtherLine) / perPixel));
}

QRectF LabelDraft::freePlace(QPointF part, QSizeF size, int ignoring) const
{
    const double perPixel = playTwipsPerPixel(pictureSize_);
    const double width = pictureSize_.width() - size.width(), height = pictureSize_.height() - size.height();
    if (width < 0 || height < 0)
        return {};
    const double step = std::max({1.0, size.height() / 2, std::max(width, height) / 120});
    QRectF best;
    double bestCost = 0;
    auto consider = [&](double x, double y) {
        const QRectF box(std::round(x), std::round(y), size.width(), size.height());
        if (!fits(box, ignoring))
            return;
        // Near its part with room for the leader, covering no part, and
        // where there is room, clear of every part's ring.
        double cost = std::abs(reach(part, box) * perPixel - LeaderGap);
        auto covers = [&](QPointF other) {
            const double near = reach(other, box);
            cost += near == 0 ? 1e8 : near * perPixel < PartRing ? 1e6 : 0;
        };
        for (int k = 0; k < count(); ++k)
            if (k != ignoring) {
                covers(label(k).part);
                // Where there is room, far enough from every box that a drop meant for one never lands in the other.
                const QRectF& other = label(k).target;
                const double across = std::max({0.0, other.left() - box.right(), box.left() - other.right()});
                const double down = std::max({0.0, other.top() - box.bottom(), box.top() - other.bottom()});
                if (std::hypot(across, down) * perPixel < 2 * DropSlip)
                    cost += 1e4;
            }
        covers(part);
        if (best.isNull() || cost < bestCost) {
            best = box;
            bestCost = cost;
        }
    };
    for (double y = 0;; y = std::min(y + step, height)) {
        for (double x = 0;; x = std::min(x + step, width)) {
            consider(x, y);
            if (x >= width)
                break;
        }
        if (y >= height)
            break;
    }
    return best;
}

QString LabelDraft::unfinished() const
{
    if (!hasPicture())
        return tr("Choose a picture first.");
    if (activity_.title.trimmed().isEmpty())
        return tr("Type a title for the activity.");
    if (activity_.labels.empty())
        return tr("Click on the picture to add a part to label.");
    for (int k = 0; k < count(); ++k)
        if (label(k).answer.trimmed().isEmpty())
            return tr("Type the answer for label %1.").arg(k + 1);
    return {};
}

OwnActivity LabelDraft::finished() const
{
    OwnActivity done = activity_;
    done.title = done.title.trimmed();
    done.instruction = done.instruction.trimmed();
    done.description = done.description.trimmed();
    for (OwnLabel& l : done.labels) {
        l.answer = l.answer.trimmed();
        l.pointsTo = l.pointsTo.trimmed();
    }
    std::vector<QString> wrong;
    for (const QString& d : done.distractors)
        if (!d.trimmed().isEmpty())
            wrong.push_back(d.trimmed());
    done.distractors = wrong;
    return done;
}

bool LabelDraft::addPart(QPointF part)
{
    if (!hasPicture())
        return refuse(tr("Choose a picture first."));
    if (count() >= MostOwnLabels)
        return refuse(tr("An activity has at most %1 labels.").arg(MostOwnLabels));
    if (!QRectF(QPointF(0, 0), QSizeF(pictureSize_)).contains(part))
        return refuse(tr("Click on the picture to add a part."));
    const QRectF box = freePlace(part, boxSize({}));
    if (box.isNull())
        return refuse(tr("There is no room left on the picture for another answer box."));
    history_.push(new AddPartStep(*this, count(), OwnLabel{{}, box, onPicture(part)}));
    return true;
}

bool LabelDraft::moveBox(int index, QPointF topLeft)
{
    if (index < 0 || index >= count())
        return false;
    const QRectF area(QPointF(0, 0), QSizeF(pictureSize_));
    QRectF box = clampInside(whole(QRectF(topLeft, label(index).target.size())), area);
    if (!fits(box, index))
        return refuse(tr("Answer boxes may not overlap: the box went back."));
    // A box too small for its answer (on a changed picture) grows where it finds room.
    if (const QRectF grown = clampInside(QRectF(box.topLeft(), box.size().expandedTo(boxSize(label(index).answer))), area);
        !answerShownWhole(label(index), pictureSize_) && fits(grown, index))
        box = grown;
    if (box != label(index).target)
        history_.push(new MoveBoxStep(*this, index, box));
    return true;
}

bool LabelDraft::movePart(int index, QPointF part)
{
    if (index < 0 || index >= count())
        return false;
    if (const QPointF at = onPicture(part); at != label(index).part)
        history_.push(new MovePartStep(*this, index, at));
    return true;
}

bool LabelDraft::rename(int index, const QString& answer)
{
    if (index < 0 || index >= count())
        return false;
    OwnLabel renamed = label(index);
    renamed.answer = activity::firstCharacters(answer, LongestAnswer);
    if (renamed.answer == label(index).answer)
        return true;
    // The box grows to hold the answer where there is room; else it keeps its size.
    const QRectF area(QPointF(0, 0), QSizeF(pictureSize_));
    const QRectF grown = clampInside(QRectF(renamed.target.topLeft(), boxSize(renamed.answer)), area);
    if (fits(grown, index))
        renamed.target = grown;
    history_.push(new RenameStep(*this, index, renamed));
    return true;
}

bool LabelDraft::remove(int index)
{
    if (index < 0 || index >= count())
        return false;
    history_.push(new DeleteStep(*this, index));
    return true;
}

int LabelDraft::longest(Text field)
{
    switch (field) {
    case Text::Title: return LongestTitle;
    case Text::Instruction: return LongestInstruction;
    case Text::Description: return LongestDescription;
    case Text::Distractor: return LongestAnswer;
    case Text::PointsTo: return LongestPointsTo;
    }
    return 0;
}

QString LabelDraft::text(Text field, int index) const
{
    switch (field) {
    case Text::Title: return activity_.title;
    case Text::Instruction: return activity_.instruction;
    case Text::Description: return activity_.description;
    case Text::Distractor: return index < int(activity_.distractors.size()) ? activity_.distractors[std::size_t(index)] : QString();
    case Text::PointsTo: return index < count() ? label(index).pointsTo : QString();
    }
    return {};
}

void LabelDraft::setText(Text field, int index, const QString& text)
{
    const bool numbered = field == Text::Distractor || field == Text::PointsTo;
    if (index < 0 || (!numbered && index != 0) || (field == Text::Distractor && index >= MostDistractors)
        || (field == Text::PointsTo && index >= count()))
        return;
    if (const QString cut = activity::firstCharacters(text, longest(field)); cut != this->text(field, index))
        history_.push(new TextStep(*this, field, index, cut));
}

void LabelDraft::setPicture(const EmbeddedPicture& picture, bool keepLabels)
{
    std::vector<OwnLabel> labels = keepLabels ? activity_.labels : std::vector<OwnLabel>{};
    if (hasPicture() && !picture.size.isEmpty()) {
        const double sx = double(picture.size.width()) / pictureSize_.width();
        const double sy = double(picture.size.height()) / pictureSize_.height();
        // Edges rounded one by one, so that boxes clear of each other stay
        // so; a box keeps a pixel each way on a smaller picture, so that it
        // still has a size, and stays on the picture.
        const auto edges = [](double from, double to, double scale, double whole) {
            double first = std::round(from * scale), last = std::max(first + 1, std::round(to * scale));
            if (last > whole) {
                first = std::max(0.0, first - (last - whole));
                last = whole;
            }
            return std::pair{first, last};
        };
        for (OwnLabel& l : labels) {
            const QRectF& t = l.target;
            const auto [left, right] = edges(t.left(), t.right(), sx, picture.size.width());
            const auto [top, bottom] = edges(t.top(), t.bottom(), sy, picture.size.height());
            l.target = QRectF(left, top, right - left, bottom - top);
            l.part = QPointF(std::clamp(std::round(l.part.x() * sx), 0.0, double(picture.size.width())),
                             std::clamp(std::round(l.part.y() * sy), 0.0, double(picture.size.height())));
        }
        // Each box too small for its answer on the new picture grows back
        // where it stays on it and clear of the others.
        const QRectF area(QPointF(0, 0), QSizeF(picture.size));
        for (std::size_t k = 0; k < labels.size(); ++k) {
            if (answerShownWhole(labels[k], picture.size))
                continue;
            const QSizeF wanted = labels[k].target.size().expandedTo(boxSize(labels[k].answer, picture.size));
            const QRectF grown = clampInside(QRectF(labels[k].target.topLeft(), wanted), area);
            const bool clear = std::none_of(labels.begin(), labels.end(), [&](const OwnLabel& other) {
                return &other != &labels[k] && other.target.intersects(grown);
            });
            if (clear && area.contains(grown))
                labels[k].target = grown;
        }
    }
    history_.push(new PictureStep(*this, picture, std::move(labels)));
}

void LabelDraft::applyInsert(int index, const OwnLabel& label)
{
    activity_.labels.insert(activity_.labels.begin() + index, label);
    emit labelAdded(index);
    emit changed();
}

void LabelDraft::applyRemove(int index)
{
    activity_.labels.erase(activity_.labels.begin() + index);
    emit labelRemoved(index);
    emit changed();
}

void LabelDraft::applyLabel(int index, const OwnLabel& label, bool renamed)
{
    const bool moved = label.target != activity_.labels[std::size_t(index)].target
                       || label.part != activity_.labels[std::size_t(index)].part;
    activity_.labels[std::size_t(index)] = label;
    if (renamed)
        emit labelRenamed(index);
    if (moved)
        emit labelMoved(index);
    emit changed();
}

void LabelDraft::applyText(Text field, int index, const QString& text)
{
    switch (field) {
    case Text::Title:
        activity_.title = text;
        emit titleChanged(text);
        break;
    case Text::Instruction:
        activity_.instruction = text;
        emit instructionChanged(text);
        break;
    case Text::Description: activity_.description = text; break;
    case Text::Distractor:
        if (int(activity_.distractors.size()) <= index)
            activity_.distractors.resize(std::size_t(index) + 1);
        activity_.distractors[std::size_t(index)] = text;
        // Empty fields after the last wrong answer are no wrong answers.
        while (!activity_.distractors.empty() && activity_.distractors.back().isEmpty())
            activity_.distractors.pop_back();
        break;
    case Text::PointsTo: activity_.labels[std::size_t(index)].pointsTo = text; break;
    }
    if (field != Text::Title && field != Text::Instruction)
        emit extraChanged(field, index);
    emit changed();
}

void LabelDraft::applyPicture(const EmbeddedPicture& picture, const std::vector<OwnLabel>& labels)
{
    activity_.picture = picture.bytes;
    activity_.pictureType = picture.type;
    activity_.labels = labels;
    pictureSize_ = picture.size;
    picture_ = picture.image.isNull() ? labelling::picture::decode(picture.bytes, picture.type, labelling::picture::Decode::Whole).image : picture.image;
    emit pictureChanged();
    emit changed();
}

} // namespace labelling
