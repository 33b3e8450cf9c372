#include "labelling/editor/pictureboard.h"
#include "labelling/editor/playarea.h"
#include "activity/looks.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/screen.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace labelling {

namespace {

constexpr float MarkSize = 480;     // twips: a ring a finger can take hold of, whole on the screen
constexpr float DragStart = 60;     // twips the pointer moves before a press is a drag
constexpr float KeyStep = 150;      // twips an arrow key moves a box, a ring or the cross
constexpr float FineStep = 30;      // with Shift, on the picture
constexpr float CursorSize = 360;   // twips
const QColor ChosenBack{0, 0, 150};
const QColor Placeholder{255, 160, 60};

QString caption(int index, const QString& answer)
{
    return answer.trimmed().isEmpty() ? QObject::tr("%1: type its answer").arg(index + 1)
                                      : QStringLiteral("%1: %2").arg(index + 1).arg(answer);
}

// As large as the text will be when played, smaller only where the number and
// the answer would not show whole in the box drawn here: a teacher must never
// see "1:" and think the answer gone.
double fittingPoints(const QString& text, double points, const QRectF& box)
{
    constexpr double Smallest = 6, Frame = 4; // points; design pixels of border and padding
    const int width = std::max(1, forms::designPixels(float(box.width())) - int(2 * Frame));
    const int height = std::max(1, forms::designPixels(float(box.height())) - int(2 * Frame));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    for (; points > Smallest; points *= 0.9) {
        font.setPixelSize(forms::fontPixels(points));
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text);
        if (needed.width() <= width && needed.height() <= height)
            break;
    }
    return std::max(points, Smallest);
}

} // namespace

PartMark::PartMark(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    setCursor(Qt::SizeAllCursor);
}

void PartMark::setChosen(bool chosen)
{
    chosen_ = chosen;
    update();
}

void PartMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = forms::paintInDesignPixels(painter, twips(), size());
    const QPointF centre = area.center();
    const double radius = area.width() / 2 - 4;
    // Dark under light, so that the ring shows on any picture.
    painter.setPen(QPen(Qt::black, chosen_ ? 6 : 5));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(chosen_ ? forms::Green : forms::Yellow, chosen_ ? 3 : 2.5));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 3, 3);
    painter.setBrush(forms::Yellow);
    painter.drawEllipse(centre, 2, 2);
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(forms::Yellow, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

PictureCursor::PictureCursor(QWidget* parent, const QString& name) : Control(parent, name)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void PictureCursor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = forms::paintInDesignPixels(painter, twips(), size());
    const QPointF c = area.center();
    // Dark under light, so that the cross shows on any picture.
    for (const auto& [colour, width] : {std::pair{QColor(Qt::black), 5.0}, std::pair{forms::Orange, 2.5}}) {
        painter.setPen(QPen(colour, width));
        painter.drawLine(QPointF(area.left() + 2, c.y()), QPointF(c.x() - 4, c.y()));
        painter.drawLine(QPointF(c.x() + 4, c.y()), QPointF(area.right() - 2, c.y()));
        painter.drawLine(QPointF(c.x(), area.top() + 2), QPointF(c.x(), c.y() - 4));
        painter.drawLine(QPointF(c.x(), c.y() + 4), QPointF(c.x(), area.bottom() - 2));
    }
}

PictureBoard::PictureBoard(forms::Screen& screen, LabelDraft& draft, const forms::TwipRect& area)
    : QObject(&screen), picture(*new forms::Image(&screen, QStringLiteral("picture"))), cursor(*new PictureCursor(&screen, QStringLiteral("pictureCursor"))),
      screen_(screen), draft_(draft), area_(area), shown_(area)
{
    picture.setStretch(true);
    picture.setCursor(Qt::CrossCursor);
    picture.setFocusPolicy(Qt::TabFocus);
    picture.installEventFilter(this);
    forms::setAccessibleRole(picture, QAccessible::Graphic);
    forms::setAccessibleNameSource(picture, [this] { return pictureName(); });
    for (int k = 0; k < MostOwnLabels; ++k) {
        forms::Line& leader = leaders.create(&screen, k);
        leader.setPen(forms::Yellow, 2);
        leader.hide();
    }
    for (int k = 0; k < MostOwnLabels; ++k) {
        PartMark& mark = parts.create(&screen, k);
        mark.setFocusPolicy(Qt::StrongFocus);
        mark.installEventFilter(this);
        mark.hide();
        forms::setAccessibleNameSource(mark, [this, k] {
            return tr("Part named by label %1: arrow keys move it").arg(k + 1);
        });
    }
    for (int k = 0; k < MostOwnLabels; ++k) {
        forms::Label& box = boxes.create(&screen, k);
        forms::style(box, activity::answerBox(AnswerBoxPoints));
        box.setFocusPolicy(Qt::StrongFocus);
        box.setCursor(Qt::SizeAllCursor);
        box.installEventFilter(this);
        box.hide();
        forms::setAccessibleRole(box, QAccessible::Button);
        forms::setAccessibleNameSource(box, [this, k] {
            const QString answer = k < draft_.count() ? draft_.label(k).answer.trimmed() : QString();
            return tr("Answer box %1: %2. Arrow keys move it; Shift and the arrow keys move its part; Delete deletes it")
                .arg(k + 1).arg(answer.isEmpty() ? tr("no answer yet") : answer);
        });
    }

    connect(&picture, &forms::Control::pressed, this, [this](const forms::MouseArgs& a) {
        if (a.button == forms::LeftButton)
            press(Held::Picture, -1, {picture.left() + a.x, picture.top() + a.y});
    });
    connect(&picture, &forms::Control::moved, this, [this](const forms::MouseArgs& a) { drag({picture.left() + a.x, picture.top() + a.y}, a.button); });
    connect(&picture, &forms::Control::released, this, [this](const forms::MouseArgs& a) { release({picture.left() + a.x, picture.top() + a.y}); });
    connect(&boxes, &forms::GroupSignals::pressed, this, [this](int k, const forms::MouseArgs& a) {
        if (a.button == forms::LeftButton)
            press(Held::Box, k, {boxes(k).left() + a.x, boxes(k).top() + a.y});
    });
    connect(&boxes, &forms::GroupSignals::moved, this, [this](int k, const forms::MouseArgs& a) { drag({boxes(k).left() + a.x, boxes(k).top() + a.y}, a.button); });
    connect(&boxes, &forms::GroupSignals::released, this, [this](int k, const forms::MouseArgs& a) { release({boxes(k).left() + a.x, boxes(k).top() + a.y}); });
    connect(&parts, &forms::GroupSignals::pressed, this, [this](int k, const forms::MouseArgs& a) {
        if (a.button == forms::LeftButton)
            press(Held::Part, k, {parts(k).left() + a.x, parts(k).top() + a.y});
    });
    connect(&parts, &forms::GroupSignals::moved, this, [this](int k, const forms::MouseArgs& a) { drag({parts(k).left() + a.x, parts(k).top() + a.y}, a.button); });
    connect(&parts, &forms::GroupSignals::released, this, [this](int k, const forms::MouseArgs& a) { release({parts(k).left() + a.x, parts(k).top() + a.y}); });

    connect(&draft_, &LabelDraft::pictureChanged, this, [this] {
        picture.setPicture(QPixmap::fromImage(draft_.picture())); // decoded once, when chosen or read
        layOut();
        placeCursor({shown_.left + shown_.width / 2, shown_.top + shown_.height / 2}); // a new picture: its middle
    });
    connect(&draft_, &LabelDraft::labelMoved, this, &PictureBoard::placeLabel);
    connect(&draft_, &LabelDraft::labelRenamed, this, &PictureBoard::placeLabel);
    connect(&draft_, &LabelDraft::labelAdded, this, [this](int k) {
        layOut();
        choose(k);
    });
    connect(&draft_, &LabelDraft::labelRemoved, this, [this](int k) {
        layOut();
        choose(std::min(k, draft_.count() - 1));
    });
    cursorAt_ = {area.left + area.width / 2, area.top + area.height / 2};
    layOut();
}

QPointF PictureBoard::toPicture(QPointF twips) const
{
    const QSize size = draft_.pictureSize();
    if (size.isEmpty())
        return {};
    return {(twips.x() - shown_.left) * size.width() / shown_.width, (twips.y() - shown_.top) * size.height() / shown_.height};
}

QPointF PictureBoard::toScreen(QPointF pixel) const
{
    const QSize size = draft_.pictureSize();
    if (size.isEmpty())
        return {shown_.left, shown_.top};
    return {shown_.left + pixel.x() * shown_.width / size.width(), shown_.top + pixel.y() * shown_.height / size.height()};
}

QRectF PictureBoard::toScreen(const QRectF& box) const { return QRectF(toScreen(box.topLeft()), toScreen(box.bottomRight())); }

void PictureBoard::layOut()
{
    held_ = Held::Nothing;
    shown_ = fitPicture(QSizeF(draft_.pictureSize()), area_);
    picture.place(shown_.left, shown_.top, shown_.width, shown_.height);
    picture.setVisible(visible_ && draft_.hasPicture());
    placeCursor(cursorAt_); // kept on the picture
    for (int k = 0; k < MostOwnLabels; ++k) {
        const bool used = visible_ && k < draft_.count();
        leaders(k).setVisible(used);
        parts(k).setVisible(used);
        boxes(k).setVisible(used);
        if (used)
            placeLabel(k);
    }
    if (chosen_ >= draft_.count())
        choose(draft_.count() - 1);
}

void PictureBoard::setShown(bool shown)
{
    visible_ = shown;
    layOut();
}

void PictureBoard::placeLabel(int index)
{
    if (index < 0 || index >= draft_.count())
        return;
    const OwnLabel& label = draft_.label(index);
    const QRectF box = toScreen(label.target);
    forms::Label& shown = boxes(index);
    shown.place(float(box.left()), float(box.top()), float(box.width()), float(box.height()));
    const QString text = caption(index, label.answer);
    shown.setCaption(text);
    shown.setForeColor(label.answer.trimmed().isEmpty() ? Placeholder : forms::Yellow);
    shown.setBackColor(index == chosen_ ? ChosenBack : forms::Black);
    // The box's text as large, beside the picture, as it will be when played.
    const double ratio = draft_.hasPicture() ? shown_.width / draft_.pictureSize().width() / playTwipsPerPixel(draft_.pictureSize()) : 1;
    shown.setDesignFont(QStringLiteral("Arial"), fittingPoints(text, AnswerBoxPoints * ratio, box), true);
    const QPointF part = toScreen(label.part);
    parts(index).place(float(part.x()) - MarkSize / 2, float(part.y()) - MarkSize / 2, MarkSize, MarkSize);
    parts(index).setChosen(index == chosen_);
    placeLeader(index, box, part);
}

void PictureBoard::placeLeader(int index, const QRectF& box, QPointF part)
{
    const QPointF near(std::clamp(part.x(), box.left(), box.right()), std::clamp(part.y(), box.top(), box.bottom()));
    leaders(index).setEnds(float(near.x()), float(near.y()), float(part.x()), float(part.y()));
}

void PictureBoard::choose(int index)
{
    const int before = chosen_;
    chosen_ = index;
    if (before != index) {
        placeLabel(before);
        placeLabel(index);
        emit chosenChanged(index);
    }
}

void PictureBoard::press(Held what, int index, QPointF pointer)
{
    held_ = what;
    heldIndex_ = index;
    heldFrom_ = pointer;
    heldMoved_ = false;
    if (what == Held::Box)
        heldOrigin_ = {boxes(index).left(), boxes(index).top()};
    else if (what == Held::Part)
        heldOrigin_ = toScreen(draft_.label(index).part);
    if (index >= 0) {
        choose(index);
        (what == Held::Box ? static_cast<QWidget&>(boxes(index)) : parts(index)).raise();
    }
}

void PictureBoard::drag(QPointF pointer, int buttons)
{
    if (held_ == Held::Nothing || held_ == Held::Picture || !(buttons & forms::LeftButton))
        return;
    const QPointF shift = pointer - heldFrom_;
    if (!heldMoved_ && std::hypot(shift.x(), shift.y()) < DragStart)
        return;
    heldMoved_ = true;
    const QRectF area(shown_.left, shown_.top, shown_.width, shown_.height);
    if (held_ == Held::Box) {
        forms::Label& box = boxes(heldIndex_);
        const float x = std::clamp(float(heldOrigin_.x() + shift.x()), shown_.left, shown_.left + shown_.width - box.twipWidth());
        const float y = std::clamp(float(heldOrigin_.y() + shift.y()), shown_.top, shown_.top + shown_.height - box.twipHeight());
        box.moveTo(x, y);
        placeLeader(heldIndex_, QRectF(x, y, box.twipWidth(), box.twipHeight()), toScreen(draft_.label(heldIndex_).part));
    } else {
        const QPointF at(std::clamp(heldOrigin_.x() + shift.x(), area.left(), area.right()),
                         std::clamp(heldOrigin_.y() + shift.y(), area.top(), area.bottom()));
        parts(heldIndex_).moveTo(float(at.x()) - MarkSize / 2, float(at.y()) - MarkSize / 2);
        placeLeader(heldIndex_, toScreen(draft_.label(heldIndex_).target), at);
    }
}

void PictureBoard::release(QPointF pointer)
{
    const Held what = std::exchange(held_, Held::Nothing);
    const int index = heldIndex_;
    const QPointF shift = pointer - heldFrom_;
    const bool tap = std::hypot(shift.x(), shift.y()) < DragStart;
    if (what == Held::Picture && tap) {
        // A part refused lets go of the chosen label, so that what is typed
        // next joins no label's answer.
        if (!draft_.addPart(toPicture(pointer)))
            choose(-1);
    } else if (what == Held::Box && heldMoved_) {
        const QPointF topLeft = toPicture({boxes(index).left(), boxes(index).top()});
        if (!draft_.moveBox(index, topLeft))
            placeLabel(index); // refused: back where it was
    } else if (what == Held::Part && heldMoved_) {
        draft_.movePart(index, toPicture(heldOrigin_ + shift));
        placeLabel(index);
    }
}

bool PictureBoard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &picture) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) {
            cursor.setVisible(picture.hasFocus() && picture.isVisible());
            cursor.raise();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            return keyOnPicture(key->key(), key->modifiers().testFlag(Qt::ShiftModifier));
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto* control = qobject_cast<forms::Control*>(watched);
    if (!control || control->index() < 0 || control->index() >= draft_.count())
        return false;
    const bool typed = !key->text().isEmpty() && (key->text().at(0).isPrint() || key->key() == Qt::Key_Backspace)
                       && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed && typing_) {
        choose(control->index());
        typing_->setFocus(Qt::OtherFocusReason);
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(typing_, &again);
        return true;
    }
    const bool onPart = qobject_cast<PartMark*>(watched) != nullptr;
    return keyPressed(control->index(), key->key(), onPart || key->modifiers().testFlag(Qt::ShiftModifier));
}

QString PictureBoard::pictureName() const
{
    const QPointF at = cursorAt_ - QPointF(shown_.left, shown_.top);
    const int across = int(std::lround(100 * at.x() / std::max(1.0f, shown_.width)));
    const int down = int(std::lround(100 * at.y() / std::max(1.0f, shown_.height)));
    return tr("The picture: tap a part of it to label that part, or move the cross with the arrow keys and press Enter. "
              "The cross is %1% across and %2% down.").arg(across).arg(down);
}

void PictureBoard::placeCursor(QPointF at)
{
    cursorAt_ = {std::clamp<qreal>(at.x(), shown_.left, shown_.left + shown_.width),
                 std::clamp<qreal>(at.y(), shown_.top, shown_.top + shown_.height)};
    cursor.place(float(cursorAt_.x()) - CursorSize / 2, float(cursorAt_.y()) - CursorSize / 2, CursorSize, CursorSize);
}

// The arrow keys move the cross (Shift finely); Enter or Space adds a part under it.
bool PictureBoard::keyOnPicture(int key, bool fine)
{
    const float step = fine ? FineStep : KeyStep;
    switch (key) {
    case Qt::Key_Left: placeCursor(cursorAt_ + QPointF(-step, 0)); break;
    case Qt::Key_Right: placeCursor(cursorAt_ + QPointF(step, 0)); break;
    case Qt::Key_Up: placeCursor(cursorAt_ + QPointF(0, -step)); break;
    case Qt::Key_Down: placeCursor(cursorAt_ + QPointF(0, step)); break;
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space:
        draft_.addPart(toPicture(cursorAt_));
        return true;
    default:
        return false;
    }
    forms::announceName(picture);
    return true;
}

bool PictureBoard::keyPressed(int index, int key, bool part)
{
    choose(index);
    if (key == Qt::Key_Delete) {
        draft_.remove(index);
        return true;
    }
    QPointF step;
    switch (key) {
    case Qt::Key_Left: step = {-KeyStep, 0}; break;
    case Qt::Key_Right: step = {KeyStep, 0}; break;
    case Qt::Key_Up: step = {0, -KeyStep}; break;
    case Qt::Key_Down: step = {0, KeyStep}; break;
    default: return false;
    }
    const OwnLabel& label = draft_.label(index);
    if (part)
        draft_.movePart(index, toPicture(toScreen(label.part) + step));
    else
        draft_.moveBox(index, toPicture(toScreen(label.target.topLeft()) + step));
    return true;
}

} // namespace labelling
