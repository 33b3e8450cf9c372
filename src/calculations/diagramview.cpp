#include "calculations/diagramview.h"
#include "calculations/describe.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/screen.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace calculations {

namespace {
const QColor BeamColour(225, 225, 225);
const QColor PivotColour = forms::Orange;
const QColor ForceColour = forms::Yellow;
const QColor MeasureColour(255, 255, 255);
constexpr double Margin = 36;    // pixels kept clear at each end, for the labels
constexpr double ArrowLength = 40;
constexpr double LabelStep = 17; // a label raised clear of its neighbour

QFont labelFont(bool bold = true)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(bold);
    return font;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
    const double size = 9;
    QPainterPath head(tip);
    head.lineTo(tip - QPointF(size * std::cos(angle - 0.45), size * std::sin(angle - 0.45)));
    head.lineTo(tip - QPointF(size * std::cos(angle + 0.45), size * std::sin(angle + 0.45)));
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    arrowHead(p, to, from);
}

// Text centred on a point, kept inside the widget.
void centredText(QPainter& p, const QString& text, QPointF centre, const QRect& bounds)
{
    const QFontMetrics metrics(p.font());
    const QSize size = metrics.size(0, text);
    QRectF box(centre.x() - size.width() / 2.0, centre.y() - size.height() / 2.0, size.width(), size.height());
    box.moveLeft(std::clamp(box.left(), double(bounds.left() + 2), double(bounds.right() - 2 - size.width())));
    p.drawText(box, Qt::AlignCenter, text);
}

void drawPivot(QPainter& p, Beam::Pivot pivot, double x, double y, int bottom)
{
    p.setPen(QPen(PivotColour, 2));
    p.setBrush(PivotColour);
    switch (pivot) {
    case Beam::Triangle:
        p.drawPolygon(QPolygonF{QPointF(x, y + 5), QPointF(x - 14, y + 30), QPointF(x + 14, y + 30)});
        p.drawLine(QPointF(x - 30, y + 31), QPointF(x + 30, y + 31));
        break;
    case Beam::Nut: {
        QPolygonF hexagon;
        for (int k = 0; k < 6; ++k)
            hexagon << QPointF(x + 14 * std::cos(k * M_PI / 3), y + 14 * std::sin(k * M_PI / 3));
        p.drawPolygon(hexagon);
        break;
    }
    case Beam::Axle: // the round axle a crank turns on, its bearing ringed
        p.drawEllipse(QPointF(x, y), 11, 11);
        p.setPen(QPen(BeamColour.darker(160), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, y), 5, 5);
        break;
    case Beam::Hinge:
        p.drawLine(QPointF(x - 6, y - 26), QPointF(x - 6, y + 26)); // the wall
        p.drawEllipse(QPointF(x, y), 6, 6);
        break;
    case Beam::Wheel:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, y + 18), 18, 18);
        p.setBrush(PivotColour);
        p.drawEllipse(QPointF(x, y + 18), 3, 3);
        break;
    case Beam::Tower: { // a lattice mast down to the ground
        p.setPen(QPen(PivotColour, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(x - 6, y + 4), QPointF(x - 6, bottom - 2));
        p.drawLine(QPointF(x + 6, y + 4), QPointF(x + 6, bottom - 2));
        for (double at = y + 4, side = -6; at + 12 <= bottom - 2; at += 12, side = -side)
            p.drawLine(QPointF(x + side, at), QPointF(x - side, at + 12));
        p.drawLine(QPointF(x - 20, bottom - 2), QPointF(x + 20, bottom - 2));
        break;
    }
    }
    p.setBrush(Qt::NoBrush);
}

void drawBeam(QPainter& p, const Beam& beam, const QRect& area)
{
    const BeamLayout at = layBeam(beam, area.width());
    const bool anyUp = std::any_of(beam.forces.begin(), beam.forces.end(), [](const BeamForce& f) { return f.up; });
    const double y = area.height() * (anyUp ? 0.38 : 0.48);
    // Distances are measured beneath the beam, below any arrow pushing up.
    const double measureTop = y + (anyUp ? 84 : 44);
    double left = at.pivotX, right = at.pivotX;
    for (double x : at.forceX)
        left = std::min(left, x), right = std::max(right, x);
    p.setPen(QPen(BeamColour, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left - 8, y), QPointF(right + 8, y));
    drawPivot(p, beam.pivot, at.pivotX, y, area.height());

    p.setFont(labelFont());
    int belowLeft = 0, belowRight = 0;
    std::vector<std::pair<double, int>> labelled; // where force labels stand: x and level
    for (std::size_t i = 0; i < beam.forces.size(); ++i) {
        const BeamForce& f = beam.forces[i];
        const double x = at.forceX[i];
        p.setPen(QPen(ForceColour, 3));
        // Forces close together: the later arrow is longer, so that the
        // labels at their tails stand apart.
        const double labelWidth = QFontMetrics(p.font()).horizontalAdvance(f.force) + 6;
        int level = 0;
        while (level < 2 && std::any_of(labelled.begin(), labelled.end(), [&](const std::pair<double, int>& other) {
                   return other.second == level && std::fabs(other.first - x) < labelWidth;
               }))
            ++level;
        labelled.push_back({x, level});
        const double length = ArrowLength + LabelStep * level;
        const double tail = f.up ? y + 5 + length : y - 5 - length;
        arrow(p, QPointF(x, tail), QPointF(x, f.up ? y + 5 : y - 5));
        centredText(p, f.force, QPointF(x, f.up ? tail + 11 : tail - 11), area);

        // The distance from the pivot, one row for each force on that side.
        int& row = f.metres < 0 ? belowLeft : belowRight;
        const double my = measureTop + 20 * row;
        ++row;
        p.setPen(QPen(MeasureColour, 1));
        p.drawLine(QPointF(at.pivotX, my), QPointF(x, my));
        p.drawLine(QPointF(at.pivotX, my - 4), QPointF(at.pivotX, my + 4));
        p.drawLine(QPointF(x, my - 4), QPointF(x, my + 4));
        QFont measureFont = labelFont(false);
        p.setFont(measureFont);
        const QFontMetrics metrics(measureFont);
        const double textWidth = metrics.horizontalAdvance(f.distance) + 6;
        // A line too short to show beside its label keeps it beyond its far end.
        const double mid = textWidth + 16 < std::fabs(x - at.pivotX) ? (at.pivotX + x) / 2
                                                                     : x + (x < at.pivotX ? -1 : 1) * (textWidth / 2 + 4);
        QRectF box(mid - textWidth / 2, my - metrics.height() / 2.0, textWidth, metrics.height());
        box.moveLeft(std::clamp(box.left(), double(area.left()), area.right() - textWidth));
        p.fillRect(box, forms::Black);
        p.drawText(box, Qt::AlignCenter, f.distance);
        p.setFont(labelFont());
    }
}

// The wavelength arrow between two marks `from` and `to`, `top` pixels down,
// with the ticks down to `reach` and the value above.
void markWavelength(QPainter& p, const Wave& wave, double from, double to, double top, double reach, const QRect& area)
{
    p.setPen(QPen(MeasureColour, 1));
    p.drawLine(QPointF(from, reach), QPointF(from, top - 8));
    p.drawLine(QPointF(to, reach), QPointF(to, top - 8));
    p.setPen(QPen(ForceColour, 2));
    arrow(p, QPointF((from + to) / 2, top), QPointF(from + 1, top));
    arrow(p, QPointF((from + to) / 2, top), QPointF(to - 1, top));
    p.setFont(labelFont());
    centredText(p, QStringLiteral("wavelength = ") + wave.wavelength, QPointF((from + to) / 2, top - 20), area);
}

// Sound: a row of lines, each moved from its even rest place towards the
// nearest compression, so that they crowd into compressions and spread into
// rarefactions; the wavelength runs from one compression to the next.
void drawLongitudinal(QPainter& p, const Wave& wave, const QRect& area)
{
    const double w = area.width(), h = area.height();
    const double wavelength = (w - 24) / 2.25;
    const double first = 12 + wavelength / 2, second = first + wavelength; // compressions
    const double top = h * 0.4, bottom = h * 0.8;
    // Below lambda / 2 pi the lines never cross; this leaves a clear gap at each compression.
    const double shift = 0.6 * wavelength / (2 * M_PI), spacing = wavelength / 12;
    p.setPen(QPen(QColor(120, 200, 255), 2));
    for (double rest = 12 + spacing / 2; rest < w - 12; rest += spacing) {
        const double x = rest + shift * std::sin(2 * M_PI * (first - rest) / wavelength);
        p.drawLine(QPointF(x, top), QPointF(x, bottom));
    }
    markWavelength(p, wave, first, second, top - 18, top - 4, area);
    QFont small = labelFont(false);
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(MeasureColour);
    centredText(p, QStringLiteral("compression"), QPointF(first, bottom + 12), area);
    centredText(p, QStringLiteral("rarefaction"), QPointF(second + wavelength / 2, bottom + 12), area);
}

void drawWave(QPainter& p, const Wave& wave, const QRect& area)
{
    if (wave.longitudinal)
        return drawLongitudinal(p, wave, area);
    const double w = area.width(), h = area.height();
    const double mid = h * 0.62, amplitude = h * 0.2;
    const double wavelength = (w - 24) / 2.25;
    QPainterPath path;
    for (int x = 12; x <= int(w) - 12; ++x) {
        const double y = mid - amplitude * std::sin(2 * M_PI * (x - 12 - wavelength / 4) / wavelength);
        x == 12 ? path.moveTo(x, y) : path.lineTo(x, y);
    }
    p.setPen(QPen(QColor(120, 200, 255), 3));
    p.drawPath(path);
    p.setPen(QPen(MeasureColour, 1, Qt::DashLine));
    p.drawLine(QPointF(12, mid), QPointF(w - 12, mid));
    // Crests at a quarter and a quarter past one wavelength... the first two.
    const double crest1 = 12 + wavelength / 2, crest2 = crest1 + wavelength;
    const double top = mid - amplitude;
    markWavelength(p, wave, crest1, crest2, top - 22, top - 4, area);
}
void drawTransfer(QPainter& p, const Transfer& t, const QRect& area)
{
    // The input enters from the left as a band; the useful part runs on to
    // the right, the rest turns down as waste.
    const double w = area.width(), h = area.height();
    const double band = h * 0.36, top = h * 0.24, split = w * 0.42;
    const double useful = std::max(4.0, band * t.efficiency), wasted = std::max(4.0, band - useful);
    const double inputStart = 10, right = w - 40, bottom = h - 6;
    const QColor usefulColour(120, 200, 255), wastedColour(160, 160, 160);
    QPainterPath input;
    input.addRect(QRectF(inputStart, top, split - inputStart, useful + wasted));
    p.fillPath(input, QColor(255, 200, 80));
    QPainterPath on;
    on.moveTo(split, top);
    on.lineTo(right, top);
    on.lineTo(right + 18, top + useful / 2);
    on.lineTo(right, top + useful);
    on.lineTo(split, top + useful);
    on.closeSubpath();
    p.fillPath(on, usefulColour);
    // The waste bends down through a quarter turn.
    const double inner = 12, outer = inner + wasted;
    const double x0 = split, y0 = top + useful;
    QPainterPath down;
    down.moveTo(x0, y0);
    down.arcTo(QRectF(x0 - outer, y0, 2 * outer, 2 * outer), 90, -90);
    down.lineTo(x0 + outer, bottom - 14);
    down.lineTo(x0 + (inner + outer) / 2, bottom);
    down.lineTo(x0 + inner, bottom - 14);
    down.arcTo(QRectF(x0 - inner, y0 + wasted, 2 * inner, 2 * inner), 0, 90);
    down.closeSubpath();
    p.fillPath(down, wastedColour);

    p.setFont(labelFont());
    p.setPen(forms::Yellow);
    p.drawText(QRectF(inputStart, top - 22, split, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("input ") + t.input);
    p.drawText(QRectF(split, top - 22, w - split - 4, 18), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("useful ") + t.useful);
    p.drawText(QRectF(x0 + outer + 6, bottom - 24, w - x0 - outer - 8, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("wasted"));
}
} // namespace

BeamLayout layBeam(const Beam& beam, double width)
{
    double lowest = 0, highest = 0;
    for (const BeamForce& f : beam.forces)
        lowest = std::min(lowest, f.metres), highest = std::max(highest, f.metres);
    const double span = std::max(highest - lowest, 1e-9);
    const double scale = (width - 2 * Margin) / span;
    BeamLayout layout{Margin - lowest * scale, {}};
    for (const BeamForce& f : beam.forces)
        layout.forceX.push_back(layout.pivotX + f.metres * scale);
    return layout;
}

DiagramView::DiagramView(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    forms::setAccessibleRole(*this, QAccessible::Graphic);
    forms::setAccessibleNameSource(*this, [this] { return describe(diagram_); });
}

void DiagramView::setDiagram(const Diagram& diagram)
{
    diagram_ = diagram;
    update();
}

void DiagramView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn at the design size and scaled, so that it grows with "Fit to Screen".
    const double scale = forms::scaleOf(*this);
    p.scale(scale, scale);
    const QRect area(0, 0, int(width() / scale), int(height() / scale));
    if (const auto* beam = std::get_if<Beam>(&diagram_))
        drawBeam(p, *beam, area);
    else if (const auto* wave = std::get_if<Wave>(&diagram_))
        drawWave(p, *wave, area);
    else if (const auto* transfer = std::get_if<Transfer>(&diagram_))
        drawTransfer(p, *transfer, area);
}

} // namespace calculations
