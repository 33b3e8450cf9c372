#pragma once
// Reads numbers back from the texts a pupil sees, as a pupil would: digits
// with thousands set apart, decimals, standard form with superscript powers,
// pounds and pence, and the unit after each number.

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <vector>

struct ReadNumber {
    double value;
    QString unit; // as written; "" when none follows
};

inline int superscriptValue(const QString& power)
{
    static const QString digits = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079");
    int value = 0;
    for (const QChar c : power)
        if (digits.contains(c))
            value = value * 10 + int(digits.indexOf(c));
    return power.startsWith(QChar(0x207B)) ? -value : value;
}

inline std::vector<ReadNumber> readNumbers(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(
        "(\u00A3)?((?:\\d{1,3}(?:\u00A0\\d{3})+(?!\\d)|\\d+)(?:\\.\\d+)?)"       // £, digits in groups of three
        "(?:\u00A0\u00D7\u00A010([\u207B]?[\u2070\u00B9\u00B2\u00B3\u2074-\u2079]+))?"       // × 10ⁿ
        "(?:\u00A0?(N\u00A0m|m/s|kWh|kHz|MHz|GHz|Hz|kW|kJ|MJ|minutes|hours|hour|cm|nm|W|J|N|m|h|p|s|%)(?![A-Za-z]))?"));
    std::vector<ReadNumber> found;
    auto it = number.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        QString digits = m.captured(2);
        digits.remove(QChar(0x00A0));
        double value = digits.toDouble();
        if (m.hasCaptured(3))
            value *= std::pow(10.0, superscriptValue(m.captured(3)));
        found.push_back({value, m.hasCaptured(1) ? QStringLiteral("\u00A3") : m.captured(4)});
    }
    return found;
}

// What one of a unit is in the base unit the checks work in: J, N, m, N m, Hz,
// m/s, kW, h (seconds too), kWh, pence, and a fraction for efficiency.
inline double baseFactor(const QString& unit)
{
    static const std::pair<const char*, double> factors[] = {
        {"kJ", 1e3}, {"MJ", 1e6}, {"kHz", 1e3}, {"MHz", 1e6}, {"GHz", 1e9}, {"cm", 1e-2}, {"nm", 1e-9},
        {"W", 1e-3}, {"minutes", 1.0 / 60}, {"s", 1.0 / 3600}, {"\u00A3", 100}, {"%", 1e-2},
    };
    for (const auto& [name, factor] : factors)
        if (unit == QString::fromUtf8(name))
            return factor;
    return 1;
}
