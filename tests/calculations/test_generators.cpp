// Generated calculation questions, checked over many seeds as a teacher would
// check them: the answer worked again from the numbers as the question prints
// them agrees with the answer shown, to the precision it states; the numbers
// are true to life; units and conversions are right; Level 1 keeps to whole
// numbers and halves and Level 2 always needs a conversion; no question comes
// back within ten "Next" clicks; and every text fits its box.
#include "reading.h"
#include "support/testscreens.h"
#include "calculations/describe.h"
#include "calculations/drill.h"
#include "calculations/efficiency.h"
#include "calculations/energycalc.h"
#include "calculations/fresh.h"
#include "calculations/moments.h"
#include "calculations/wavespeed.h"
#include "forms/platform.h"

#include <QTest>
#include <map>

using namespace calculations;

Q_DECLARE_METATYPE(calculations::Generator)

namespace {

constexpr int Seeds = 10000;

// The givens in base units by role; several of a role (the forces on a beam) in order.
using Givens = std::multimap<QString, double>;

double only(const Givens& g, const char* role)
{
    const auto it = g.find(QString::fromUtf8(role));
    return it == g.end() ? std::nan("") : it->second;
}

double sumOfMoments(const Givens& g, const QString& side, double unknownForce, double unknownDistance)
{
    std::vector<double> forces, distances;
    for (auto [it, end] = g.equal_range(side + " force"); it != end; ++it) forces.push_back(it->second);
    for (auto [it, end] = g.equal_range(side + " distance"); it != end; ++it) distances.push_back(it->second);
    if (forces.size() < distances.size()) forces.push_back(unknownForce);
    if (distances.size() < forces.size()) distances.push_back(unknownDistance);
    double sum = 0;
    for (std::size_t i = 0; i < forces.size(); ++i) sum += forces[i] * distances[i];
    return sum;
}

// The answer in base units, worked from the givens by the topic's own equation.
double workedAgain(const Givens& g, const QString& find)
{
    if (find == "work done") return only(g, "force") * only(g, "distance");
    if (find == "efficiency") return only(g, "output") / only(g, "input");
    if (find == "output") return only(g, "efficiency") * only(g, "input");
    if (find == "input") return only(g, "output") / only(g, "efficiency");
    if (find == "energy") return only(g, "power") * only(g, "time");
    // In joules: kW times hours, 3.6 million joules to the kWh.
    if (find == "energy transferred") return only(g, "power") * only(g, "time") * 3.6e6;
    if (find == "power") return only(g, "energy transferred") / 3.6e6 / only(g, "time");
    if (find == "cost") return only(g, "energy") * only(g, "price");
    if (find == "wave speed") return only(g, "frequency") * only(g, "wavelength");
    if (find == "frequency") return only(g, "wave speed") / only(g, "wavelength");
    if (find == "wavelength") return only(g, "wave speed") / only(g, "frequency");
    if (find == "moment") return only(g, "force") * only(g, "distance");
    const bool single = g.count("moment") != 0;
    if (single) return find == "force" ? only(g, "moment") / only(g, "distance") : only(g, "moment") / only(g, "force");
    // Balanced: the side lacking a force or a distance takes the unknown; its
    // moments with a unit unknown, and without, give the unknown.
    const bool clockwiseLacks = g.count("cw force") != g.count("cw distance");
    const QString side = clockwiseLacks ? "cw" : "acw", far = clockwiseLacks ? "acw" : "cw";
    const double withOne = sumOfMoments(g, side, 1, 1), withZero = sumOfMoments(g, side, 0, 0);
    return (sumOfMoments(g, far, 0, 0) - withZero) / (withOne - withZero);
}

bool near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

// Whether `shown` is `exact` written to the stated precision.
bool agrees(double shown, double exact, const Rounding& rounding, const QString& unit)
{
    if (unit == "\u00A3" && rounding.kind == Rounding::Pennies)
        return near(shown, exact, 0.005 + 1e-9) && near(shown * 100, std::round(shown * 100), 1e-6);
    if (rounding.kind == Rounding::Figures) {
        const double place = std::pow(10.0, std::floor(std::log10(std::fabs(exact))) - rounding.figures + 1);
        return near(shown, exact, place / 2 * (1 + 1e-9));
    }
    return near(shown, exact, 1e-9 * std::fabs(exact));
}

QString unitAsWritten(const QString& unit) { return unit == "hours" || unit == "hour" ? QStringLiteral("h") : unit; }

// Every number a question's text and its result line show, checked against
// the question's own record and against the answer worked again.
QString faultIn(const Question& q, const std::map<QString, std::pair<double, double>>& ranges)
{
    static const QRegularExpression noise(QStringLiteral("\\d\\.\\d{6,}|\\de[+-]?\\d|nan|inf"));
    for (const QString& text : {q.text, q.working[0], q.working[1], q.working[2]})
        if (noise.match(text).hasMatch())
            return "a number a teacher would not write: " + text;
    const auto read = readNumbers(q.text);
    if (read.size() != q.given.size())
        return QStringLiteral("%1 numbers read, %2 given: %3").arg(read.size()).arg(q.given.size()).arg(q.text);
    Givens givens;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (!near(read[i].value, q.given[i].number, 1e-12 * std::fabs(q.given[i].number)) || unitAsWritten(read[i].unit) != q.given[i].unit)
            return QStringLiteral("number %1 reads %2 %3: %4").arg(i).arg(read[i].value).arg(read[i].unit, q.text);
        givens.insert({q.given[i].role, read[i].value * baseFactor(read[i].unit)});
    }
    const double exact = workedAgain(givens, q.answer.front().role);
    const auto result = readNumbers(q.working[2]);
    for (const Value& a : q.answer) {
        if (!agrees(a.number, exact / baseFactor(a.unit), q.rounding, a.unit))
            return QStringLiteral("answer %1 %2, worked again %3: %4").arg(a.number).arg(a.unit).arg(exact / baseFactor(a.unit)).arg(q.text);
        const bool written = std::any_of(result.begin(), result.end(), [&](const ReadNumber& r) {
            return near(r.value, a.number, 1e-12 * std::fabs(a.number)) && r.unit == a.unit;
        });
        if (!written)
            return "answer not written in the last line: " + q.working[2];
    }
    std::vector<Value> values = q.given;
    values.insert(values.end(), q.answer.begin(), q.answer.end());
    for (const Value& v : values) {
        const auto range = ranges.find(v.role);
        const double base = v.number * baseFactor(v.unit);
        if (range != ranges.end() && (base < range->second.first * (1 - 1e-9) || base > range->second.second * (1 + 1e-9)))
            return QStringLiteral("%1 of %2 %3 is not true to life: %4").arg(v.role).arg(v.number).arg(v.unit, q.text);
    }
    return {};
}

Random seeded(std::uint64_t seed)
{
    auto source = std::make_shared<forms::UniformRandom>(seed);
    return [source] { return (*source)(); };
}

using Ranges = std::map<QString, std::pair<double, double>>;

} // namespace

Q_DECLARE_METATYPE(Ranges)

class GeneratorsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initTestFonts(); }

    void workedAgainFromWhatIsShown_data()
    {
        QTest::addColumn<Generator>("generate");
        QTest::addColumn<int>("level");
        QTest::addColumn<Ranges>("ranges");
        // Base units: J, N, m, N m, Hz, m/s, kW, h, kWh, pence; efficiency as a fraction.
        QTest::newRow("efficiency") << Generator(efficiencyQuestion) << 0
                                    << Ranges{{"force", {20, 12000}}, {"distance", {1, 60}}, {"efficiency", {0.05, 0.95}},
                                              {"input", {20, 1e9}}, {"output", {1, 1e9}}, {"work done", {20, 5e5}}};
        QTest::newRow("energy, Level 1") << Generator(energyQuestion) << 0
                                         << Ranges{{"power", {1, 3}}, {"time", {1, 8}}, {"energy", {1, 24}},
                                                   {"price", {20, 35}}, {"cost", {20, 420}}};
        QTest::newRow("energy, Level 2") << Generator(energyQuestion) << 1
                                         << Ranges{{"power", {0.06, 10.5}}, {"time", {0.05, 5}}, {"energy", {0.005, 15}},
                                                   {"price", {24.5, 34.5}}, {"cost", {1, 520}}};
        // Level 3: a 6 W lamp to a 10 kW shower, 30 seconds to 6 hours.
        QTest::newRow("energy, Level 3") << Generator(energyQuestion) << 2
                                         << Ranges{{"power", {0.006, 10}}, {"time", {30.0 / 3600, 6}},
                                                   {"energy transferred", {9000, 3.3e7}}};
        QTest::newRow("wave speed") << Generator(waveQuestion) << 0
                                    << Ranges{{"frequency", {0.1, 7.5e14}}, {"wavelength", {4e-7, 2000}}, {"wave speed", {0.02, 3e8}}};
        QTest::newRow("moments") << Generator(momentsQuestion) << 0
                                 << Ranges{{"force", {5, 2e5}}, {"acw force", {5, 2e5}}, {"cw force", {5, 2e5}},
                                           {"distance", {0.15, 60}}, {"acw distance", {0.15, 60}}, {"cw distance", {0.15, 60}},
                                           {"moment", {0.75, 200}}};
    }

    void workedAgainFromWhatIsShown()
    {
        QFETCH(Generator, generate);
        QFETCH(int, level);
        QFETCH(Ranges, ranges);
        for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
            const Question q = generate(seeded(seed), level);
            const QString fault = faultIn(q, ranges);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1: ").arg(seed) + fault));
            if (const auto* wave = std::get_if<Wave>(&q.diagram); wave && q.given.front().unit == "Hz" && q.text.contains("in air"))
                QVERIFY2(q.given.front().number >= 20 && q.given.front().number <= 20000, qPrintable(q.text));
        }
    }

    // Level 1 numbers are whole or halves; every Level 2 question needs a
    // conversion (W to kW, minutes to hours, pence to pounds).
    void levelsOfEnergy()
    {
        for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
            const Question easy = energyQuestion(seeded(seed), 0);
            for (const Value& v : easy.given)
                QVERIFY2(v.number * 2 == std::round(v.number * 2), qPrintable(easy.text));
            const Question hard = energyQuestion(seeded(seed), 1);
            const bool converts = std::any_of(hard.given.begin(), hard.given.end(), [](const Value& v) {
                return v.unit == "W" || v.unit == "minutes";
            }) || hard.answer.back().unit == "\u00A3";
            QVERIFY2(converts, qPrintable(hard.text));
            // Level 3: joules, with a time in minutes or hours turned into seconds first.
            const Question joules = energyQuestion(seeded(seed), 2);
            const QString timeUnit = joules.given.back().unit;
            QVERIFY2(joules.answer.front().unit == "J" || joules.answer.front().unit == "W", qPrintable(joules.text));
            QCOMPARE(joules.working[0], QStringLiteral("energy transferred = power \u00D7 time"));
            QCOMPARE(joules.working[1].contains(QStringLiteral(" \u00D7 60\u00A0s = ")), timeUnit == "minutes");
            QCOMPARE(joules.working[1].contains(QStringLiteral(" \u00D7 3600\u00A0s = ")), timeUnit == "h");
        }
    }

    // Efficiencies as decimals are written as a teacher writes them: 0.3, not
    // 0.30; the percentage and the decimal agree.
    void efficiencyDecimals()
    {
        static const QRegularExpression trailingZero(QStringLiteral("\\d\\.\\d*0(?!\\d)"));
        static const QRegularExpression percentAsDecimal(QStringLiteral("(\\d+)% = (\\d(?:\\.\\d+)?)"));
        int conversions = 0;
        for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
            const Question q = efficiencyQuestion(seeded(seed), 0);
            for (const QString& line : q.working) {
                QVERIFY2(!trailingZero.match(line).hasMatch(), qPrintable(line));
                for (auto it = percentAsDecimal.globalMatch(line); it.hasNext(); ++conversions) {
                    const auto m = it.next();
                    QCOMPARE(m.captured(2).toDouble(), m.captured(1).toDouble() / 100);
                }
            }
        }
        QVERIFY(conversions > Seeds / 4);
    }

    // Finding the useful output or the total input, the equation is
    // rearranged for it in words before any number goes in.
    void efficiencyRearrangedBeforeTheNumbers_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("rearranged");
        QTest::newRow("useful output") << "output"
                                       << "useful output energy transfer = efficiency \u00D7 total input energy transfer";
        QTest::newRow("total input") << "input"
                                     << "total input energy transfer = useful output energy transfer \u00F7 efficiency";
    }

    void efficiencyRearrangedBeforeTheNumbers()
    {
        QFETCH(QString, find);
        QFETCH(QString, rearranged);
        static const QRegularExpression digit(QStringLiteral("\\d"));
        int found = 0;
        for (std::uint64_t seed = 0; seed < 2000; ++seed) {
            const Question q = efficiencyQuestion(seeded(seed), 0);
            if (q.answer.front().role != find)
                continue;
            ++found;
            const QString working = QStringList(q.working.begin(), q.working.end()).join(QLatin1Char('\n'));
            const QString beforeNumbers = working.left(working.indexOf(digit));
            QVERIFY2(beforeNumbers.split(QLatin1Char('\n')).contains(rearranged), qPrintable(working));
        }
        QVERIFY(found > 100);
    }

    // Sound is drawn as a longitudinal wave and every other wave as a
    // transverse one; above 20 kHz the sound is called ultrasound.
    void soundIsLongitudinal()
    {
        int longitudinal = 0;
        for (std::uint64_t seed = 0; seed < Seeds; ++seed) {
            const Question q = waveQuestion(seeded(seed), 0);
            const Wave& wave = std::get<Wave>(q.diagram);
            const bool sound = q.text.contains(QStringLiteral("ound travels"));
            QVERIFY2(wave.longitudinal == sound, qPrintable(q.text));
            longitudinal += wave.longitudinal;
            if (!sound)
                continue;
            const auto frequency = std::find_if(q.given.begin(), q.given.end(), [](const Value& v) { return v.role == "frequency"; });
            const bool ultra = frequency != q.given.end() && frequency->number * baseFactor(frequency->unit) > 20000;
            QVERIFY2(q.text.contains(QStringLiteral("ultrasound")) == ultra, qPrintable(q.text));
            QVERIFY2(describe(q.diagram).startsWith(QStringLiteral("Longitudinal wave: ")), qPrintable(describe(q.diagram)));
        }
        QVERIFY(longitudinal > Seeds / 10);
    }

    // Every diagram is described in words, with every distance of a beam and
    // no bare "?".
    void diagramsDescribed()
    {
        for (const Generator& generate : {Generator(momentsQuestion), Generator(waveQuestion), Generator(efficiencyQuestion)})
            for (std::uint64_t seed = 0; seed < 2000; ++seed) {
                const Question q = generate(seeded(seed), 0);
                if (std::holds_alternative<std::monostate>(q.diagram))
                    continue;
                const QString text = describe(q.diagram);
                QVERIFY2(!text.isEmpty() && !text.contains(QLatin1Char('?')), qPrintable(text));
                if (const auto* beam = std::get_if<Beam>(&q.diagram))
                    for (const BeamForce& f : beam->forces)
                        QVERIFY2(f.distance == "?" || text.contains(QStringLiteral(" at ") + f.distance), qPrintable(text));
            }
    }

    void noRepeatWithinTenClicks_data()
    {
        QTest::addColumn<Generator>("generate");
        QTest::addColumn<int>("level");
        QTest::newRow("efficiency") << Generator(efficiencyQuestion) << 0;
        QTest::newRow("energy, Level 1") << Generator(energyQuestion) << 0;
        QTest::newRow("energy, Level 2") << Generator(energyQuestion) << 1;
        QTest::newRow("energy, Level 3") << Generator(energyQuestion) << 2;
        QTest::newRow("wave speed") << Generator(waveQuestion) << 0;
        QTest::newRow("moments") << Generator(momentsQuestion) << 0;
    }

    void noRepeatWithinTenClicks()
    {
        QFETCH(Generator, generate);
        QFETCH(int, level);
        // A fair source, and one stuck on a single value.
        for (const Random& random : {seeded(7), Random([] { return 0.0; })}) {
            RecentQuestions recent;
            std::vector<QString> shown;
            for (int click = 0; click < 100; ++click) {
                shown.push_back(freshQuestion(generate, random, level, recent).text);
                for (int back = 1; back <= RecentQuestions::Remembered && back < int(shown.size()); ++back)
                    QVERIFY2(shown.back() != shown[shown.size() - 1 - std::size_t(back)], qPrintable(shown.back()));
            }
        }
    }

    // The question and the working, in the screen's own fonts, inside their boxes.
    void textsFitTheirBoxes()
    {
        QFETCH(Generator, generate);
        QFETCH(int, level);
        for (std::uint64_t seed = 0; seed < 300; ++seed) {
            const Question q = generate(seeded(seed), level);
            const DrillLayout layout = drillLayout(!std::holds_alternative<std::monostate>(q.diagram));
            const QRect questionBox = forms::toPixels(textBox(layout.question), 1);
            const QRect workingBox = forms::toPixels(textBox(layout.working), 1);
            const TextExtent question = measureText({q.text}, questionFont(), questionBox.width());
            const TextExtent working = measureText({q.working.begin(), q.working.end()}, workingFont(), workingBox.width(), ResultLine);
            QVERIFY2(question.height <= questionBox.height() && question.widest <= questionBox.width(), qPrintable(q.text));
            QVERIFY2(working.height <= workingBox.height() && working.widest <= workingBox.width(),
                     qPrintable(QStringList(q.working.begin(), q.working.end()).join(" | ")));
        }
    }
    void textsFitTheirBoxes_data() { noRepeatWithinTenClicks_data(); }
};

QTEST_MAIN(GeneratorsTest)
#include "test_generators.moc"
