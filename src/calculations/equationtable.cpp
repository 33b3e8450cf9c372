#include "calculations/equationtable.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace calculations {

namespace {
using A = Area;
constexpr bool Higher = true, Both = false, Sheet = true, Recall = false;

// Quantities that several equations share.
const Quantity Mass{"mass", "m", "kilograms", "kg"};
const Quantity FieldStrength{"gravitational field strength", "g", "newtons per kilogram", "N/kg"};
const Quantity Time{"time", "t", "seconds", "s"};
const Quantity Current{"current", "I", "amperes", "A"};
const Quantity Power{"power", "P", "watts", "W"};
const Quantity Frequency{"frequency", "f", "hertz", "Hz"};
const Quantity SpringConstant{"spring constant", "k", "newtons per metre", "N/m"};
const Quantity EnergyTransferred{"energy transferred", "E", "joules", "J"};
const Quantity ChargeFlow{"charge flow", "Q", "coulombs", "C"};
const Quantity PotentialDifference{"potential difference", "V", "volts", "V"};
const Quantity Resistance{"resistance", "R", "ohms", "\u03A9"};
const Quantity Efficiency{"efficiency", "", "no unit", ""};

Quantity divisor(Quantity q) { q.power = -1; return q; }
Quantity squared(Quantity q) { q.power = 2; return q; }
} // namespace

const std::vector<Equation>& equations()
{
    static const std::vector<Equation> table{
        // Forces
        {"weight", "weight", "weight = mass \u00D7 gravitational field strength", "W = m g", A::Forces, Both, Recall,
         {{"weight", "W", "newtons", "N"}, Mass, FieldStrength}},
        {"workdone", "work done", "work done = force \u00D7 distance (along the line of action of the force)", "W = F s", A::Forces, Both, Recall,
         {{"work done", "W", "joules", "J"}, {"force", "F", "newtons", "N"}, {"distance", "s", "metres", "m"}}},
        {"springforce", "force on a spring", "force applied to a spring = spring constant \u00D7 extension", "F = k e", A::Forces, Both, Recall,
         {{"force applied to a spring", "F", "newtons", "N"}, SpringConstant, {"extension", "e", "metres", "m"}}},
        {"moment", "moment of a force", "moment of a force = force \u00D7 distance (normal to direction of force)", "M = F d", A::Forces, Both, Recall,
         {{"moment of a force", "M", "newton-metres", "N\u00A0m"}, {"force", "F", "newtons", "N"}, {"distance", "d", "metres", "m"}}},
        {"pressure", "pressure", "pressure = force normal to a surface \u00F7 area of that surface", "p = F \u00F7 A", A::Forces, Both, Recall,
         {{"pressure", "p", "pascals", "Pa"}, {"force normal to a surface", "F", "newtons", "N"},
          divisor({"area of that surface", "A", "square metres", "m\u00B2"})}},
        {"liquidpressure", "pressure in a liquid", "pressure due to a column of liquid = height of column \u00D7 density of liquid \u00D7 gravitational field strength",
         "p = h \u03C1 g", A::Forces, Higher, Sheet,
         {{"pressure due to a column of liquid", "p", "pascals", "Pa"}, {"height of column", "h", "metres", "m"},
          {"density of liquid", "\u03C1", "kilograms per metre cubed", "kg/m\u00B3"}, FieldStrength}},
        {"distancetravelled", "distance travelled", "distance travelled = speed \u00D7 time", "s = v t", A::Forces, Both, Recall,
         {{"distance travelled", "s", "metres", "m"}, {"speed", "v", "metres per second", "m/s"}, Time}},
        {"acceleration", "acceleration", "acceleration = change in velocity \u00F7 time taken", "a = \u0394v \u00F7 t", A::Forces, Both, Recall,
         {{"acceleration", "a", "metres per second squared", "m/s\u00B2"}, {"change in velocity", "\u0394v", "metres per second", "m/s"},
          divisor({"time taken", "t", "seconds", "s"})}},
        {"uniformacceleration", "v\u00B2 \u2212 u\u00B2 = 2as", "(final velocity)\u00B2 \u2212 (initial velocity)\u00B2 = 2 \u00D7 acceleration \u00D7 distance",
         "v\u00B2 \u2212 u\u00B2 = 2 a s", A::Forces, Both, Sheet,
         {{"final velocity", "v", "metres per second", "m/s"}, {"initial velocity", "u", "metres per second", "m/s"},
          {"acceleration", "a", "metres per second squared", "m/s\u00B2"}, {"distance", "s", "metres", "m"}},
         1, true},
        {"resultantforce", "resultant force", "resultant force = mass \u00D7 acceleration", "F = m a", A::Forces, Both, Recall,
         {{"resultant force", "F", "newtons", "N"}, Mass, {"acceleration", "a", "metres per second squared", "m/s\u00B2"}}},
        {"momentum", "momentum", "momentum = mass \u00D7 velocity", "p = m v", A::Forces, Higher, Recall,
         {{"momentum", "p", "kilogram metres per second", "kg\u00A0m/s"}, Mass, {"velocity", "v", "metres per second", "m/s"}}},
        {"forcemomentum", "force and momentum", "force = change in momentum \u00F7 time taken", "F = m \u0394v \u00F7 \u0394t", A::Forces, Higher, Sheet,
         {{"force", "F", "newtons", "N"}, Mass, {"change in velocity", "\u0394v", "metres per second", "m/s"},
          divisor({"time taken", "\u0394t", "seconds", "s"})}},
        // Energy
        {"kineticenergy", "kinetic energy", "kinetic energy = 0.5 \u00D7 mass \u00D7 (speed)\u00B2", "E\u2096 = \u00BD m v\u00B2", A::Energy, Both, Recall,
         {{"kinetic energy", "E\u2096", "joules", "J"}, Mass, squared({"speed", "v", "metres per second", "m/s"})}, 0.5},
        {"gpe", "gravitational potential energy", "gravitational potential energy = mass \u00D7 gravitational field strength \u00D7 height", "E\u209A = m g h",
         A::Energy, Both, Recall,
         {{"gravitational potential energy", "E\u209A", "joules", "J"}, Mass, FieldStrength, {"height", "h", "metres", "m"}}},
        {"elasticenergy", "elastic potential energy", "elastic potential energy = 0.5 \u00D7 spring constant \u00D7 (extension)\u00B2", "E\u2091 = \u00BD k e\u00B2",
         A::Energy, Both, Sheet,
         {{"elastic potential energy", "E\u2091", "joules", "J"}, SpringConstant, squared({"extension", "e", "metres", "m"})}, 0.5},
        {"thermalenergy", "change in thermal energy", "change in thermal energy = mass \u00D7 specific heat capacity \u00D7 temperature change",
         "\u0394E = m c \u0394\u03B8", A::Energy, Both, Sheet,
         {{"change in thermal energy", "\u0394E", "joules", "J"}, Mass,
          {"specific heat capacity", "c", "joules per kilogram per degree Celsius", "J/kg\u00A0\u00B0C"},
          {"temperature change", "\u0394\u03B8", "degrees Celsius", "\u00B0C"}}},
        {"powerenergy", "power from energy", "power = energy transferred \u00F7 time", "P = E \u00F7 t", A::Energy, Both, Recall,
         {Power, EnergyTransferred, divisor(Time)}},
        {"powerwork", "power from work done", "power = work done \u00F7 time", "P = W \u00F7 t", A::Energy, Both, Recall,
         {Power, {"work done", "W", "joules", "J"}, divisor(Time)}},
        {"efficiencyenergy", "efficiency from energy", "efficiency = useful output energy transfer \u00F7 total input energy transfer", "", A::Energy, Both, Recall,
         {Efficiency, {"useful output energy transfer", "", "joules", "J"}, divisor({"total input energy transfer", "", "joules", "J"})}},
        {"efficiencypower", "efficiency from power", "efficiency = useful power output \u00F7 total power input", "", A::Energy, Both, Recall,
         {Efficiency, {"useful power output", "", "watts", "W"}, divisor({"total power input", "", "watts", "W"})}},
        // Waves
        {"wavespeed", "wave speed", "wave speed = frequency \u00D7 wavelength", "v = f \u03BB", A::Waves, Both, Recall,
         {{"wave speed", "v", "metres per second", "m/s"}, Frequency, {"wavelength", "\u03BB", "metres", "m"}}},
        {"period", "period", "period = 1 \u00F7 frequency", "T = 1 \u00F7 f", A::Waves, Both, Sheet,
         {{"period", "T", "seconds", "s"}, divisor(Frequency)}},
        {"magnification", "magnification", "magnification = image height \u00F7 object height", "", A::Waves, Both, Sheet,
         {{"magnification", "", "no unit", ""}, {"image height", "", "millimetres", "mm"}, divisor({"object height", "", "millimetres", "mm"})}},
        // Electricity
        {"chargeflow", "charge flow", "charge flow = current \u00D7 time", "Q = I t", A::Electricity, Both, Recall, {ChargeFlow, Current, Time}},
        {"ohm", "potential difference", "potential difference = current \u00D7 resistance", "V = I R", A::Electricity, Both, Recall,
         {PotentialDifference, Current, Resistance}},
        {"powervi", "power from V and I", "power = potential difference \u00D7 current", "P = V I", A::Electricity, Both, Recall,
         {Power, PotentialDifference, Current}},
        {"powerir", "power from I and R", "power = (current)\u00B2 \u00D7 resistance", "P = I\u00B2 R", A::Electricity, Both, Recall,
         {Power, squared(Current), Resistance}},
        {"energypower", "energy from power", "energy transferred = power \u00D7 time", "E = P t", A::Electricity, Both, Recall, {EnergyTransferred, Power, Time}},
        {"energycharge", "energy from charge", "energy transferred = charge flow \u00D7 potential difference", "E = Q V", A::Electricity, Both, Recall,
         {EnergyTransferred, ChargeFlow, PotentialDifference}},
        // Particle model
        {"density", "density", "density = mass \u00F7 volume", "\u03C1 = m \u00F7 V", A::ParticleModel, Both, Recall,
         {{"density", "\u03C1", "kilograms per metre cubed", "kg/m\u00B3"}, Mass, divisor({"volume", "V", "metres cubed", "m\u00B3"})}},
        {"latentheat", "latent heat", "thermal energy for a change of state = mass \u00D7 specific latent heat", "E = m L", A::ParticleModel, Both, Sheet,
         {{"thermal energy for a change of state", "E", "joules", "J"}, Mass, {"specific latent heat", "L", "joules per kilogram", "J/kg"}}},
        {"gaspressure", "pressure \u00D7 volume", "pressure \u00D7 volume = constant", "p V = constant", A::ParticleModel, Both, Sheet,
         {{"final pressure", "p\u2082", "pascals", "Pa"}, {"starting pressure", "p\u2081", "pascals", "Pa"},
          {"starting volume", "V\u2081", "metres cubed", "m\u00B3"}, divisor({"final volume", "V\u2082", "metres cubed", "m\u00B3"})}},
        // Magnetism
        {"motorforce", "force on a conductor",
         "force on a conductor (at right angles to a magnetic field) carrying a current = magnetic flux density \u00D7 current \u00D7 length",
         "F = B I l", A::Magnetism, Higher, Sheet,
         {{"force on a conductor carrying a current", "F", "newtons", "N"}, {"magnetic flux density", "B", "teslas", "T"}, Current,
          {"length", "l", "metres", "m"}}},
        {"transformerturns", "transformer turns",
         "potential difference across primary coil \u00F7 potential difference across secondary coil = number of turns in primary coil "
         "\u00F7 number of turns in secondary coil",
         "V\u209A \u00F7 V\u209B = n\u209A \u00F7 n\u209B", A::Magnetism, Higher, Sheet,
         {{"potential difference across secondary coil", "V\u209B", "volts", "V"},
          {"potential difference across primary coil", "V\u209A", "volts", "V"},
          {"number of turns in secondary coil", "n\u209B", "no unit", ""},
          divisor({"number of turns in primary coil", "n\u209A", "no unit", ""})}},
        {"transformerpower", "transformer currents",
         "potential difference across primary coil \u00D7 current in primary coil = potential difference across secondary coil "
         "\u00D7 current in secondary coil",
         "V\u209A \u00D7 I\u209A = V\u209B \u00D7 I\u209B", A::Magnetism, Higher, Sheet,
         {{"current in secondary coil", "I\u209B", "amperes", "A"}, {"potential difference across primary coil", "V\u209A", "volts", "V"},
          {"current in primary coil", "I\u209A", "amperes", "A"},
          divisor({"potential difference across secondary coil", "V\u209B", "volts", "V"})}},
    };
    return table;
}

QString areaName(Area area)
{
    switch (area) {
    case Area::Energy: return QStringLiteral("Energy");
    case Area::Electricity: return QStringLiteral("Electricity");
    case Area::ParticleModel: return QStringLiteral("Particle model");
    case Area::Forces: return QStringLiteral("Forces");
    case Area::Waves: return QStringLiteral("Waves");
    case Area::Magnetism: return QStringLiteral("Magnetism");
    }
    return {};
}

const Equation* findEquation(const QString& id)
{
    for (const Equation& e : equations())
        if (e.id == id)
            return &e;
    return nullptr;
}

double solveFor(const Equation& eq, int find, const std::vector<double>& v)
{
    if (eq.squaresDifference) {
        const double twoAS = 2 * v[2] * v[3], difference = v[0] * v[0] - v[1] * v[1];
        switch (find) {
        case 0: return std::sqrt(v[1] * v[1] + twoAS);
        case 1: return std::sqrt(v[0] * v[0] - twoAS);
        case 2: return difference / (2 * v[3]);
        default: return difference / (2 * v[2]);
        }
    }
    // subject = c × Π qᵢ^pᵢ
    double others = eq.coefficient;
    for (std::size_t i = 1; i < eq.quantities.size(); ++i)
        if (int(i) != find)
            others *= std::pow(v[i], eq.quantities[i].power);
    if (find == 0)
        return others;
    const int power = eq.quantities[std::size_t(find)].power;
    return std::pow(v[0] / others, 1.0 / power);
}

bool foundAsSquare(const Equation& eq, int find)
{
    return eq.squaresDifference ? find <= 1 : find > 0 && eq.quantities[std::size_t(find)].power == 2;
}

namespace {
const QString TimesSign = QStringLiteral(" \u00D7 ");
const QString DivideSign = QStringLiteral(" \u00F7 ");

// A product, bracketed when it follows a division sign and has several factors.
QString product(const QStringList& factors, bool divisor)
{
    const QString joined = factors.join(TimesSign);
    return divisor && factors.size() > 1 ? QLatin1Char('(') + joined + QLatin1Char(')') : joined;
}

QString ratio(QStringList top, const QStringList& bottom)
{
    if (top.isEmpty())
        top << QStringLiteral("1");
    return bottom.isEmpty() ? product(top, false) : product(top, false) + DivideSign + product(bottom, true);
}

QString squaredText(const QString& text) { return QLatin1Char('(') + text + QStringLiteral(")\u00B2"); }
} // namespace

QString formFor(const Equation& eq, int find, const std::function<QString(int)>& text)
{
    const auto term = [&](int k) { return eq.quantities[std::size_t(k)].power == 2 || (eq.squaresDifference && k <= 1) ? squaredText(text(k)) : text(k); };
    const QString coefficient = eq.coefficient == 1 ? QString() : QString::number(eq.coefficient);
    if (eq.squaresDifference) {
        const QString twoAS = QStringLiteral("2") + TimesSign + text(2) + TimesSign + text(3);
        const QString difference = QLatin1Char('(') + term(0) + QStringLiteral(" \u2212 ") + term(1) + QLatin1Char(')');
        switch (find) {
        case 0: return term(0) + QStringLiteral(" = ") + term(1) + QStringLiteral(" + ") + twoAS;
        case 1: return term(1) + QStringLiteral(" = ") + term(0) + QStringLiteral(" \u2212 ") + twoAS;
        case 2: return text(2) + QStringLiteral(" = ") + difference + DivideSign + QLatin1Char('(') + QStringLiteral("2") + TimesSign + text(3) + QLatin1Char(')');
        default: return text(3) + QStringLiteral(" = ") + difference + DivideSign + QLatin1Char('(') + QStringLiteral("2") + TimesSign + text(2) + QLatin1Char(')');
        }
    }
    QStringList top, bottom;
    const int n = int(eq.quantities.size());
    if (find == 0) {
        if (!coefficient.isEmpty())
            top << coefficient;
        for (int k = 1; k < n; ++k)
            (eq.quantities[std::size_t(k)].power > 0 ? top : bottom) << term(k);
        return text(0) + QStringLiteral(" = ") + ratio(top, bottom);
    }
    // Moving the others across: the subject and each divisor on top when the
    // quantity found is a factor; turned over when it is a divisor.
    const bool factor = eq.quantities[std::size_t(find)].power > 0;
    QStringList withSubject{text(0)}, rest;
    if (!coefficient.isEmpty())
        rest << coefficient;
    for (int k = 1; k < n; ++k)
        if (k != find)
            (eq.quantities[std::size_t(k)].power > 0 ? rest : withSubject) << term(k);
    return term(find) + QStringLiteral(" = ") + (factor ? ratio(withSubject, rest) : ratio(rest, withSubject));
}

QString withoutQualifiers(const QString& words)
{
    static const QRegularExpression qualifier(QStringLiteral(" \\([a-z ]+\\)(?!\u00B2)"));
    return QString(words).remove(qualifier);
}

QString wordsFor(const Equation& eq, int find)
{
    return formFor(eq, find, [&eq](int k) { return eq.quantities[std::size_t(k)].name; });
}

QString linkedQuantities(const Equation& eq)
{
    QStringList names;
    for (const Quantity& q : eq.quantities)
        names << q.name;
    if (eq.id == QLatin1String("gaspressure"))
        names = QStringList{QStringLiteral("pressure"), QStringLiteral("volume")};
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace calculations
