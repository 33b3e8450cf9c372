// The board's decisions as plain functions: capture zones, the drop pass,
// completion and scoring.
#include "activity/rules.h"

#include <QTest>

using activity::Corner;

Q_DECLARE_METATYPE(forms::TwipRect)

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    void captureZone_data();
    void captureZone();
    void overlappingHomeBoxesEndInTheLowerIndex_data();
    void overlappingHomeBoxesEndInTheLowerIndex();
    void labelReleasedWhereItLiesStays();
    void labelOutsideEveryZoneStaysWhereReleased();
    void completionCountsLabelsOnAnyTarget();
    void ownTargetScore();
    void groupedScore_data();
    void groupedScore();
    void texts();
    void landingBox_data();
    void landingBox();
    void alikeAnswersScoreEitherWay();
};

// The telescope's target 0, "Mars": 600, 4320, 2040 x 450.
static const forms::TwipRect Mars{600, 4320, 2040, 450};

void RulesTest::captureZone_data()
{
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<bool>("captured");
    QTest::newRow("on the box") << 600.f << 4320.f << true;
    QTest::newRow("left bound exactly") << -420.f << 4320.f << false;
    QTest::newRow("one twip inside the left bound") << -419.f << 4320.f << true;
    QTest::newRow("right bound exactly") << 2640.f << 4320.f << false;
    QTest::newRow("one twip inside the right bound") << 2639.f << 4320.f << true;
    QTest::newRow("top bound exactly") << 600.f << 4095.f << false;
    QTest::newRow("one twip below the top bound") << 600.f << 4096.f << true;
    QTest::newRow("bottom bound exactly") << 600.f << 4770.f << false;
    QTest::newRow("one twip above the bottom bound") << 600.f << 4769.f << true;
    QTest::newRow("a fraction inside") << -419.9f << 4095.1f << true;
}

void RulesTest::captureZone()
{
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(bool, captured);
    QCOMPARE(activity::insideCaptureZone(Mars, {left, top}), captured);
}

void RulesTest::overlappingHomeBoxesEndInTheLowerIndex_data()
{
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("endTop");
    // The telescope's home boxes of "Venus" (index 1, Top 3120) and "Saturn"
    // (index 4, Top 2520), 2040 x 450 at Left 9480: zones overlap from 2895 to 2970.
    QTest::newRow("in both zones") << 2900.f << 3120.f;
    QTest::newRow("just inside both") << 2969.f << 3120.f;
    QTest::newRow("only Saturn's zone") << 2895.f << 2520.f;
    QTest::newRow("only Venus's zone") << 2970.f << 3120.f;
}

void RulesTest::overlappingHomeBoxesEndInTheLowerIndex()
{
    QFETCH(float, top);
    QFETCH(float, endTop);
    // Order: target 0, home 0, target 1, home 1, ... with far-away targets.
    const std::vector<forms::TwipRect> boxes{
        {600, 4320, 2040, 450}, {9480, 5520, 2040, 450}, {3600, 4320, 2040, 450}, {9480, 3120, 2040, 450},
        {6600, 4320, 2040, 450}, {9480, 4920, 2040, 450}, {600, 7200, 2040, 450}, {9480, 4320, 2040, 450},
        {3600, 7200, 2040, 450}, {9480, 2520, 2040, 450}};
    const Corner end = activity::dropPass({9480, top}, boxes);
    QCOMPARE(end, (Corner{9480, endTop}));
}

void RulesTest::labelReleasedWhereItLiesStays()
{
    const std::vector<forms::TwipRect> boxes{Mars, {9480, 5520, 2040, 450}};
    QCOMPARE(activity::dropPass({600, 4320}, boxes), (Corner{600, 4320}));
    QCOMPARE(activity::dropPass({9480, 5520}, boxes), (Corner{9480, 5520}));
}

void RulesTest::labelOutsideEveryZoneStaysWhereReleased()
{
    const std::vector<forms::TwipRect> boxes{Mars, {9480, 5520, 2040, 450}};
    QCOMPARE(activity::dropPass({5000.5f, 100}, boxes), (Corner{5000.5f, 100}));
}

void RulesTest::completionCountsLabelsOnAnyTarget()
{
    const std::vector<Corner> targets{{0, 0}, {100, 0}, {200, 0}};
    // Labels 0 and 2 both on target 1, label 1 on target 0: every label placed.
    QCOMPARE(activity::placedCount(std::vector<Corner>{{100, 0}, {0, 0}, {100, 0}}, targets), 3);
    QCOMPARE(activity::placedCount(std::vector<Corner>{{100, 0}, {0, 1}, {50, 0}}, targets), 1);
}

void RulesTest::ownTargetScore()
{
    const std::vector<Corner> targets{{0, 0}, {100, 0}, {200, 0}, {300, 0}, {400, 0}, {500, 0}};
    std::vector<Corner> labels = targets;
    QCOMPARE(activity::ownTargetScore(labels, targets, 6), 6);
    std::swap(labels[0], labels[1]); // "Mars" and "Venus" swapped
    QCOMPARE(activity::ownTargetScore(labels, targets, 6), 4);
    labels[2] = labels[3]; // two on one target: only the owner counts
    QCOMPARE(activity::ownTargetScore(labels, targets, 6), 3);
}

void RulesTest::groupedScore_data()
{
    QTest::addColumn<QList<int>>("targetOfLabel"); // -1: not on a target
    QTest::addColumn<int>("score");
    QTest::newRow("all on their own") << QList<int>{0, 1, 2, 3, 4} << 5;
    QTest::newRow("first pair swapped") << QList<int>{0, 2, 1, 3, 4} << 5;
    QTest::newRow("second pair swapped") << QList<int>{0, 1, 2, 4, 3} << 5;
    QTest::newRow("both answers of a pair on one target") << QList<int>{0, 1, 1, 3, 4} << 4;
    QTest::newRow("an answer on the other pair's target") << QList<int>{0, 3, 2, 1, 4} << 3;
    QTest::newRow("answer 0 on a pair's target") << QList<int>{1, -1, 2, 3, 4} << 3;
    QTest::newRow("a pair's answer on target 0") << QList<int>{-1, 0, 2, 3, 4} << 3;
    QTest::newRow("nothing placed") << QList<int>{-1, -1, -1, -1, -1} << 0;
}

void RulesTest::groupedScore()
{
    QFETCH(QList<int>, targetOfLabel);
    QFETCH(int, score);
    const std::vector<Corner> targets{{480, 240}, {480, 2880}, {480, 3780}, {8880, 2880}, {8880, 4380}};
    std::vector<Corner> labels;
    for (int t : targetOfLabel)
        labels.push_back(t < 0 ? Corner{6000, 6960 + 10.f * float(labels.size())} : targets[t]);
    QCOMPARE(activity::groupedScore(labels, targets, {{0}, {1, 2}, {3, 4}}), score);
}

void RulesTest::texts()
{
    QCOMPARE(activity::scoreText(5, 6), QStringLiteral("5 out of 6 correct"));
    QCOMPARE(activity::scoreText(0, 8), QStringLiteral("0 out of 8 correct"));
    QCOMPARE(activity::scoreText(12, 12), QStringLiteral("12 out of 12 correct"));
    QCOMPARE(activity::targetNumber(0), QStringLiteral(" 1."));
    QCOMPARE(activity::targetNumber(9), QStringLiteral(" 10."));
}

void RulesTest::landingBox_data()
{
    QTest::addColumn<forms::TwipRect>("label");
    QTest::addColumn<int>("box");
    // Two boxes 1500 x 300 side by side, 90 apart, and one beneath the first.
    QTest::newRow("centre in the second, overlapping both") << forms::TwipRect{900, 0, 1500, 300} << 1;
    QTest::newRow("centre in the first, overlapping both") << forms::TwipRect{700, 0, 1500, 300} << 0;
    QTest::newRow("centre in the gap: the nearer edge") << forms::TwipRect{800, 0, 1500, 300} << 1;
    QTest::newRow("centre beneath the first") << forms::TwipRect{100, 250, 1500, 300} << 2;
    QTest::newRow("overlapping none") << forms::TwipRect{5000, 5000, 1500, 300} << -1;
    QTest::newRow("only touching an edge") << forms::TwipRect{0, -300, 1500, 300} << -1;
    QTest::newRow("a larger label on a corner, as a tap puts it") << forms::TwipRect{0, 0, 3200, 900} << 0;
}

void RulesTest::landingBox()
{
    QFETCH(forms::TwipRect, label);
    QFETCH(int, box);
    const std::vector<forms::TwipRect> boxes{{0, 0, 1500, 300}, {1590, 0, 1500, 300}, {0, 390, 1500, 300}};
    QCOMPARE(activity::landingBox(label, boxes), box);
}

void RulesTest::alikeAnswersScoreEitherWay()
{
    const QString answers[] = {"resistor", "cell", "Resistor ", "lamp"};
    const activity::TargetGroups groups = activity::alikeAnswers(answers);
    QCOMPARE(groups, (activity::TargetGroups{{0, 2}, {1}, {3}}));
    const std::vector<Corner> targets{{0, 0}, {10, 0}, {20, 0}, {30, 0}};
    // The resistors the other way round both score; a resistor on the lamp's box does not.
    QCOMPARE(activity::groupedScore(std::vector<Corner>{{20, 0}, {10, 0}, {0, 0}, {30, 0}}, targets, groups), 4);
    QCOMPARE(activity::groupedScore(std::vector<Corner>{{30, 0}, {10, 0}, {0, 0}, {20, 0}}, targets, groups), 2);
}

QTEST_GUILESS_MAIN(RulesTest)
#include "test_rules.moc"
