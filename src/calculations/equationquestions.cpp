#include "calculations/equationquestions.h"
#include "calculations/draw.h"
#include "calculations/numbers.h"

#include <cmath>

namespace calculations {

namespace {

const Conversion Conversions[] = {
    {"kJ", "J", 1e3}, {"MJ", "J", 1e6}, {"kW", "W", 1e3}, {"g", "kg", 1e-3}, {"cm", "m", 1e-2}, {"mm", "m", 1e-3},
    {"cm", "mm", 10}, {"km", "m", 1e3}, {"minutes", "s", 60}, {"hours", "s", 3600}, {"ms", "s", 1e-3},
    {"mA", "A", 1e-3}, {"kA", "A", 1e3}, {"k\u03A9", "\u03A9", 1e3}, {"kV", "V", 1e3}, {"kN", "N", 1e3},
    {"kPa", "Pa", 1e3}, {"Pa", "kPa", 1e-3}, {"kHz", "Hz", 1e3}, {"mT", "T", 1e-3}, {"kJ/kg", "J/kg", 1e3},
    {"cm\u00B2", "m\u00B2", 1e-4}, {"cm\u00B3", "m\u00B3", 1e-6}, {"%", "", 1e-2},
};

constexpr int DrawTries = 100;

QString unitOf(const Equation& eq, const Situation& s, int k)
{
    const QString& own = s.amounts[std::size_t(k)].unit;
    return own.isEmpty() ? eq.quantities[std::size_t(k)].unit : own;
}

bool isConstant(const Amount& a) { return a.low == a.high; }

// A number as the board writes it: standard form when very large or small.
QString number(double value)
{
    const double size = std::fabs(value);
    return size >= 1e7 || (size > 0 && size < 1e-3) ? standardForm(value) : plain(value);
}

// "2.5 kW", "1 minute", "0.65"; a percentage after its number.
QString amount(double value, const QString& unit)
{
    if (unit.isEmpty())
        return number(value);
    QString written = unit;
    if (value == 1 && (unit == QLatin1String("minutes") || unit == QLatin1String("hours")))
        written.chop(1);
    return withUnit(number(value), written);
}

QString shownAmount(const Shown& shown, const QString& unit)
{
    return unit.isEmpty() ? shown.text : withUnit(shown.text, unit);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString askFor(const Equation& eq, const Situation& s, int find)
{
    const std::size_t k = std::size_t(find);
    if (k < s.asks.size() && !s.asks[k].isEmpty())
        return s.asks[k];
    return QStringLiteral("Calculate the %1.").arg(eq.quantities[k].name);
}

// Every quantity drawn on its steps but the derived one, worked out from them
// and rounded as a question would print it; drawn again until that too is true to life.
std::vector<double> drawValues(const Equation& eq, const Situation& s, const Random& random)
{
    const int n = int(eq.quantities.size());
    std::vector<double> values(static_cast<std::size_t>(n));
    for (int attempt = 0; attempt < DrawTries; ++attempt) {
        for (int k = 0; k < n; ++k)
            if (k != s.derived) {
                const Amount& a = s.amounts[std::size_t(k)];
                values[std::size_t(k)] = stepIn(random, a.low, a.high, a.step);
            }
        const Amount& d = s.amounts[std::size_t(s.derived)];
        const double derived = roundFigures(solveFor(eq, s.derived, values), 3);
        values[std::size_t(s.derived)] = derived;
        if (derived >= d.low * (1 - 1e-9) && derived <= d.high * (1 + 1e-9))
            break;
    }
    return values;
}

} // namespace

const Conversion* findConversion(const QString& from, const QString& to)
{
    for (const Conversion& c : Conversions)
        if (c.from == from && c.to == to)
            return &c;
    return nullptr;
}

std::vector<int> askable(const Equation& eq, const Situation& s, int level)
{
    std::vector<int> found;
    const int n = int(eq.quantities.size());
    for (int k = 0; k < n; ++k) {
        if (isConstant(s.amounts[std::size_t(k)]) || (level == FindSubject && k != 0) || (level == Rearrange && k == 0))
            continue;
        // The initial velocity from v² − 2as loses most of the figures a rounded given keeps.
        if (eq.squaresDifference && k == 1)
            continue;
        if (level == ConvertFirst) {
            bool converts = false;
            for (int j = 0; j < n; ++j)
                converts = converts || (j != k && !s.amounts[std::size_t(j)].other.isEmpty());
            if (!converts)
                continue;
        }
        found.push_back(k);
    }
    return found;
}

Question recallQuestion(const Equation& eq)
{
    Question q;
    q.text = QStringLiteral("Write down the equation that links %1.").arg(linkedQuantities(eq));
    QStringList units;
    for (const Quantity& quantity : eq.quantities) {
        const QString symbol = quantity.symbol.isEmpty() ? QString() : QStringLiteral(", ") + quantity.symbol;
        units << (quantity.unit.isEmpty() ? quantity.name + symbol + QStringLiteral(", has no unit")
                                          : QStringLiteral("%1%2, in %3 (%4)").arg(quantity.name, symbol, quantity.unitName, quantity.unit));
    }
    if (eq.id == QLatin1String("gaspressure"))
        units = QStringList{QStringLiteral("for a fixed mass of gas at a constant temperature: p\u2081 V\u2081 = p\u2082 V\u2082")};
    q.working = {eq.words, eq.symbols, capitalised(units.join(QStringLiteral("; ")))};
    return q;
}

Question equationQuestion(const Equation& eq, const Situation& s, const Random& random, int level)
{
    if (level == Recall)
        return recallQuestion(eq);
    const std::vector<double> drawn = drawValues(eq, s, random);
    const std::vector<int> finds = askable(eq, s, level);
    const int find = finds.empty() ? 0 : finds[std::size_t(pick(random, int(finds.size())))];
    const int n = int(eq.quantities.size());

    // At Level 3 one given is written in its other unit, and converted first.
    int converted = -1;
    if (level == ConvertFirst) {
        std::vector<int> convertible;
        for (int k = 0; k < n; ++k)
            if (k != find && !s.amounts[std::size_t(k)].other.isEmpty())
                convertible.push_back(k);
        if (!convertible.empty())
            converted = convertible[std::size_t(pick(random, int(convertible.size())))];
    }

    Question q;
    QStringList sentences{s.scene};
    QString conversionLine;
    std::vector<double> working = drawn; // in the units the working uses
    for (int k = 0; k < n; ++k) {
        if (k == find)
            continue;
        const Amount& a = s.amounts[std::size_t(k)];
        const QString unit = unitOf(eq, s, k);
        double shown = drawn[std::size_t(k)];
        QString shownUnit = unit;
        if (k == converted) {
            const Conversion* c = findConversion(a.other, unit);
            shown = roundFigures(drawn[std::size_t(k)] / c->factor, 9);
            shownUnit = a.other;
            working[std::size_t(k)] = roundFigures(shown * c->factor, 9);
            conversionLine = QStringLiteral("%1 = %2").arg(amount(shown, shownUnit), amount(working[std::size_t(k)], unit));
        }
        sentences << a.fact.arg(amount(shown, shownUnit));
        q.given.push_back({eq.quantities[std::size_t(k)].name, shown, shownUnit == QLatin1String("%") ? QStringLiteral("%") : shownUnit});
    }
    sentences << askFor(eq, s, find);
    q.text = sentences.join(QLatin1Char(' '));

    const Quantity& found = eq.quantities[std::size_t(find)];
    const QString foundUnit = unitOf(eq, s, find);
    const double exact = solveFor(eq, find, working);
    const Shown result = shownResult(exact);
    q.answer = {{found.name, result.value, foundUnit}};
    q.rounding = result.rounding;

    // The working: the sheet's equation, the form used where it differs, the
    // conversion, the numbers put in, and the result.
    QStringList steps;
    const QString form = wordsFor(eq, find);
    if (form != withoutQualifiers(eq.words))
        steps << form;
    if (!conversionLine.isEmpty())
        steps << conversionLine;
    const QString substituted = formFor(eq, find, [&](int k) {
        return k == find ? found.name : amount(working[std::size_t(k)], unitOf(eq, s, k));
    });
    steps << substituted;
    QString last = QStringLiteral("%1 = %2").arg(found.name, shownAmount(result, foundUnit)) + roundingNote(result.rounding);
    if (foundAsSquare(eq, find)) {
        const double square = exact * exact;
        const QString squareText = number(roundFigures(square, 4));
        steps << QStringLiteral("(%1)\u00B2 = %2").arg(found.name, squareText);
        last = QStringLiteral("%1 = \u221A%2 = %3").arg(found.name, squareText, shownAmount(result, foundUnit)) + roundingNote(result.rounding);
    }
    q.working = {eq.words, steps.join(QLatin1Char('\n')), last};
    return q;
}

std::vector<const Situation*> situationsOf(const QString& equation)
{
    std::vector<const Situation*> found;
    for (const Situation& s : situations())
        if (s.equation == equation)
            found.push_back(&s);
    return found;
}

Generator equationGenerator(const QStringList& ids)
{
    std::vector<const Equation*> chosen;
    for (const QString& id : ids)
        if (const Equation* eq = findEquation(id))
            chosen.push_back(eq);
    if (chosen.empty())
        for (const Equation& eq : equations())
            chosen.push_back(&eq);
    return [chosen](const Random& random, int level) {
        const Equation& eq = *chosen[std::size_t(pick(random, int(chosen.size())))];
        if (level == Recall)
            return recallQuestion(eq);
        std::vector<const Situation*> fitting;
        for (const Situation* s : situationsOf(eq.id))
            if (!askable(eq, *s, level).empty())
                fitting.push_back(s);
        if (fitting.empty())
            return recallQuestion(eq);
        return equationQuestion(eq, *fitting[std::size_t(pick(random, int(fitting.size())))], random, level);
    };
}

} // namespace calculations
