// The labelling screens of single diagrams, worked with the mouse: the menu
// entry that opens each, every answer dropped in turn and scored (labels of
// one size on targets of another, the two interchangeable "wavelength"
// answers), and the overlapping home boxes of "steam" and "water".
#include "support/pupil.h"
#include "support/testscreens.h"
#include "app/menu.h"
#include "labelling/activity.h"

#include <QTest>
#include <memory>

using labelling::LabellingActivity;

class GeneratorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

private slots:
    void initTestCase() { initTestFonts(); }
    void init() { screens = std::make_unique<TestScreens>(); }
    void cleanup() { screens.reset(); }

    void opensFromItsMenu_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("menu");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("count");
        QTest::newRow("Electricity Production") << "generator" << 2 << 0 << 8;
        QTest::newRow("Convection") << "convection" << 1 << 0 << 7;
        QTest::newRow("Energy Island") << "energyisland" << 2 << 1 << 8;
        QTest::newRow("Energy Sources") << "energysources" << 2 << 2 << 8;
        QTest::newRow("Waves") << "waves" << 3 << 0 << 8;
        QTest::newRow("Electromagnetic Spectrum") << "emspectrum" << 3 << 2 << 9;
    }

    void opensFromItsMenu()
    {
        QFETCH(QString, screen);
        QFETCH(int, menu);
        QFETCH(int, row);
        QFETCH(int, count);
        const QString menuName = QStringLiteral("menu%1").arg(menu);
        (*screens)->show(menuName);
        auto& menuScreen = (*screens)->get<app::Menu>(menuName);
        menuScreen.openTopic(row);
        QVERIFY((*screens)->isLoaded(screen));
        auto& activity = (*screens)->get<LabellingActivity>(screen);
        QVERIFY(activity.isVisible());
        QCOMPARE(activity.windowTitle(), menuScreen.topics(row).caption());
        QCOMPARE(activity.board.count(), count);
        QCOMPARE(activity.variantSwitch.count(), 0);
        // "Exit" uncovers the menu, still loaded behind.
        pupil::click(activity.commands(LabellingActivity::Exit));
        QVERIFY(!(*screens)->isLoaded(screen));
        QVERIFY((*screens)->isLoaded(menuName));
    }

    // Each row drops answer a on target placing[a], in order, then scores.
    void placingEveryAnswer_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("placing");
        QTest::addColumn<QString>("score");
        const QList<int> eight{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("generator: every answer on its own target") << "generator" << eight << "8 out of 8 correct";
        QTest::newRow("generator: turbine and electrical generator swapped")
            << "generator" << QList<int>{0, 1, 2, 3, 4, 6, 5, 7} << "6 out of 8 correct";
        QTest::newRow("generator: fuel on the boiler furnace's large target and the reverse")
            << "generator" << QList<int>{4, 1, 2, 3, 0, 5, 6, 7} << "6 out of 8 correct";
        QTest::newRow("generator: small answers on large targets and large ones on small")
            << "generator" << QList<int>{4, 5, 6, 7, 0, 1, 2, 3} << "0 out of 8 correct";
        QTest::newRow("energysources: every explanation in its row") << "energysources" << eight << "8 out of 8 correct";
        QTest::newRow("energysources: fossil fuels and nuclear swapped")
            << "energysources" << QList<int>{0, 1, 2, 3, 4, 5, 7, 6} << "6 out of 8 correct";
        QTest::newRow("emspectrum: every answer on its own target")
            << "emspectrum" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << "9 out of 9 correct";
        QTest::newRow("emspectrum: the arrows' names swapped")
            << "emspectrum" << QList<int>{0, 1, 2, 3, 4, 5, 6, 8, 7} << "7 out of 9 correct";
        QTest::newRow("emspectrum: X-rays and gamma rays swapped")
            << "emspectrum" << QList<int>{0, 1, 2, 3, 4, 6, 5, 7, 8} << "7 out of 9 correct";
        QTest::newRow("convection: every answer on its own target")
            << "convection" << QList<int>{0, 1, 2, 3, 4, 5, 6} << "7 out of 7 correct";
        QTest::newRow("convection: rising and sinking swapped")
            << "convection" << QList<int>{0, 1, 3, 2, 4, 5, 6} << "5 out of 7 correct";
        QTest::newRow("energyisland: every power station in its place") << "energyisland" << eight << "8 out of 8 correct";
        QTest::newRow("energyisland: coal-fired and nuclear power stations swapped")
            << "energyisland" << QList<int>{0, 1, 2, 3, 4, 5, 7, 6} << "6 out of 8 correct";
        QTest::newRow("waves: every answer on its own target") << "waves" << eight << "8 out of 8 correct";
        QTest::newRow("waves: the two wavelengths swapped")
            << "waves" << QList<int>{1, 0, 2, 3, 4, 5, 6, 7} << "8 out of 8 correct";
        QTest::newRow("waves: both wavelengths on the transverse wave")
            << "waves" << QList<int>{0, 0, 2, 3, 4, 5, 6, 7} << "7 out of 8 correct";
        QTest::newRow("waves: a wavelength on the amplitude and the amplitude on a wavelength")
            << "waves" << QList<int>{2, 1, 0, 3, 4, 5, 6, 7} << "6 out of 8 correct";
        QTest::newRow("waves: crest and trough, compression and rarefaction swapped")
            << "waves" << QList<int>{0, 1, 2, 4, 3, 5, 7, 6} << "4 out of 8 correct";
    }

    void placingEveryAnswer()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, placing);
        QFETCH(QString, score);
        LabellingActivity& activity = screens->open<LabellingActivity>(screen);
        for (int a = 0; a < placing.size(); ++a) {
            QVERIFY2(!activity.commands(LabellingActivity::CheckScore).isVisible(), "shown before every answer is placed");
            pupil::dropOnTarget(activity, a, placing[a]);
            // Whatever its size, the label snaps to the target's top-left and keeps its own size.
            QCOMPARE(pupil::cornerOf(activity.answers(a)), pupil::cornerOf(activity.targets(placing[a])));
            QCOMPARE(activity.answers(a).twipWidth(), activity.homes(a).twipWidth());
        }
        QVERIFY(activity.commands(LabellingActivity::CheckScore).isVisible());
        QVERIFY(!activity.scoreLine().isVisible());
        pupil::click(activity.commands(LabellingActivity::CheckScore));
        QVERIFY(activity.scoreLine().isVisible());
        QCOMPARE(activity.scoreLine().caption(), score);

        pupil::click(activity.commands(LabellingActivity::StartAgain));
        QVERIFY(!activity.scoreLine().isVisible());
        QVERIFY(!activity.commands(LabellingActivity::CheckScore).isVisible());
        for (int a = 0; a < placing.size(); ++a)
            QCOMPARE(pupil::cornerOf(activity.answers(a)), pupil::cornerOf(activity.homes(a)));
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
        LabellingActivity& screen = screens->open<LabellingActivity>(QStringLiteral("generator"));
        const QPointF water = pupil::cornerOf(screen.homes(1)), steam = pupil::cornerOf(screen.homes(2));
        QCOMPARE(water, QPointF(7560, 7440));
        QCOMPARE(steam, QPointF(7560, 6960));

        const QPointF pointer = pupil::pointerFor(screen, answer, {7560, top});
        pupil::pickUpAndMove(screen, answer, pointer);
        const forms::Label& label = screen.answers(answer);
        QCOMPARE(label.left(), 7560.0f);
        QCOMPARE(label.top(), top);
        QVERIFY(activity::insideCaptureZone(screen.homes(1).twips(), {label.left(), label.top()}));
        QVERIFY(activity::insideCaptureZone(screen.homes(2).twips(), {label.left(), label.top()}));
        pupil::letGo(screen, answer, pointer);
        QCOMPARE(pupil::cornerOf(label), water);
    }
};

QTEST_MAIN(GeneratorTest)
#include "test_generator.moc"
