#include "calculations/describe.h"

#include <QStringList>

namespace calculations {

namespace {

const QString Unknown = QStringLiteral("?");

// "load 400 N at 0.4 m"; an unknown force leaves its name alone ("effort at
// 1.2 m"), an unknown distance says it is to be found. On a beam with forces
// either side of the pivot, the side is named.
QString describeForce(const BeamForce& f, bool bothSides)
{
    QString text = f.name;
    if (f.force != Unknown)
        text += QLatin1Char(' ') + f.force;
    if (bothSides)
        text += f.metres < 0 ? QStringLiteral(" on the left") : QStringLiteral(" on the right");
    return text + (f.distance == Unknown ? QStringLiteral(" at a distance to find") : QStringLiteral(" at ") + f.distance);
}

QString describeBeam(const Beam& beam)
{
    bool left = false, right = false;
    for (const BeamForce& f : beam.forces)
        (f.metres < 0 ? left : right) = true;
    QStringList parts{QStringLiteral("pivot at ") + beam.pivotAt};
    for (const BeamForce& f : beam.forces)
        parts << describeForce(f, left && right);
    return beam.name + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString describeWave(const Wave& wave)
{
    const QString length = wave.wavelength == Unknown ? QStringLiteral("wavelength (to find)")
                                                      : QStringLiteral("wavelength ") + wave.wavelength;
    return wave.longitudinal ? QStringLiteral("Longitudinal wave: %1 marked from one compression to the next").arg(length)
                             : QStringLiteral("Transverse wave: %1 marked from one crest to the next").arg(length);
}

QString describeTransfer(const Transfer& t)
{
    const auto amount = [](const QString& value) { return value == Unknown ? QStringLiteral("to find") : value; };
    return QStringLiteral("Energy transfer diagram: total input %1, useful output %2, the rest wasted")
        .arg(amount(t.input), amount(t.useful));
}

} // namespace

QString describe(const Diagram& diagram)
{
    if (const auto* beam = std::get_if<Beam>(&diagram))
        return describeBeam(*beam);
    if (const auto* wave = std::get_if<Wave>(&diagram))
        return describeWave(*wave);
    if (const auto* transfer = std::get_if<Transfer>(&diagram))
        return describeTransfer(*transfer);
    return {};
}

} // namespace calculations
