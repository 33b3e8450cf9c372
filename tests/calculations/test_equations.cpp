// The equation table and its questions, checked as a physics teacher would:
// the subject form made from each equation's powers is the sheet's own; every
// question at every level, over many seeds, has an answer that satisfies the
// equation (worked here independently of the table) within its rounding,
// values true to life, the conversion Level 3 asks for, and a working whose
// numbers are the question's.
#include "reading.h"
#include "calculations/equationquestions.h"
#include "forms/platform.h"

#include <QTest>
#include <map>
#include <memory>

using namespace calculations;

namespace {

constexpr int Seeds = 3000;

using Values = std::vector<double>;
// Each equation as a physicist writes it, lhs and rhs, quantities in the table's order.
const std::map<QString, std::function<std::pair<double, double>(const Values&)>> Physics{
    {"weight", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"workdone", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"springforce", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"moment", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"pressure", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"liquidpressure", [](const Values& v) { return std::pair{v[0], v[1] * v[2] * v[3]}; }},
    {"distancetravelled", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"acceleration", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"uniformacceleration", [](const Values& v) { return std::pair{v[0] * v[0], v[1] * v[1] + 2 * v[2] * v[3]}; }},
    {"resultantforce", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"momentum", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"forcemomentum", [](const Values& v) { return std::pair{v[0] * v[3], v[1] * v[2]}; }},
    {"kineticenergy", [](const Values& v) { return std::pair{v[0], 0.5 * v[1] * v[2] * v[2]}; }},
    {"gpe", [](const Values& v) { return std::pair{v[0], v[1] * v[2] * v[3]}; }},
    {"elasticenergy", [](const Values& v) { return std::pair{v[0], 0.5 * v[1] * v[2] * v[2]}; }},
    {"thermalenergy", [](const Values& v) { return std::pair{v[0], v[1] * v[2] * v[3]}; }},
    {"powerenergy", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"powerwork", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"efficiencyenergy", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"efficiencypower", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"wavespeed", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"period", [](const Values& v) { return std::pair{v[0] * v[1], 1.0}; }},
    {"magnification", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"chargeflow", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"ohm", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"powervi", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"powerir", [](const Values& v) { return std::pair{v[0], v[1] * v[1] * v[2]}; }},
    {"energypower", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"energycharge", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"density", [](const Values& v) { return std::pair{v[0] * v[2], v[1]}; }},
    {"latentheat", [](const Values& v) { return std::pair{v[0], v[1] * v[2]}; }},
    {"gaspressure", [](const Values& v) { return std::pair{v[0] * v[3], v[1] * v[2]}; }},
    {"motorforce", [](const Values& v) { return std::pair{v[0], v[1] * v[2] * v[3]}; }},
    // Vp ÷ Vs = np ÷ ns, quantities Vs, Vp, ns, np
    {"transformerturns", [](const Values& v) { return std::pair{v[1] * v[2], v[0] * v[3]}; }},
    // Vp Ip = Vs Is, quantities Is, Vp, Ip, Vs
    {"transformerpower", [](const Values& v) { return std::pair{v[1] * v[2], v[3] * v[0]}; }},
};

Random seeded(std::uint64_t seed)
{
    auto source = std::make_shared<forms::UniformRandom>(seed);
    return [source] { return (*source)(); };
}

QString unitOf(const Equation& eq, const Situation& s, std::size_t k)
{
    return s.amounts[k].unit.isEmpty() ? eq.quantities[k].unit : s.amounts[k].unit;
}

int indexOf(const Equation& eq, const QString& name)
{
    for (std::size_t k = 0; k < eq.quantities.size(); ++k)
        if (eq.quantities[k].name == name)
            return int(k);
    return -1;
}

bool inRange(double value, const Amount& a, double slack) { return value >= a.low * (1 - slack) && value <= a.high * (1 + slack); }

bool readIn(const std::vector<ReadNumber>& read, double value)
{
    return std::any_of(read.begin(), read.end(), [&](const ReadNumber& r) { return std::fabs(r.value - value) <= 1e-9 * std::fabs(value); });
}

// What is wrong with a question on `s` at `level`, as a teacher would see it; empty when nothing.
QString faultIn(const Equation& eq, const Situation& s, const Question& q, int level)
{
    static const QRegularExpression noise(QStringLiteral("\\.\\d*[1-9](0000|9999)\\d|\\.\\d{8,}|\\de[+-]?\\d|nan|inf|(?<![\\d.])0\u00A0"));
    for (const QString& text : {q.text, q.working[0], q.working[1], q.working[2]})
        if (noise.match(text).hasMatch() || text.contains(QLatin1String("%1")))
            return "a number a teacher would not write: " + text;
    if (q.answer.size() != 1 || q.given.size() + 1 != eq.quantities.size())
        return "not one quantity to find: " + q.text;
    const int find = indexOf(eq, q.answer[0].role);
    if ((level == FindSubject && find != 0) || (level == Rearrange && find == 0))
        return "Level 1 finds the subject, the others another quantity: " + q.text;
    Values values(eq.quantities.size());
    int converted = 0;
    const auto read = readNumbers(q.text);
    for (const Value& given : q.given) {
        const std::size_t k = std::size_t(indexOf(eq, given.role));
        if (!readIn(read, given.number))
            return QStringLiteral("%1 of %2 not in the text: %3").arg(given.role).arg(given.number).arg(q.text);
        double inWorkingUnits = given.number;
        if (given.unit != unitOf(eq, s, k)) {
            const Conversion* c = findConversion(given.unit, unitOf(eq, s, k));
            if (!c || given.unit != s.amounts[k].other)
                return "a unit the situation does not give: " + given.unit;
            inWorkingUnits *= c->factor;
            ++converted;
            if (!readIn(readNumbers(q.working[1]), given.number))
                return "the conversion is not worked: " + q.working[1];
        }
        if (!inRange(inWorkingUnits, s.amounts[k], 1e-9))
            return QStringLiteral("%1 of %2 is not true to life: %3").arg(given.role).arg(inWorkingUnits).arg(q.text);
        if (!readIn(readNumbers(q.working[1]), inWorkingUnits))
            return QStringLiteral("%1 not substituted: %2").arg(inWorkingUnits).arg(q.working[1]);
        values[k] = inWorkingUnits;
    }
    if (converted != (level == ConvertFirst ? 1 : 0))
        return QStringLiteral("%1 conversions at Level %2: %3").arg(converted).arg(level).arg(q.text);
    const double answer = q.answer[0].number;
    if (!(answer > 0) || !inRange(answer, s.amounts[std::size_t(find)], 0.011))
        return QStringLiteral("answer %1 is not true to life: %2").arg(answer).arg(q.text);
    if (!readIn(readNumbers(q.working[2]), answer) || q.answer[0].unit != unitOf(eq, s, std::size_t(find))
        || !q.working[2].startsWith(eq.quantities[std::size_t(find)].name + " = "))
        return "answer not written with its unit in the last line: " + q.working[2];
    values[std::size_t(find)] = answer;
    const auto [lhs, rhs] = Physics.at(eq.id)(values);
    // Three significant figures put at most 0.5% into a value, twice that into its square.
    if (std::fabs(lhs - rhs) > 0.011 * std::max(std::fabs(lhs), std::fabs(rhs)))
        return QStringLiteral("the answer does not satisfy the equation (%1, %2): %3 | %4").arg(lhs).arg(rhs).arg(q.text, q.working[2]);
    if (q.working[0] != eq.words)
        return "the working does not start from the sheet's words: " + q.working[0];
    return {};
}

} // namespace

class EquationsTest : public QObject {
    Q_OBJECT

private slots:
    void subjectFormIsTheSheets()
    {
        // Where the sheet writes another form, the working shows both.
        const QStringList otherForms{"uniformacceleration", "forcemomentum", "gaspressure", "transformerturns", "transformerpower"};
        QCOMPARE(int(equations().size()), 35);
        QSet<QString> ids;
        for (const Equation& eq : equations()) {
            QVERIFY2(!ids.contains(eq.id), qPrintable(eq.id));
            ids.insert(eq.id);
            QVERIFY2(Physics.count(eq.id), qPrintable(eq.id));
            QVERIFY2((wordsFor(eq, 0) == withoutQualifiers(eq.words)) != otherForms.contains(eq.id), qPrintable(wordsFor(eq, 0)));
            for (const Quantity& q : eq.quantities)
                QVERIFY2(!q.unitName.isEmpty() && q.unit.isEmpty() == (q.unitName == "no unit"), qPrintable(q.name));
        }
    }

    void rearrangedForms_data()
    {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<int>("find");
        QTest::addColumn<QString>("form");
        QTest::newRow("a factor") << "kineticenergy" << 1 << "mass = kinetic energy \u00F7 (0.5 \u00D7 (speed)\u00B2)";
        QTest::newRow("a square") << "kineticenergy" << 2 << "(speed)\u00B2 = kinetic energy \u00F7 (0.5 \u00D7 mass)";
        QTest::newRow("a divisor") << "pressure" << 2 << "area of that surface = force normal to a surface \u00F7 pressure";
        QTest::newRow("one over") << "period" << 1 << "frequency = 1 \u00F7 period";
        QTest::newRow("ratio") << "transformerturns" << 3
                               << "number of turns in primary coil = potential difference across primary coil \u00D7 number of turns in "
                                  "secondary coil \u00F7 potential difference across secondary coil";
        QTest::newRow("v squared") << "uniformacceleration" << 2
                                   << "acceleration = ((final velocity)\u00B2 \u2212 (initial velocity)\u00B2) \u00F7 (2 \u00D7 distance)";
    }

    void rearrangedForms()
    {
        QFETCH(QString, equation);
        QFETCH(int, find);
        QFETCH(QString, form);
        QCOMPARE(wordsFor(*findEquation(equation), find), form);
    }

    void everyEquationAtEveryLevel()
    {
        for (const Equation& eq : equations()) {
            const auto situations = situationsOf(eq.id);
            QVERIFY2(!situations.empty(), qPrintable(eq.id));
            for (int level : {FindSubject, Rearrange, ConvertFirst}) {
                bool asked = false;
                for (const Situation* s : situations) {
                    QCOMPARE(s->amounts.size(), eq.quantities.size());
                    asked = asked || !askable(eq, *s, level).empty();
                }
                QVERIFY2(asked, qPrintable(QStringLiteral("%1 at Level %2").arg(eq.id).arg(level)));
            }
        }
    }

    void questionsOverManySeeds()
    {
        for (const Equation& eq : equations())
            for (const Situation* s : situationsOf(eq.id))
                for (int level : {FindSubject, Rearrange, ConvertFirst}) {
                    if (askable(eq, *s, level).empty())
                        continue;
                    for (std::uint64_t seed = 0; seed < Seeds / 10; ++seed) {
                        const Question q = equationQuestion(eq, *s, seeded(seed), level);
                        const QString fault = faultIn(eq, *s, q, level);
                        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1, Level %2, seed %3: %4").arg(eq.id).arg(level).arg(seed).arg(fault)));
                    }
                }
    }

    void recallNamesTheQuantitiesAndShowsTheEquation()
    {
        for (const Equation& eq : equations()) {
            const Question q = recallQuestion(eq);
            QVERIFY(q.text.startsWith("Write down the equation that links "));
            QCOMPARE(q.working[0], eq.words);
            QVERIFY(q.given.empty() && q.answer.empty());
            for (const Quantity& quantity : eq.quantities)
                if (eq.id != "gaspressure")
                    QVERIFY2(q.text.contains(quantity.name) && q.working[2].contains(quantity.unit), qPrintable(eq.id));
        }
    }

    void theChosenEquationsOnly()
    {
        const Generator generate = equationGenerator({"ohm", "period", "no such equation"});
        const Random random = seeded(7);
        QSet<QString> seen;
        for (int i = 0; i < 200; ++i)
            for (int level : {Recall, FindSubject, Rearrange, ConvertFirst})
                seen.insert(generate(random, level).working[0]);
        QCOMPARE(seen, (QSet<QString>{findEquation("ohm")->words, findEquation("period")->words}));
    }
};

QTEST_APPLESS_MAIN(EquationsTest)
#include "test_equations.moc"
