#include "calculations/numbers.h"

#include <cmath>

namespace calculations {

namespace {
const QChar ThousandsSpace(0x00A0); // no line break inside a number

int exponentOf(double value) { return value == 0 ? 0 : int(std::floor(std::log10(std::fabs(value)))); }

// Digits with `decimals` places, the whole part in groups of three from
// 10 000 on, as exam papers print them.
QString grouped(double value, int decimals)
{
    QString text = QString::number(value, 'f', std::max(0, decimals));
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype whole = point < 0 ? text.size() : point;
    if (whole > 4)
        for (qsizetype at = whole - 3; at > 0; at -= 3)
            text.insert(at, ThousandsSpace);
    return negative ? QStringLiteral("-") + text : text;
}

// Decimal places that show `figures` significant figures of a value whose
// leading digit has exponent `exponent`.
int decimalsFor(int exponent, int figures) { return figures - 1 - exponent; }

// The fewest significant figures (at most nine) that write `value` in full.
int fewestFigures(double value)
{
    for (int n = 1; n < 9; ++n)
        if (fitsFigures(value, n))
            return n;
    return 9;
}
} // namespace

double roundFigures(double value, int figures)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    const int decimals = decimalsFor(exponentOf(value), figures);
    const double scale = std::pow(10.0, decimals);
    // A decimal half such as 1.275 is stored a hair below itself (1.27499...);
    // nudging by far less than any data's precision rounds it up, as on paper.
    return std::round(value * scale * (1 + 1e-12)) / scale;
}

bool fitsFigures(double value, int figures)
{
    const double rounded = roundFigures(value, figures);
    return std::fabs(rounded - value) <= 1e-9 * std::max(1e-300, std::fabs(value));
}

QString figures(double value, int figures)
{
    const double rounded = roundFigures(value, figures);
    return grouped(rounded, decimalsFor(exponentOf(rounded), figures));
}

QString plain(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    const int n = fewestFigures(value);
    const double rounded = roundFigures(value, n);
    return grouped(rounded, decimalsFor(exponentOf(rounded), n));
}

QString superscript(int exponent)
{
    static const char16_t digits[] = u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
    QString text;
    if (exponent < 0)
        text += QChar(0x207B);
    for (const QChar c : QString::number(std::abs(exponent)))
        text += QChar(digits[c.digitValue()]);
    return text;
}

QString standardForm(double value, int figures)
{
    const int n = figures > 0 ? figures : fewestFigures(value);
    const double rounded = roundFigures(value, n);
    const int exponent = exponentOf(rounded);
    const double mantissa = rounded / std::pow(10.0, exponent);
    const QString digits = figures > 0 ? QString::number(mantissa, 'f', n - 1) : plain(roundFigures(mantissa, n));
    return digits + NoBreakSpace + Times + NoBreakSpace + QStringLiteral("10") + superscript(exponent);
}

QString withUnit(const QString& number, const QString& unit)
{
    if (unit == QString(QChar(0x00A3)))
        return unit + number;
    if (unit == QLatin1String("%") || unit == QLatin1String("p"))
        return number + unit;
    return number + NoBreakSpace + unit;
}

QString withUnit(double value, const QString& unit) { return withUnit(plain(value), unit); }

Shown shownResult(double exact, bool inStandardForm)
{
    const bool whole = std::fabs(exact - std::round(exact)) < 1e-9 * std::max(1.0, std::fabs(exact));
    if (fitsFigures(exact, 3) || (whole && fitsFigures(exact, 4))) {
        const double value = roundFigures(exact, fewestFigures(exact));
        return {value, inStandardForm ? standardForm(value) : plain(value), {Rounding::Exact, 0}};
    }
    const double value = roundFigures(exact, 3);
    return {value, inStandardForm ? standardForm(value, 3) : figures(value, 3), {Rounding::Figures, 3}};
}

QString roundingNote(const Rounding& rounding)
{
    switch (rounding.kind) {
    case Rounding::Figures:
        return QStringLiteral(" (%1 s.f.)").arg(rounding.figures);
    case Rounding::Pennies:
        return QStringLiteral(" (to the nearest penny)");
    case Rounding::Exact:
        break;
    }
    return {};
}

} // namespace calculations
