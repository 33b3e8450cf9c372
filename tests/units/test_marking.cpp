// Marking by symbol and the shuffle behind every question, as plain functions.
#include "forms/platform.h"
#include "activity/rules.h"
#include "units/marking.h"
#include "units/shuffle.h"

#include <QtTest>
#include <algorithm>
#include <numeric>

using activity::Corner;

Q_DECLARE_METATYPE(std::vector<Corner>)
Q_DECLARE_METATYPE(std::vector<QString>)

namespace {

// Eight targets in two rows, as on the screen.
const std::vector<Corner> Targets{{480, 2490}, {3360, 2490}, {6240, 2490}, {9120, 2490},
                                  {480, 4320}, {3360, 4320}, {6240, 4320}, {9120, 4320}};
const Corner Home{840, 6000};

// Answer label i on target onTarget[i], or at home where that is -1.
std::vector<Corner> placed(std::initializer_list<int> onTarget)
{
    std::vector<Corner> answers;
    for (int t : onTarget)
        answers.push_back(t < 0 ? Home : Targets[t]);
    return answers;
}

} // namespace

class TestMarking : public QObject {
    Q_OBJECT
private slots:
    void symbolScore_data();
    void symbolScore();
    void stackedPairFillsTheBoardButScoresOnce();
    void pickOrderIsAPermutation_data();
    void pickOrderIsAPermutation();
    void pickOrderKeepsOutOfRangeDrawsInside();
    void pickOrderFollowsItsSource();
};

void TestMarking::symbolScore_data()
{
    QTest::addColumn<std::vector<Corner>>("answers");
    QTest::addColumn<std::vector<QString>>("symbols");
    QTest::addColumn<int>("expected");

    const std::vector<QString> level1{"J", "W", "kWh", "s", "m/s", "Hz", "m", "kg"};
    // Weight (2) and Force (3) share "N", Energy (0) and Work Done (5) share "J".
    const std::vector<QString> shared{"J", "W", "N", "N", "kg", "J", "m/s", "m/s\u00B2"};

    QTest::newRow("nothing placed") << placed({-1, -1, -1, -1, -1, -1, -1, -1}) << level1 << 0;
    QTest::newRow("every name under its own symbol") << placed({0, 1, 2, 3, 4, 5, 6, 7}) << level1 << 8;
    QTest::newRow("two names swapped") << placed({1, 0, 2, 3, 4, 5, 6, 7}) << level1 << 6;
    QTest::newRow("Weight under Force's N and the reverse") << placed({0, 1, 3, 2, 4, 5, 6, 7}) << shared << 8;
    QTest::newRow("Energy and Work Done exchange their J") << placed({5, 1, 2, 3, 4, 0, 6, 7}) << shared << 8;
    QTest::newRow("speed under the symbol of acceleration") << placed({0, 1, 2, 3, 4, 5, 7, 6}) << shared << 6;
    QTest::newRow("symbols compare exactly: m is not m/s") << placed({0, 1, 2, 3, 6, 5, 4, 7}) << level1 << 6;
    QTest::newRow("two different names stacked on one target") << placed({0, 0, 2, 3, 4, 5, 6, 7}) << level1 << 7;
    QTest::newRow("a name left at home") << placed({0, 1, 2, 3, 4, 5, 6, -1}) << level1 << 7;
}

void TestMarking::symbolScore()
{
    QFETCH(std::vector<Corner>, answers);
    QFETCH(std::vector<QString>, symbols);
    QFETCH(int, expected);
    QCOMPARE(units::symbolScore(answers, Targets, symbols), expected);
}

// Weight and Force both on Force's target fill the board as far as the
// completion test sees, with Weight's own target empty: one credit, not two.
void TestMarking::stackedPairFillsTheBoardButScoresOnce()
{
    const std::vector<QString> symbols{"J", "W", "N", "N", "kg", "J", "m/s", "C"};
    const std::vector<Corner> answers = placed({0, 1, 3, 3, 4, 5, 6, 7});
    QCOMPARE(activity::placedCount(answers, Targets), 8);
    QCOMPARE(units::symbolScore(answers, Targets, symbols), 7);

    // Three J names on Energy's target: still one.
    const std::vector<QString> joules{"J", "J", "J", "N", "N", "kg", "m/s", "C"};
    QCOMPARE(units::symbolScore(placed({0, 0, 0, -1, -1, -1, -1, -1}), Targets, joules), 1);
}

void TestMarking::pickOrderIsAPermutation_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<quint64>("seed");
    for (int count : {0, 1, 2, 8, 19})
        for (quint64 seed : {1u, 77u, 4096u})
            QTest::addRow("%d items, seed %llu", count, static_cast<unsigned long long>(seed)) << count << seed;
}

void TestMarking::pickOrderIsAPermutation()
{
    QFETCH(int, count);
    QFETCH(quint64, seed);
    forms::UniformRandom generator(seed);
    std::vector<int> order = units::pickOrder(count, [&generator] { return generator(); });
    QCOMPARE(int(order.size()), count);
    std::sort(order.begin(), order.end());
    std::vector<int> identity(static_cast<std::size_t>(count));
    std::iota(identity.begin(), identity.end(), 0);
    QCOMPARE(order, identity);
}

// A source that misbehaves with 1.0 (or more) must not reach past the end.
void TestMarking::pickOrderKeepsOutOfRangeDrawsInside()
{
    for (double draw : {1.0, 1.5, -0.25}) {
        std::vector<int> order = units::pickOrder(19, [draw] { return draw; });
        std::sort(order.begin(), order.end());
        QCOMPARE(order.front(), 0);
        QCOMPARE(order.back(), 18);
        QVERIFY(std::adjacent_find(order.begin(), order.end()) == order.end());
    }
}

// The order depends on the draws alone: equal draws, equal orders.
void TestMarking::pickOrderFollowsItsSource()
{
    forms::UniformRandom a(5), b(5), c(6);
    const std::vector<int> first = units::pickOrder(19, [&a] { return a(); });
    QCOMPARE(units::pickOrder(19, [&b] { return b(); }), first);
    QVERIFY(units::pickOrder(19, [&c] { return c(); }) != first);
}

QTEST_MAIN(TestMarking)
#include "test_marking.moc"
