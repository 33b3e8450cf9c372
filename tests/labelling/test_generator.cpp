// The Electricity Production screen, worked with the mouse: the menu entry
// that opens it, every answer dropped in turn and scored, labels of one size
// on targets of the other, and the overlapping home boxes of "steam" and "water".
#include "support/pupil.h"
#include "support/testscreens.h"
#include "app/menu.h"
#include "activity/module1.h"
#include "labelling/activity.h"

#include <QTest>
#include <memory>

using labelling::LabellingActivity;

class GeneratorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

    LabellingActivity& open()
    {
        (*screens)->show(QStringLiteral("generator"));
        auto& screen = (*screens)->get<LabellingActivity>(QStringLiteral("generator"));
        if (!QTest::qWaitForWindowExposed(&screen))
            qWarning("generator screen was not exposed");
        return screen;
    }

private slots:
    void initTestCase() { initTestFonts(); }
    void init() { screens = std::make_unique<TestScreens>(); }
    void cleanup() { screens.reset(); }

    void opensFromElectricityProduction()
    {
        (*screens)->show(QStringLiteral("menu2"));
        auto& menu = (*screens)->get<app::Menu>(QStringLiteral("menu2"));
        QCOMPARE(menu.Label3(0).Caption(), QStringLiteral("Electricity Production"));
        menu.Label3_Click(0);
        QVERIFY((*screens)->isLoaded(QStringLiteral("generator")));
        auto& screen = (*screens)->get<LabellingActivity>(QStringLiteral("generator"));
        QVERIFY(screen.isVisible());
        QCOMPARE(screen.windowTitle(), QStringLiteral("Electricity Production"));
        QCOMPARE(Module1::labelCount(), 8);
        QCOMPARE(screen.Option1.count(), 0);
        // "Exit" uncovers the menu, still loaded behind.
        pupil::click(screen.Label3(LabellingActivity::Exit));
        QVERIFY(!(*screens)->isLoaded(QStringLiteral("generator")));
        QVERIFY((*screens)->isLoaded(QStringLiteral("menu2")));
    }

    // Each row drops answer a on target placing[a], in order, then scores.
    void placingEveryAnswer_data()
    {
        QTest::addColumn<QList<int>>("placing");
        QTest::addColumn<QString>("score");
        QTest::newRow("every answer on its own target") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << "8 out of 8 correct";
        QTest::newRow("turbine and electrical generator swapped")
            << QList<int>{0, 1, 2, 3, 4, 6, 5, 7} << "6 out of 8 correct";
        QTest::newRow("fuel on the boiler furnace's large target and the reverse")
            << QList<int>{4, 1, 2, 3, 0, 5, 6, 7} << "6 out of 8 correct";
        QTest::newRow("small answers on large targets and large ones on small")
            << QList<int>{4, 5, 6, 7, 0, 1, 2, 3} << "0 out of 8 correct";
    }

    void placingEveryAnswer()
    {
        QFETCH(QList<int>, placing);
        QFETCH(QString, score);
        LabellingActivity& screen = open();
        for (int a = 0; a < placing.size(); ++a) {
            QVERIFY2(!screen.Label3(LabellingActivity::CheckScore).isVisible(), "shown before every answer is placed");
            pupil::dropOnTarget(screen, a, placing[a]);
            // Whatever its size, the label snaps to the target's top-left and keeps its own size.
            QCOMPARE(pupil::cornerOf(screen.Label2(a)), pupil::cornerOf(screen.Label1(placing[a])));
            QCOMPARE(screen.Label2(a).Width(), screen.Label4(a).Width());
        }
        QVERIFY(screen.Label3(LabellingActivity::CheckScore).isVisible());
        QVERIFY(!screen.scoreLine().isVisible());
        pupil::click(screen.Label3(LabellingActivity::CheckScore));
        QVERIFY(screen.scoreLine().isVisible());
        QCOMPARE(screen.scoreLine().Caption(), score);

        pupil::click(screen.Label3(LabellingActivity::StartAgain));
        QVERIFY(!screen.scoreLine().isVisible());
        QVERIFY(!screen.Label3(LabellingActivity::CheckScore).isVisible());
        for (int a = 0; a < placing.size(); ++a)
            QCOMPARE(pupil::cornerOf(screen.Label2(a)), pupil::cornerOf(screen.Label4(a)));
    }

    // The home boxes of "steam" (above) and "water" (below) share a band of
    // their capture zones: a label let go there goes into the lower-indexed
    // box, "water"'s, and the later test of "steam"'s box leaves it there.
    void homeBoxesOfSteamAndWaterOverlap_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<float>("top");
        QTest::newRow("steam, near the top of the band") << 2 << 7267.5f;
        QTest::newRow("steam, near the bottom of the band") << 2 << 7327.5f;
        QTest::newRow("water, in the band") << 1 << 7297.5f;
        QTest::newRow("fuel, in the band") << 0 << 7297.5f;
    }

    void homeBoxesOfSteamAndWaterOverlap()
    {
        QFETCH(int, answer);
        QFETCH(float, top);
        LabellingActivity& screen = open();
        const QPointF water = pupil::cornerOf(screen.Label4(1)), steam = pupil::cornerOf(screen.Label4(2));
        QCOMPARE(water, QPointF(7560, 7440));
        QCOMPARE(steam, QPointF(7560, 6960));

        const QPointF pointer = pupil::pointerFor(screen, answer, {7560, top});
        pupil::pickUpAndMove(screen, answer, pointer);
        const forms::Label& label = screen.Label2(answer);
        QCOMPARE(label.Left(), 7560.0f);
        QCOMPARE(label.Top(), top);
        QVERIFY(activity::insideCaptureZone(screen.Label4(1).twips(), {label.Left(), label.Top()}));
        QVERIFY(activity::insideCaptureZone(screen.Label4(2).twips(), {label.Left(), label.Top()}));
        pupil::letGo(screen, answer, pointer);
        QCOMPARE(pupil::cornerOf(label), water);
    }
};

QTEST_MAIN(GeneratorTest)
#include "test_generator.moc"
