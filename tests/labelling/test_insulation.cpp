// The Insulation screens worked with the mouse: the interchangeable pairs of
// house and thermal (a target credits one answer however many lie on it),
// the flask's own-target scoring and its overlapping targets, the green
// variant switch, and the menu entry that opens one of the three at random.
#include "support/pupil.h"
#include "support/testscreens.h"
#include "app/menu.h"
#include "labelling/activity.h"

#include <QTest>
#include <memory>

using labelling::LabellingActivity;

namespace {
constexpr int Home = -1; // an answer left in its home box
}

class InsulationTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

    // Drops answer a on target placing[a] (or leaves it home), then scores.
    QString placeAndScore(LabellingActivity& screen, const QList<int>& placing)
    {
        for (int a = 0; a < placing.size(); ++a)
            if (placing[a] != Home)
                pupil::dropOnTarget(screen, a, placing[a]);
        pupil::click(screen.commands(LabellingActivity::CheckScore));
        return screen.scoreLine().isVisible() ? screen.scoreLine().caption() : QString();
    }

private slots:
    void initTestCase() { initTestFonts(); }
    void init() { screens = std::make_unique<TestScreens>(); }
    void cleanup() { screens.reset(); }

    void pairRule_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("placing");
        QTest::addColumn<QString>("score");
        for (const char* screen : {"house", "thermal"}) {
            const QString s = QString::fromLatin1(screen);
            QTest::addRow("%s: every answer on its own target", screen) << s << QList<int>{0, 1, 2, 3, 4}
                                                                        << "5 out of 5 correct";
            QTest::addRow("%s: first pair swapped", screen) << s << QList<int>{0, 2, 1, 3, 4} << "5 out of 5 correct";
            QTest::addRow("%s: second pair swapped", screen) << s << QList<int>{0, 1, 2, 4, 3} << "5 out of 5 correct";
            QTest::addRow("%s: both pairs swapped", screen) << s << QList<int>{0, 2, 1, 4, 3} << "5 out of 5 correct";
            QTest::addRow("%s: answers of the two pairs on each other's targets", screen)
                << s << QList<int>{0, 3, 4, 1, 2} << "1 out of 5 correct";
            QTest::addRow("%s: one answer of each pair crossed over", screen) << s << QList<int>{0, 3, 2, 1, 4}
                                                                             << "3 out of 5 correct";
            QTest::addRow("%s: answer 0 and a first-pair answer exchanged", screen)
                << s << QList<int>{1, 0, 2, 3, 4} << "3 out of 5 correct";
            QTest::addRow("%s: answer 0 and a second-pair answer exchanged", screen)
                << s << QList<int>{4, 1, 2, 3, 0} << "3 out of 5 correct";
            // Both answers of a pair stacked on one of its targets, the other
            // left empty: the board is complete, but the target credits one.
            QTest::addRow("%s: first pair stacked on target 1", screen) << s << QList<int>{0, 1, 1, 3, 4}
                                                                        << "4 out of 5 correct";
            QTest::addRow("%s: second pair stacked on target 4", screen) << s << QList<int>{0, 1, 2, 4, 4}
                                                                         << "4 out of 5 correct";
            QTest::addRow("%s: both pairs stacked", screen) << s << QList<int>{0, 2, 2, 3, 3} << "3 out of 5 correct";
            QTest::addRow("%s: answer 0 stacked with a pair", screen) << s << QList<int>{1, 1, 2, 3, 4}
                                                                      << "4 out of 5 correct";
        }
    }

    void pairRule()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, placing);
        QFETCH(QString, score);
        LabellingActivity& activity = screens->open<LabellingActivity>(screen);
        QCOMPARE(activity.board.count(), 5);
        QCOMPARE(placeAndScore(activity, placing), score);
        // Every answer lies on some target, so "Check Score" was offered.
        QVERIFY(activity.commands(LabellingActivity::CheckScore).isVisible());
    }

    void checkScoreWaitsForEveryAnswer()
    {
        LabellingActivity& house = screens->open<LabellingActivity>(QStringLiteral("house"));
        for (int a = 0; a < 4; ++a)
            pupil::dropOnTarget(house, a, a);
        QVERIFY(!house.commands(LabellingActivity::CheckScore).isVisible());
        pupil::dropOnTarget(house, 4, 3); // stacked on "double glazing"'s target, target 4 empty
        QVERIFY(house.commands(LabellingActivity::CheckScore).isVisible());
        pupil::click(house.commands(LabellingActivity::CheckScore));
        QCOMPARE(house.scoreLine().caption(), QStringLiteral("4 out of 5 correct"));
    }

    void flaskScoring_data()
    {
        QTest::addColumn<QList<int>>("placing");
        QTest::addColumn<QString>("score");
        QTest::newRow("every answer on its own target") << QList<int>{0, 1, 2, 3, 4, 5} << "6 out of 6 correct";
        QTest::newRow("cap and stopper swapped") << QList<int>{1, 0, 2, 3, 4, 5} << "4 out of 6 correct";
        QTest::newRow("vacuum and air space swapped") << QList<int>{0, 1, 5, 3, 4, 2} << "4 out of 6 correct";
        QTest::newRow("all on the cap's target") << QList<int>{0, 0, 0, 0, 0, 0} << "1 out of 6 correct";
        QTest::newRow("everything one target down") << QList<int>{1, 2, 3, 4, 5, 0} << "0 out of 6 correct";
    }

    void flaskScoring()
    {
        QFETCH(QList<int>, placing);
        QFETCH(QString, score);
        LabellingActivity& thermos = screens->open<LabellingActivity>(QStringLiteral("thermos"));
        QCOMPARE(thermos.board.count(), 6);
        QCOMPARE(placeAndScore(thermos, placing), score);
    }

    // Targets 0 and 1 of the flask stand one above the other with the same
    // Left, and their capture zones share a band: the first target tested,
    // target 0, takes the label, and its corner lies outside target 1's zone.
    void flaskTargetsZeroAndOneOverlap_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QPointF>("corner");
        QTest::newRow("level with the targets") << 3 << QPointF(9000, 1087.5);
        QTest::newRow("far left, near the band's top") << 3 << QPointF(7755, 1027.5);
        // As far right as a label goes: its right edge on the screen's.
        QTest::newRow("far right, near the band's bottom") << 3 << QPointF(12000 - 2520, 1147.5);
        QTest::newRow("the stopper itself") << 1 << QPointF(9000, 1087.5);
    }

    void flaskTargetsZeroAndOneOverlap()
    {
        QFETCH(int, answer);
        QFETCH(QPointF, corner);
        LabellingActivity& thermos = screens->open<LabellingActivity>(QStringLiteral("thermos"));
        const QPointF pointer = pupil::pointerFor(thermos, answer, corner);
        pupil::pickUpAndMove(thermos, answer, pointer);
        const forms::Label& label = thermos.answers(answer);
        QCOMPARE(pupil::cornerOf(label), corner);
        const activity::Corner at{label.left(), label.top()};
        QVERIFY(activity::insideCaptureZone(thermos.targets(0).twips(), at));
        QVERIFY(activity::insideCaptureZone(thermos.targets(1).twips(), at));
        pupil::letGo(thermos, answer, pointer);
        QCOMPARE(pupil::cornerOf(label), QPointF(9000, 540));
    }

    void variantSwitchStartsFresh()
    {
        LabellingActivity& house = screens->open<LabellingActivity>(QStringLiteral("house"));
        for (int k = 0; k < 3; ++k)
            QCOMPARE(house.variantSwitch(k).foreColor(), QColor(0, 255, 0));
        QVERIFY(house.variantSwitch(1).value());
        pupil::dropOnTarget(house, 0, 0);

        // The screen's own option changes nothing.
        pupil::click(house.variantSwitch(1));
        QVERIFY((*screens)->isLoaded(QStringLiteral("house")));
        QCOMPARE(pupil::cornerOf(house.answers(0)), pupil::cornerOf(house.targets(0)));

        pupil::click(house.variantSwitch(2));
        QVERIFY(!(*screens)->isLoaded(QStringLiteral("house")));
        auto& thermos = (*screens)->get<LabellingActivity>(QStringLiteral("thermos"));
        QVERIFY(QTest::qWaitForWindowExposed(&thermos));
        QVERIFY(thermos.variantSwitch(2).value());
        QCOMPARE(thermos.board.count(), 6);
        TestScreens::flushDeletes();

        pupil::click(thermos.variantSwitch(1));
        auto& again = (*screens)->get<LabellingActivity>(QStringLiteral("house"));
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.board.count(), 5);
        for (int a = 0; a < 5; ++a)
            QCOMPARE(pupil::cornerOf(again.answers(a)), pupil::cornerOf(again.homes(a)));
        QVERIFY(!again.commands(LabellingActivity::CheckScore).isVisible());

        pupil::click(again.variantSwitch(0));
        QVERIFY((*screens)->isLoaded(QStringLiteral("thermal")));
        QVERIFY(!(*screens)->isLoaded(QStringLiteral("house")));
    }

    void insulationOpensOneAtRandom_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("screen");
        QTest::newRow("lowest third") << 0.0 << "thermal";
        QTest::newRow("middle third") << 0.5 << "house";
        QTest::newRow("top third") << 0.999 << "thermos";
    }

    void insulationOpensOneAtRandom()
    {
        QFETCH(double, draw);
        QFETCH(QString, screen);
        screens->fake->draws = {draw};
        (*screens)->show(QStringLiteral("menu1"));
        auto& menu = (*screens)->get<app::Menu>(QStringLiteral("menu1"));
        QCOMPARE(menu.topics(2).caption(), QStringLiteral("Insulation"));
        menu.openTopic(2);
        const QStringList activities{"thermal", "house", "thermos"};
        for (const QString& name : activities)
            QCOMPARE((*screens)->isLoaded(name), name == screen);
        QCOMPARE((*screens)->get<LabellingActivity>(screen).windowTitle(), QStringLiteral("Insulation"));
    }
};

QTEST_MAIN(InsulationTest)
#include "test_insulation.moc"
