// The labelling template as a pupil uses it, on the Telescopic Views screens:
// dragging with the pointer, snapping, completion, scoring and the commands.
#include "app/menu.h"
#include "labelling/activity.h"
#include "labelling/telescopic.h"
#include "support/pointer.h"
#include "support/testscreens.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using labelling::LabellingActivity;

class ActivityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void freshScreen();
    void dragFollowsThePointerAndSnapsIntoTheTarget();
    void releaseOutsideEveryZoneLeavesTheLabelThere();
    void rightButtonNeitherMovesNorSparesTheDropPass();
    void checkScoreAppearsWhenEveryLabelLiesOnATarget();
    void twoLabelsOnOneTargetCountAsPlaced();
    void swappedAnswersScoreFourOutOfSix();
    void checkScoreStaysWhenALabelIsDraggedOff();
    void startAgainSendsEveryLabelHome();
    void hoverHighlightClearsOnlyOverTheBareScreen();
    void ownOptionDoesNothing();
    void switchingVariantsLoadsAFreshSibling();
    void tablesPutEveryTargetUnderItsPicture();
    void missingPicturesLeaveTheScreenWorking();

private:
    static void place(LabellingActivity& s, int label, int target);
};

void ActivityTest::place(LabellingActivity& s, int label, int target)
{
    s.answers(label).moveTo(s.targets(target).left(), s.targets(target).top());
    s.dropAnswer(label);
}

void ActivityTest::freshScreen()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QCOMPARE(s.board.count(), 6);
    QCOMPARE(s.backColor(), QColor(25, 25, 25));
    QCOMPARE(s.answers(4).caption(), QStringLiteral("Saturn"));
    QCOMPARE(s.targets(0).caption(), QStringLiteral(" 1."));
    QCOMPARE(s.targets(5).caption(), QStringLiteral(" 6."));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(s.homes(i).left(), s.answers(i).left());
        QCOMPARE(s.homes(i).top(), s.answers(i).top());
        QCOMPARE(s.homes(i).twipWidth(), 2040.f);
        QVERIFY(!s.targets(i).isOpaque());
        QVERIFY(!s.targets(i).isHidden() && !s.answers(i).isHidden() && !s.homes(i).isHidden());
    }
    QVERIFY(s.commands(LabellingActivity::CheckScore).isHidden());
    QVERIFY(s.scoreLine().isHidden());
    QVERIFY(s.variantSwitch(1).value());
    QCOMPARE(s.variantSwitch(0).backColor(), QColor(25, 25, 25));
}

void ActivityTest::dragFollowsThePointerAndSnapsIntoTheTarget()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    forms::Label& mars = s.answers(0);
    // Release with the label's centre a little right of and below the target's.
    const QRect target = s.targets(0).geometry();
    pointer::drag(mars, target.center() + QPoint(20, 8));
    QCOMPARE(mars.left(), 600.f);
    QCOMPARE(mars.top(), 4320.f);
    QCOMPARE(mars.geometry(), target);
}

void ActivityTest::releaseOutsideEveryZoneLeavesTheLabelThere()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    forms::Label& venus = s.answers(1);
    pointer::drag(venus, QPoint(400, 40));
    // Centred on the release point (pixel 400, 40), not snapped anywhere.
    QCOMPARE(venus.left(), 400 * 15 - 2040 / 2.f);
    QCOMPARE(venus.top(), 40 * 15 - 450 / 2.f);
}

void ActivityTest::rightButtonNeitherMovesNorSparesTheDropPass()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    for (int i = 0; i < 6; ++i)
        place(s, i, i);
    s.checkScore();
    QVERIFY(!s.scoreLine().isHidden());
    const QRect before = s.answers(2).geometry();
    pointer::drag(s.answers(2), QPoint(30, 30), Qt::RightButton);
    QCOMPARE(s.answers(2).geometry(), before);
    QVERIFY(s.scoreLine().isHidden()); // the release still ran the drop pass
}

void ActivityTest::checkScoreAppearsWhenEveryLabelLiesOnATarget()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    for (int i = 0; i < 5; ++i) {
        pointer::drag(s.answers(i), s.targets(i).geometry().center());
        QVERIFY(s.commands(LabellingActivity::CheckScore).isHidden());
    }
    pointer::drag(s.answers(5), s.targets(5).geometry().center());
    QVERIFY(!s.commands(LabellingActivity::CheckScore).isHidden());
    QSignalSpy clicks(&s.commands, &forms::GroupSignals::clicked);
    pointer::click(s.commands(LabellingActivity::CheckScore));
    QCOMPARE(clicks, QList<QVariantList>{{int(LabellingActivity::CheckScore)}});
    QVERIFY(!s.scoreLine().isHidden());
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("6 out of 6 correct"));
    // A click on a label without moving it hides the score line again.
    pointer::click(s.answers(3));
    QVERIFY(s.scoreLine().isHidden());
    QVERIFY(!s.commands(LabellingActivity::CheckScore).isHidden());
}

void ActivityTest::twoLabelsOnOneTargetCountAsPlaced()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("nakedeye");
    place(s, 0, 0);
    place(s, 1, 0);
    place(s, 2, 2);
    QVERIFY(s.commands(LabellingActivity::CheckScore).isHidden());
    place(s, 3, 3);
    QVERIFY(!s.commands(LabellingActivity::CheckScore).isHidden());
    s.checkScore();
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("3 out of 4 correct"));
}

void ActivityTest::swappedAnswersScoreFourOutOfSix()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    for (int i = 0; i < 6; ++i)
        place(s, i, i < 2 ? 1 - i : i);
    s.checkScore();
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("4 out of 6 correct"));
}

void ActivityTest::checkScoreStaysWhenALabelIsDraggedOff()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("hst");
    QVERIFY(pointer::showAndWait(s));
    for (int i = 0; i < 4; ++i)
        place(s, i, i);
    pointer::drag(s.answers(2), QPoint(150, 20));
    QVERIFY(!s.commands(LabellingActivity::CheckScore).isHidden());
    s.checkScore();
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("3 out of 4 correct"));
}

void ActivityTest::startAgainSendsEveryLabelHome()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    for (int i = 0; i < 6; ++i)
        place(s, i, i);
    // A label parked in another label's home box stays there until Start Again.
    s.answers(0).moveTo(s.homes(3).left() + 10, s.homes(3).top() + 10);
    s.dropAnswer(0);
    QCOMPARE(s.answers(0).top(), s.homes(3).top());
    s.checkScore();
    s.startAgain();
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(s.answers(i).left(), s.homes(i).left());
        QCOMPARE(s.answers(i).top(), s.homes(i).top());
    }
    QVERIFY(s.scoreLine().isHidden());
    QVERIFY(s.commands(LabellingActivity::CheckScore).isHidden());
    QCOMPARE(s.targets(0).caption(), QStringLiteral(" 1."));
}

void ActivityTest::hoverHighlightClearsOnlyOverTheBareScreen()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    for (int k = 0; k < 3; ++k)
        QVERIFY(s.commands(k).isOpaque()); // opaque from load until the first clearing
    pointer::hover(s, QPoint(790, 10));
    for (int k = 0; k < 3; ++k)
        QVERIFY(!s.commands(k).isOpaque()); // hidden "Check Score" included
    pointer::hover(s.commands(LabellingActivity::Exit), QPoint(5, 5));
    QVERIFY(s.commands(LabellingActivity::Exit).isOpaque());
    pointer::hover(s.targets(3), QPoint(5, 5));
    pointer::hover(s.pictures(0), QPoint(5, 5));
    pointer::hover(s.answers(0), QPoint(5, 5));
    QVERIFY(s.commands(LabellingActivity::Exit).isOpaque());
    pointer::hover(s, QPoint(790, 10));
    QVERIFY(!s.commands(LabellingActivity::Exit).isOpaque());
}

void ActivityTest::ownOptionDoesNothing()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    place(s, 0, 0);
    s.switchVariant(1);
    QVERIFY(t->find("telescope") == &s);
    QCOMPARE(s.answers(0).left(), 600.f);
    QCOMPARE(t->loadedNames(), QStringList{"telescope"});
}

void ActivityTest::switchingVariantsLoadsAFreshSibling()
{
    TestScreens t;
    t->show("menu5");
    t->get<app::Menu>("menu5");
    auto& naked = t->get<LabellingActivity>("nakedeye");
    QCOMPARE(naked.board.count(), 4);
    place(naked, 0, 0);
    naked.variantSwitch(1).setValue(true); // as a click on "Amateur Telescope" does
    QVERIFY(!t->isLoaded("nakedeye"));
    QVERIFY(t->isLoaded("telescope") && t->isLoaded("menu5"));
    auto& telescope = t->get<LabellingActivity>("telescope");
    QCOMPARE(telescope.board.count(), 6);
    telescope.switchVariant(2);
    QCOMPARE(t->get<LabellingActivity>("hst").board.count(), 4);
    t->get<LabellingActivity>("hst").switchVariant(0);
    auto& again = t->get<LabellingActivity>("nakedeye");
    QCOMPARE(again.answers(0).left(), again.homes(0).left());
    QCOMPARE(again.answers(0).top(), 6240.f);
    QVERIFY(again.variantSwitch(0).value());
    emit again.commands.clicked(LabellingActivity::Exit);
    QCOMPARE(t->loadedNames(), QStringList{"menu5"});
}

void ActivityTest::tablesPutEveryTargetUnderItsPicture()
{
    const std::map<QString, std::tuple<int, float, float>> expected{
        {"nakedeye", {4, 120, 3360}}, {"telescope", {6, 75, 2040}}, {"hst", {4, 120, 2745}}};
    for (const auto& d : labelling::telescopicActivities()) {
        const auto [count, gap, width] = expected.at(d.screen);
        QCOMPARE(int(d.items.size()), count);
        QCOMPARE(int(d.pictures.size()), count);
        for (int i = 0; i < count; ++i) {
            const auto& item = d.items[i];
            const auto& picture = d.pictures[i];
            QCOMPARE(item.width, width);
            QCOMPARE(item.height, 450.f);
            QCOMPARE(item.targetTop, picture.top + picture.height + gap);
            const float pictureCentre = picture.left + picture.width / 2;
            QVERIFY2(std::abs(item.targetLeft + item.width / 2 - pictureCentre) <= 100,
                     qPrintable(d.screen + ": " + item.answer));
        }
    }
}

void ActivityTest::missingPicturesLeaveTheScreenWorking()
{
    const QString home = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    TestScreens t;
    auto& s = t->get<LabellingActivity>("hst");
    QDir::setCurrent(home);
    for (int k = 0; k < 4; ++k)
        QVERIFY(s.pictures(k).picture().isNull());
    QCOMPARE(s.pictures(0).twipWidth(), 3660.f); // the box keeps its place
    for (int i = 0; i < 4; ++i)
        place(s, i, i);
    s.checkScore();
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("4 out of 4 correct"));
}

QTEST_MAIN(ActivityTest)
#include "test_activity.moc"
