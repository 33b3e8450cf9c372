#include "statements/sankeyview.h"
#include "forms/accessible.h"
#include "forms/twips.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace statements {

namespace {
const QColor InputColour(150, 170, 210);
const QColor UsefulColour(70, 190, 90);
const QColor WastedColour(235, 120, 60);
const QColor TextColour(255, 255, 0);

// Design pixels within the control; the control itself is placed in twips.
constexpr int LabelWidth = 190; // the input label's column at the left
constexpr int BandTop = 60;
constexpr int BandWidth = 110;  // the input arrow's width; the branches share it
constexpr int Thinnest = 5;     // a small branch still shows
constexpr int InnerRadius = 18;

QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(forms::fontPixels(points));
    font.setBold(true);
    return font;
}

// What a branch is, and under it its energy in a larger size: the number is what pupils look for.
void label(QPainter& p, const QRect& box, const QString& what, const QString& value, Qt::Alignment align)
{
    const QFont small = arialBold(13.5), large = arialBold(20);
    const int flags = int(align) | Qt::TextWordWrap | Qt::AlignTop;
    const QRect whatRect = QFontMetrics(small).boundingRect(QRect(0, 0, box.width(), box.height()), flags, what);
    const int valueHeight = QFontMetrics(large).height();
    const int top = box.top() + (box.height() - whatRect.height() - valueHeight) / 2;
    p.setPen(TextColour);
    p.setFont(small);
    p.drawText(QRect(box.left(), top, box.width(), whatRect.height()), flags, what);
    p.setFont(large);
    p.drawText(QRect(box.left(), top + whatRect.height(), box.width(), valueHeight), flags, value);
}
} // namespace

SankeyView::SankeyView(QWidget* parent, const QString& name) : Control(parent, name)
{
    forms::setAccessibleRole(*this, QAccessible::Graphic);
    forms::setAccessibleNameSource(*this, [this] {
        return question_.input <= 0 ? QString()
                                    : QStringLiteral("Energy transfer diagram: %1").arg(devices().at(std::size_t(question_.device)).name);
    });
    forms::setAccessibleDescriptionSource(*this, [this] { return description(); });
}

QString SankeyView::description() const
{
    if (question_.input <= 0)
        return {};
    const Device& d = devices().at(std::size_t(question_.device));
    const auto value = [this](Branch b) {
        return b == question_.missing && !revealed_ ? QStringLiteral("?") : QStringLiteral("%1 J").arg(question_.valueOf(b));
    };
    return QStringLiteral("Sankey diagram, %1: input %2 (%3), useful %4 (%5), wasted %6 (%7)")
        .arg(d.name, value(Branch::Input), d.input, value(Branch::Useful), d.useful, value(Branch::Wasted), d.wasted);
}

void SankeyView::setQuestion(const SankeyQuestion& question, bool revealed)
{
    question_ = question;
    revealed_ = revealed;
    update();
}

void SankeyView::reveal()
{
    revealed_ = true;
    update();
}

QString SankeyView::labelOf(Branch branch) const
{
    const Device& d = devices().at(std::size_t(question_.device));
    const QString value = branch == question_.missing && !revealed_
                              ? QStringLiteral("?")
                              : QStringLiteral("%1 J").arg(question_.valueOf(branch));
    switch (branch) {
    case Branch::Input: return QStringLiteral("input: %1\n%2").arg(d.input, value);
    case Branch::Useful: return QStringLiteral("useful: %1\n%2").arg(d.useful, value);
    case Branch::Wasted: return QStringLiteral("wasted: %1\n%2").arg(d.wasted, value);
    }
    return {};
}

void SankeyView::paintEvent(QPaintEvent*)
{
    if (question_.input <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Laid out in design pixels and painted at the screens' scale.
    const QRect area = forms::paintInDesignPixels(p, twips(), size());
    const int w = area.width(), h = area.height();
    const int x0 = LabelWidth + 10, split = x0 + (w - x0) * 2 / 7, arrowEnd = w - 240;
    int useful = std::clamp(int(std::lround(double(BandWidth) * question_.useful / question_.input)), Thinnest,
                            BandWidth - Thinnest);
    const int wasted = BandWidth - useful;

    p.setFont(arialBold(18));
    p.setPen(TextColour);
    p.drawText(QRect(0, 0, w, BandTop - 10), Qt::AlignHCenter | Qt::AlignVCenter,
               sentence(devices().at(std::size_t(question_.device)).name));

    p.setPen(QPen(QColor(20, 20, 40), 1.5));
    // Input arrow up to the split.
    p.setBrush(InputColour);
    p.drawRect(QRectF(x0, BandTop, split - x0, BandWidth));

    // Useful branch straight on, with its head.
    const double head = std::clamp(useful * 0.35, 8.0, 24.0);
    QPainterPath u;
    u.moveTo(split, BandTop);
    u.lineTo(arrowEnd, BandTop);
    u.lineTo(arrowEnd, BandTop - head);
    u.lineTo(arrowEnd + 16 + std::min(useful * 0.3, 24.0), BandTop + useful / 2.0);
    u.lineTo(arrowEnd, BandTop + useful + head);
    u.lineTo(arrowEnd, BandTop + useful);
    u.lineTo(split, BandTop + useful);
    u.closeSubpath();
    p.setBrush(UsefulColour);
    p.drawPath(u);

    // Wasted branch turning down, with its head.
    const double outer = InnerRadius + wasted, centreY = BandTop + useful + outer;
    const double down = h - 34, whead = std::max(8.0, wasted * 0.35);
    QPainterPath ws;
    ws.moveTo(split, BandTop + useful);
    ws.arcTo(QRectF(split - outer, centreY - outer, 2 * outer, 2 * outer), 90, -90);
    ws.lineTo(split + outer, down);
    ws.lineTo(split + outer + whead, down);
    ws.lineTo(split + (outer + InnerRadius) / 2.0, h - 6);
    ws.lineTo(split + InnerRadius - whead, down);
    ws.lineTo(split + InnerRadius, down);
    ws.lineTo(split + InnerRadius, centreY);
    ws.arcTo(QRectF(split - InnerRadius, centreY - InnerRadius, 2 * InnerRadius, 2 * InnerRadius), 0, 90);
    ws.closeSubpath();
    p.setBrush(WastedColour);
    p.drawPath(ws);

    const int right = arrowEnd + 52;
    label(p, QRect(0, BandTop - 20, LabelWidth, BandWidth + 40), labelOf(Branch::Input).section('\n', 0, 0),
          labelOf(Branch::Input).section('\n', 1), Qt::AlignRight);
    label(p, QRect(right, BandTop - 30, w - right, useful + 90), labelOf(Branch::Useful).section('\n', 0, 0),
          labelOf(Branch::Useful).section('\n', 1), Qt::AlignLeft);
    const int wastedLeft = int(split + outer + whead + 12);
    const int wastedTop = BandTop + BandWidth + 28; // below the useful arrow's head
    label(p, QRect(wastedLeft, wastedTop, w - wastedLeft, h - wastedTop),
          labelOf(Branch::Wasted).section('\n', 0, 0), labelOf(Branch::Wasted).section('\n', 1),
          Qt::AlignLeft);
}

} // namespace statements
