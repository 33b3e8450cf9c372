// Placing without dragging: taps and the keyboard put answer labels where a
// drag would, through the same drop pass, with the same scores; a drag is
// still a drag.
#include "support/pupil.h"
#include "support/testscreens.h"
#include "labelling/activity.h"
#include "units/unitsmatch.h"

#include <QTest>
#include <memory>

using labelling::LabellingActivity;

namespace {

enum class Way { Drag, Tap, Keys };

std::vector<QPointF> cornersOf(const LabellingActivity& screen, int count)
{
    std::vector<QPointF> corners;
    for (int i = 0; i < count; ++i)
        corners.push_back(pupil::cornerOf(screen.answers(i)));
    return corners;
}

} // namespace

class PlacingTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

    // Puts answer a on target t the chosen way.
    static void place(LabellingActivity& screen, Way way, int a, int t)
    {
        switch (way) {
        case Way::Drag:
            pupil::dropOnTarget(screen, a, t);
            break;
        case Way::Tap:
            pupil::click(screen.answers(a));
            QCOMPARE(screen.placing.picked(), a);
            QCOMPARE(screen.answers(a).backColor(), QColor(255, 255, 0)); // clearly highlighted
            pupil::click(screen.targets(t));
            break;
        case Way::Keys: {
            forms::Label& label = screen.answers(a);
            QTest::keyClick(&label, Qt::Key_Return);
            QCOMPARE(screen.placing.picked(), a);
            for (int k = screen.placing.cursor(); k != t; k = screen.placing.cursor())
                QTest::keyClick(&label, k < t ? Qt::Key_Right : Qt::Key_Left);
            QVERIFY(screen.targets(t).isOpaque()); // the target to be placed on shows
            QTest::keyClick(&label, Qt::Key_Enter);
            break;
        }
        }
        QCOMPARE(screen.placing.picked(), -1);
        QCOMPARE(screen.answers(a).backColor(), QColor(0, 0, 0));
    }

private slots:
    void initTestCase() { initTestFonts(); }
    void init() { screens = std::make_unique<TestScreens>(); }
    void cleanup() { screens.reset(); }

    // Each row places answer a on target placing[a] by drags, by taps and by
    // keys: the corners and the score come out the same every way.
    void sameOutcomeAsDragging_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("placing");
        QTest::addColumn<QString>("score");
        QTest::newRow("generator, all right") << "generator" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << "8 out of 8 correct";
        QTest::newRow("generator, sizes crossed") << "generator" << QList<int>{4, 5, 6, 7, 0, 1, 2, 3} << "0 out of 8 correct";
        QTest::newRow("house, interchangeable swapped") << "house" << QList<int>{0, 2, 1, 3, 4} << "5 out of 5 correct";
        QTest::newRow("thermos, two swapped") << "thermos" << QList<int>{1, 0, 2, 3, 4, 5} << "4 out of 6 correct";
    }

    void sameOutcomeAsDragging()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, placing);
        QFETCH(QString, score);
        std::vector<std::vector<QPointF>> outcomes;
        for (const Way way : {Way::Drag, Way::Tap, Way::Keys}) {
            screens = std::make_unique<TestScreens>();
            LabellingActivity& screen = screens->open<LabellingActivity>(name);
            QCOMPARE(int(placing.size()), screen.board.count());
            for (int a = 0; a < placing.size(); ++a) {
                QVERIFY(!screen.commands(LabellingActivity::CheckScore).isVisible());
                place(screen, way, a, placing[a]);
                QCOMPARE(pupil::cornerOf(screen.answers(a)), pupil::cornerOf(screen.targets(placing[a])));
            }
            QVERIFY(screen.commands(LabellingActivity::CheckScore).isVisible());
            pupil::click(screen.commands(LabellingActivity::CheckScore));
            QCOMPARE(screen.scoreLine().caption(), score);
            outcomes.push_back(cornersOf(screen, int(placing.size())));
        }
        QVERIFY(outcomes[0] == outcomes[1]);
        QVERIFY(outcomes[0] == outcomes[2]);
    }

    // A tap on bare screen puts the picked label down centred there, as a drag
    // let go there would; a tap on the picked label puts it down where it is;
    // Escape and a command let it be.
    void tapsThatPutDownOrCancel_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("tap on the screen") << "screen";
        QTest::newRow("tap on the picked label") << "again";
        QTest::newRow("escape") << "escape";
        QTest::newRow("start again") << "start again";
    }

    void tapsThatPutDownOrCancel()
    {
        QFETCH(QString, ending);
        LabellingActivity& screen = screens->open<LabellingActivity>(QStringLiteral("generator"));
        forms::Label& label = screen.answers(2);
        const QPointF home = pupil::cornerOf(label);
        const QPointF bare(6000, 6500); // open water below the diagram
        pupil::click(label);
        QCOMPARE(screen.placing.picked(), 2);
        if (ending == "screen")
            QTest::mouseClick(&screen, Qt::LeftButton, Qt::NoModifier, pupil::pixelOf(bare, screen.scale()));
        else if (ending == "again")
            pupil::click(label);
        else if (ending == "escape")
            QTest::keyClick(&label, Qt::Key_Escape);
        else
            pupil::click(screen.commands(LabellingActivity::StartAgain));
        QCOMPARE(screen.placing.picked(), -1);
        QCOMPARE(label.backColor(), QColor(0, 0, 0));
        if (ending != "screen") {
            QCOMPARE(pupil::cornerOf(label), home);
            return;
        }
        const QPointF tapped = pupil::cornerOf(label);
        // The same place as a drag let go at the same point.
        screens = std::make_unique<TestScreens>();
        LabellingActivity& again = screens->open<LabellingActivity>(QStringLiteral("generator"));
        pupil::pickUpAndMove(again, 2, bare);
        pupil::letGo(again, 2, bare);
        QCOMPARE(tapped, pupil::cornerOf(again.answers(2)));
        QVERIFY(tapped != home);
    }

    // A press, a move and a release is a drag as before: nothing stays picked.
    void aDragPicksNothing()
    {
        LabellingActivity& screen = screens->open<LabellingActivity>(QStringLiteral("generator"));
        pupil::dropOnTarget(screen, 0, 0);
        QCOMPARE(screen.placing.picked(), -1);
        QCOMPARE(pupil::cornerOf(screen.answers(0)), pupil::cornerOf(screen.targets(0)));
    }

    // The symbols board places by tap too, and hides a score already shown.
    void symbolsPlacesByTap()
    {
        auto& screen = screens->open<units::UnitsMatch>(QStringLiteral("symbols"));
        pupil::click(screen.answers(0));
        QCOMPARE(screen.placing.picked(), 0);
        pupil::click(screen.targets(5));
        QCOMPARE(pupil::cornerOf(screen.answers(0)), pupil::cornerOf(screen.targets(5)));
        QCOMPARE(screen.placing.picked(), -1);
    }
};

QTEST_MAIN(PlacingTest)
#include "test_placing.moc"
