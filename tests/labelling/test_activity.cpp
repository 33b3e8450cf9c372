// The labelling template as a pupil uses it, on the Telescopic Views screens:
// dragging with the pointer, snapping, completion, scoring and the commands.
#include "app/menu.h"
#include "activity/module1.h"
#include "labelling/activity.h"
#include "labelling/telescopic.h"
#include "support/pointer.h"
#include "support/testscreens.h"

#include <QDir>
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
    static QPoint pixelOf(float left, float top) { return {forms::toPixels(left), forms::toPixels(top)}; }
    static void place(LabellingActivity& s, int label, int target);
};

void ActivityTest::place(LabellingActivity& s, int label, int target)
{
    s.Label2(label).moveTo(s.Label1(target).Left(), s.Label1(target).Top());
    s.Label2_MouseUp(label);
}

void ActivityTest::freshScreen()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QCOMPARE(*Module1::LabelCount, qint16(6));
    QCOMPARE(s.BackColor(), QColor(25, 25, 25));
    QCOMPARE(s.Label2(4).Caption(), QStringLiteral("Saturn"));
    QCOMPARE(s.Label1(0).Caption(), QStringLiteral(" 1."));
    QCOMPARE(s.Label1(5).Caption(), QStringLiteral(" 6."));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(s.Label4(i).Left(), s.Label2(i).Left());
        QCOMPARE(s.Label4(i).Top(), s.Label2(i).Top());
        QCOMPARE(s.Label4(i).Width(), 2040.f);
        QVERIFY(!s.Label1(i).Opaque());
        QVERIFY(s.Label1(i).Visible() && s.Label2(i).Visible() && s.Label4(i).Visible());
    }
    QVERIFY(!s.Label3(LabellingActivity::CheckScore).Visible());
    QVERIFY(!s.scoreLine().Visible());
    QVERIFY(s.Option1(1).Value());
    QCOMPARE(s.Option1(0).BackColor(), QColor(25, 25, 25));
}

void ActivityTest::dragFollowsThePointerAndSnapsIntoTheTarget()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    forms::Label& mars = s.Label2(0);
    // Release with the label's centre a little right of and below the target's.
    const QRect target = s.Label1(0).geometry();
    pointer::drag(mars, target.center() + QPoint(20, 8));
    QCOMPARE(mars.Left(), 600.f);
    QCOMPARE(mars.Top(), 4320.f);
    QCOMPARE(mars.geometry(), target);
}

void ActivityTest::releaseOutsideEveryZoneLeavesTheLabelThere()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    forms::Label& venus = s.Label2(1);
    pointer::drag(venus, QPoint(400, 40));
    // Centred on the release point (pixel 400, 40), not snapped anywhere.
    QCOMPARE(venus.Left(), 400 * 15 - 2040 / 2.f);
    QCOMPARE(venus.Top(), 40 * 15 - 450 / 2.f);
}

void ActivityTest::rightButtonNeitherMovesNorSparesTheDropPass()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    for (int i = 0; i < 6; ++i)
        place(s, i, i);
    s.Label3_Click(LabellingActivity::CheckScore);
    QVERIFY(s.scoreLine().Visible());
    const QRect before = s.Label2(2).geometry();
    pointer::drag(s.Label2(2), QPoint(30, 30), Qt::RightButton);
    QCOMPARE(s.Label2(2).geometry(), before);
    QVERIFY(!s.scoreLine().Visible()); // the release still ran the drop pass
}

void ActivityTest::checkScoreAppearsWhenEveryLabelLiesOnATarget()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    for (int i = 0; i < 5; ++i) {
        pointer::drag(s.Label2(i), s.Label1(i).geometry().center());
        QVERIFY(!s.Label3(LabellingActivity::CheckScore).Visible());
    }
    pointer::drag(s.Label2(5), s.Label1(5).geometry().center());
    QVERIFY(s.Label3(LabellingActivity::CheckScore).Visible());
    pointer::click(s.Label3(LabellingActivity::CheckScore));
    QVERIFY(s.scoreLine().Visible());
    QCOMPARE(s.scoreLine().Caption(), QStringLiteral("6 out of 6 correct"));
    // A click on a label without moving it hides the score line again.
    pointer::click(s.Label2(3));
    QVERIFY(!s.scoreLine().Visible());
    QVERIFY(s.Label3(LabellingActivity::CheckScore).Visible());
}

void ActivityTest::twoLabelsOnOneTargetCountAsPlaced()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("nakedeye");
    place(s, 0, 0);
    place(s, 1, 0);
    place(s, 2, 2);
    QVERIFY(!s.Label3(LabellingActivity::CheckScore).Visible());
    place(s, 3, 3);
    QVERIFY(s.Label3(LabellingActivity::CheckScore).Visible());
    s.Label3_Click(LabellingActivity::CheckScore);
    QCOMPARE(s.scoreLine().Caption(), QStringLiteral("3 out of 4 correct"));
}

void ActivityTest::swappedAnswersScoreFourOutOfSix()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    for (int i = 0; i < 6; ++i)
        place(s, i, i < 2 ? 1 - i : i);
    s.Label3_Click(LabellingActivity::CheckScore);
    QCOMPARE(s.scoreLine().Caption(), QStringLiteral("4 out of 6 correct"));
}

void ActivityTest::checkScoreStaysWhenALabelIsDraggedOff()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("hst");
    QVERIFY(pointer::showAndWait(s));
    for (int i = 0; i < 4; ++i)
        place(s, i, i);
    pointer::drag(s.Label2(2), QPoint(150, 20));
    QVERIFY(s.Label3(LabellingActivity::CheckScore).Visible());
    s.Label3_Click(LabellingActivity::CheckScore);
    QCOMPARE(s.scoreLine().Caption(), QStringLiteral("3 out of 4 correct"));
}

void ActivityTest::startAgainSendsEveryLabelHome()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    for (int i = 0; i < 6; ++i)
        place(s, i, i);
    // A label parked in another label's home box stays there until Start Again.
    s.Label2(0).moveTo(s.Label4(3).Left() + 10, s.Label4(3).Top() + 10);
    s.Label2_MouseUp(0);
    QCOMPARE(s.Label2(0).Top(), s.Label4(3).Top());
    s.Label3_Click(LabellingActivity::CheckScore);
    s.Label3_Click(LabellingActivity::StartAgain);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(s.Label2(i).Left(), s.Label4(i).Left());
        QCOMPARE(s.Label2(i).Top(), s.Label4(i).Top());
    }
    QVERIFY(!s.scoreLine().Visible());
    QVERIFY(!s.Label3(LabellingActivity::CheckScore).Visible());
    QCOMPARE(s.Label1(0).Caption(), QStringLiteral(" 1."));
}

void ActivityTest::hoverHighlightClearsOnlyOverTheBareScreen()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    QVERIFY(pointer::showAndWait(s));
    for (int k = 0; k < 3; ++k)
        QVERIFY(s.Label3(k).Opaque()); // opaque from load until the first clearing
    pointer::hover(s, QPoint(790, 10));
    for (int k = 0; k < 3; ++k)
        QVERIFY(!s.Label3(k).Opaque()); // hidden "Check Score" included
    pointer::hover(s.Label3(LabellingActivity::Exit), QPoint(5, 5));
    QVERIFY(s.Label3(LabellingActivity::Exit).Opaque());
    pointer::hover(s.Label1(3), QPoint(5, 5));
    pointer::hover(s.Image1(0), QPoint(5, 5));
    pointer::hover(s.Label2(0), QPoint(5, 5));
    QVERIFY(s.Label3(LabellingActivity::Exit).Opaque());
    pointer::hover(s, QPoint(790, 10));
    QVERIFY(!s.Label3(LabellingActivity::Exit).Opaque());
}

void ActivityTest::ownOptionDoesNothing()
{
    TestScreens t;
    auto& s = t->get<LabellingActivity>("telescope");
    place(s, 0, 0);
    s.Option1_Click(1);
    QVERIFY(t->find("telescope") == &s);
    QCOMPARE(s.Label2(0).Left(), 600.f);
    QCOMPARE(t->loadedNames(), QStringList{"telescope"});
}

void ActivityTest::switchingVariantsLoadsAFreshSibling()
{
    TestScreens t;
    t->show("menu5");
    t->get<app::Menu>("menu5");
    auto& naked = t->get<LabellingActivity>("nakedeye");
    QCOMPARE(*Module1::LabelCount, qint16(4));
    place(naked, 0, 0);
    naked.Option1(1).setValue(true); // as a click on "Amateur Telescope" does
    QVERIFY(!t->isLoaded("nakedeye"));
    QVERIFY(t->isLoaded("telescope") && t->isLoaded("menu5"));
    QCOMPARE(*Module1::LabelCount, qint16(6));
    auto& telescope = t->get<LabellingActivity>("telescope");
    telescope.Option1_Click(2);
    QCOMPARE(*Module1::LabelCount, qint16(4));
    t->get<LabellingActivity>("hst").Option1_Click(0);
    auto& again = t->get<LabellingActivity>("nakedeye");
    QCOMPARE(again.Label2(0).Left(), again.Label4(0).Left());
    QCOMPARE(again.Label2(0).Top(), 6240.f);
    QVERIFY(again.Option1(0).Value());
    again.Label3_Click(LabellingActivity::Exit);
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
        QVERIFY(s.Image1(k).Picture().isNull());
    QCOMPARE(s.Image1(0).Width(), 3660.f); // the box keeps its place
    for (int i = 0; i < 4; ++i)
        place(s, i, i);
    s.Label3_Click(LabellingActivity::CheckScore);
    QCOMPARE(s.scoreLine().Caption(), QStringLiteral("4 out of 4 correct"));
}

QTEST_MAIN(ActivityTest)
#include "test_activity.moc"
