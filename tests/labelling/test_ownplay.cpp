// A teacher's own labelling activity as pupils play it: on a crowded picture
// a label lands in the box it is dropped on, one label a box, the bank dealt
// in a new order, identical answers interchangeable, wrong answers dealt with
// the rest, and "Check Score" marking each box.
#include "labelling/activity.h"
#include "labelling/ownplay.h"
#include "support/pupil.h"
#include "support/testscreens.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <algorithm>

using namespace labelling;

namespace {

const QStringList Answers{"resistor", "resistor", "cell", "switch", "lamp", "ammeter", "voltmeter", "fuse", "diode", "thermistor"};
const QStringList WrongAnswers{"motor", "buzzer"};

// Ten boxes 150 x 30 pixels in two rows with 6 pixels between them: every
// capture zone reaches over its neighbours.
OwnActivity crowded()
{
    QImage image(QSize(800, 400), QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    OwnActivity a{"A circuit", "Label the circuit.", bytes, "png", {}};
    for (int i = 0; i < Answers.size(); ++i) {
        const QRectF box(20 + (i % 5) * 156, 150 + (i / 5) * 36, 150, 30);
        a.labels.push_back({Answers[i], box, QPointF(box.center().x(), 50 + (i / 5) * 300), QStringLiteral("part %1").arg(i + 1)});
    }
    for (const QString& wrong : WrongAnswers)
        a.distractors.push_back(wrong);
    a.description = QStringLiteral("A circuit of ten parts in a loop.");
    return a;
}

LabellingActivity& play(TestScreens& t, const OwnActivity& a = crowded())
{
    const QString why = playOwnActivity(*t, a);
    if (!why.isEmpty())
        qWarning("%s", qPrintable(why));
    return t.open<LabellingActivity>(OwnActivityScreen);
}

bool on(const forms::Control& label, const forms::Control& box) { return pupil::cornerOf(label) == pupil::cornerOf(box); }

// The answer label lying on target t, or -1.
int heldBy(LabellingActivity& s, int t)
{
    int held = -1;
    for (int a = 0; a < s.board.count(); ++a)
        if (on(s.answers(a), s.targets(t)))
            held = held < 0 ? a : -2; // two on one box
    return held;
}

// The bank as the class reads it: the captions in rows, left to right.
QStringList bank(LabellingActivity& s)
{
    std::vector<int> order(std::size_t(s.board.count()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return std::pair(s.homes(a).top(), s.homes(a).left()) < std::pair(s.homes(b).top(), s.homes(b).left());
    });
    QStringList captions;
    for (int i : order)
        captions << s.answers(i).caption();
    return captions;
}

} // namespace

class OwnPlayTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void labelLandsInTheBoxItIsDroppedOn_data();
    void labelLandsInTheBoxItIsDroppedOn();
    void aFullBoxSwaps_data();
    void aFullBoxSwaps();
    void bankIsDealtInANewOrder();
    void wrongAnswersAreDealtAndScoreNothing();
    void checkScoreMarksEachBoxAndShowsTheAnswers();
    void longAnswersWrapInATallerBox();
    void descriptionsAreSaid();
};

void OwnPlayTest::labelLandsInTheBoxItIsDroppedOn_data()
{
    QTest::addColumn<int>("target");
    for (int t = 0; t < 10; ++t)
        QTest::addRow("box %d", t + 1) << t;
}

void OwnPlayTest::labelLandsInTheBoxItIsDroppedOn()
{
    QFETCH(int, target);
    TestScreens t;
    LabellingActivity& s = play(t);
    QCOMPARE(s.board.targetCount(), 10);
    QCOMPARE(s.board.count(), 12);
    // Dropped off-centre, towards the neighbour that comes first in number order.
    const forms::TwipRect box = s.targets(target).twips();
    const QPointF at(box.left + box.width * 0.3f, box.top + box.height * 0.3f);
    pupil::pickUpAndMove(s, 11, at);
    pupil::letGo(s, 11, at);
    QVERIFY(on(s.answers(11), s.targets(target)));
    // A label let go clear of every box stays where it was let go.
    pupil::pickUpAndMove(s, 10, {6000, 300});
    pupil::letGo(s, 10, {6000, 300});
    QVERIFY(std::abs(s.answers(10).left() + s.answers(10).twipWidth() / 2 - 6000) <= forms::TwipsPerPixel);
}

void OwnPlayTest::aFullBoxSwaps_data()
{
    QTest::addColumn<QString>("by");
    QTest::addColumn<bool>("fromTarget");
    for (const char* by : {"mouse", "tap", "keyboard"}) {
        QTest::addRow("%s, from the bank", by) << by << false;
        QTest::addRow("%s, from another box", by) << by << true;
    }
}

void OwnPlayTest::aFullBoxSwaps()
{
    QFETCH(QString, by);
    QFETCH(bool, fromTarget);
    TestScreens t;
    LabellingActivity& s = play(t);
    const auto place = [&](int answer, int target) {
        if (by == "mouse") {
            pupil::dropOnTarget(s, answer, target);
        } else if (by == "tap") {
            pupil::click(s.answers(answer));
            pupil::click(s.targets(target));
        } else {
            s.answers(answer).setFocus(Qt::TabFocusReason);
            QTest::keyClick(&s.answers(answer), Qt::Key_Return);
            for (int k = std::max(0, s.placing.cursor()); k != target; k += k < target ? 1 : -1)
                QTest::keyClick(&s.answers(answer), k < target ? Qt::Key_Right : Qt::Key_Left);
            QTest::keyClick(&s.answers(answer), Qt::Key_Return);
        }
    };
    place(2, 6);
    if (fromTarget)
        place(3, 7);
    const QPointF came = pupil::cornerOf(s.answers(3));
    place(3, 6);
    QCOMPARE(heldBy(s, 6), 3);
    // The label that was there goes where the new one came from: nothing stacks.
    QCOMPARE(pupil::cornerOf(s.answers(2)), came);
    if (fromTarget)
        QCOMPARE(heldBy(s, 7), 2);
    for (int k = 0; k < 10; ++k)
        QVERIFY(heldBy(s, k) != -2);
}

void OwnPlayTest::bankIsDealtInANewOrder()
{
    QStringList inTargetOrder = Answers + WrongAnswers;
    // Over many draws: every answer once, never in the targets' order.
    for (int seed = 0; seed < 40; ++seed) {
        TestScreens t;
        forms::UniformRandom random(seed);
        for (int k = 0; k < 200; ++k)
            t.fake->draws.push_back(random());
        LabellingActivity& s = play(t);
        QStringList dealt = bank(s);
        QVERIFY(dealt != inTargetOrder);
        QStringList sorted = dealt, expected = inTargetOrder;
        sorted.sort();
        expected.sort();
        QCOMPARE(sorted, expected);
        for (int i = 0; i < s.board.count(); ++i) {
            QVERIFY(on(s.answers(i), s.homes(i)));
            QVERIFY(s.homes(i).top() + s.homes(i).twipHeight() <= s.scoreLine().top());
            for (int j = 0; j < i; ++j) // no two homes overlap
                QVERIFY(!forms::toPixels(s.homes(i).twips(), 1).intersects(forms::toPixels(s.homes(j).twips(), 1)));
        }
    }
    // Draws that would deal the targets' order still do not.
    TestScreens t;
    for (int i = 11; i > 0; --i)
        t.fake->draws.push_back((i + 0.5) / (i + 1)); // each place keeps its own
    LabellingActivity& s = play(t);
    QVERIFY(bank(s) != inTargetOrder);
    // "Start Again" deals afresh.
    const QStringList first = bank(s);
    t.fake->draws = {0.9, 0.1, 0.5, 0.3, 0.7, 0.2, 0.8, 0.4, 0.6, 0.0, 0.95};
    pupil::dropOnTarget(s, 0, 3);
    pupil::click(s.commands(LabellingActivity::StartAgain));
    QVERIFY(bank(s) != first);
    for (int i = 0; i < s.board.count(); ++i)
        QVERIFY(on(s.answers(i), s.homes(i)));
}

void OwnPlayTest::wrongAnswersAreDealtAndScoreNothing()
{
    TestScreens t;
    LabellingActivity& s = play(t);
    QCOMPARE(s.answers(10).caption(), QStringLiteral("motor"));
    QCOMPARE(s.answers(11).caption(), QStringLiteral("buzzer"));
    QCOMPARE(s.targets.count(), 10);
    // Their boxes are the size of the right answers', so nothing gives them away.
    for (int wrong : {10, 11}) {
        QCOMPARE(s.homes(wrong).twipWidth(), s.homes(0).twipWidth());
        QCOMPARE(s.homes(wrong).twipHeight(), s.homes(0).twipHeight());
    }
    // The two resistors the other way round, a wrong answer on the fuse's box.
    const int placing[10] = {1, 0, 2, 3, 4, 5, 6, 10, 8, 9};
    for (int k = 0; k < 10; ++k) {
        QVERIFY(!s.commands(LabellingActivity::CheckScore).isVisible());
        pupil::dropOnTarget(s, placing[k], k);
    }
    QVERIFY(s.commands(LabellingActivity::CheckScore).isVisible());
    pupil::click(s.commands(LabellingActivity::CheckScore));
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("9 out of 10 correct"));
    pupil::dropOnTarget(s, 7, 7); // the fuse swaps the motor out
    pupil::click(s.commands(LabellingActivity::CheckScore));
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("10 out of 10 correct"));
}

void OwnPlayTest::checkScoreMarksEachBoxAndShowsTheAnswers()
{
    TestScreens t;
    LabellingActivity& s = play(t);
    const int placing[10] = {0, 1, 3, 2, 4, 5, 6, 7, 8, 11};
    for (int k = 0; k < 10; ++k)
        pupil::dropOnTarget(s, placing[k], k);
    QVERIFY(!s.commands(LabellingActivity::ShowAnswers).isVisible());
    pupil::click(s.commands(LabellingActivity::CheckScore));
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("7 out of 10 correct"));
    for (int k = 0; k < 10; ++k) {
        const bool right = k != 2 && k != 3 && k != 9;
        QVERIFY(s.marks(k).isVisible());
        QCOMPARE(s.marks(k).caption(), right ? QStringLiteral("\u2713") : QStringLiteral("\u2717"));
        QCOMPARE(s.marks(k).accessibleName(), QStringLiteral("Target %1 is %2").arg(k + 1).arg(right ? "right" : "wrong"));
        // It touches its own box, but stands beside it where there is room
        // (above the top row, below the bottom one), so the answer stays readable.
        const QRect mark = s.marks(k).geometry(), covered = mark & s.targets(k).geometry();
        QVERIFY(!covered.isEmpty());
        QVERIFY2(covered.width() * covered.height() * 4 < mark.width() * mark.height(), qPrintable(QString::number(k)));
    }
    // A new drop takes the marks away; the score line goes as before.
    pupil::dropOnTarget(s, 3, 2);
    QVERIFY(!s.marks(0).isVisible());
    QVERIFY(!s.scoreLine().isVisible());
    pupil::click(s.commands(LabellingActivity::CheckScore));
    QVERIFY(s.commands(LabellingActivity::ShowAnswers).isVisible());
    pupil::click(s.commands(LabellingActivity::ShowAnswers));
    for (int k = 0; k < 10; ++k)
        QCOMPARE(heldBy(s, k), k);
    QVERIFY(on(s.answers(11), s.homes(11)));
    pupil::click(s.commands(LabellingActivity::CheckScore));
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("10 out of 10 correct"));
    pupil::click(s.commands(LabellingActivity::StartAgain));
    QVERIFY(!s.marks(9).isVisible());
    QVERIFY(!s.commands(LabellingActivity::ShowAnswers).isVisible());
}

void OwnPlayTest::longAnswersWrapInATallerBox()
{
    OwnActivity a = crowded();
    a.labels[4].answer = QStringLiteral("variable resistor in series");
    TestScreens t;
    LabellingActivity& s = play(t, a);
    // Every answer at the size of our own boxes; the long one on more lines.
    QCOMPARE(s.answers(0).font().pixelSize(), forms::fontPixels(12));
    QVERIFY(s.targets(4).twipHeight() > s.targets(3).twipHeight());
    QCOMPARE(s.answers(4).twipHeight(), s.targets(4).twipHeight());
    const QFontMetrics metrics(s.answers(4).font());
    const QRect used = metrics.boundingRect(QRect(0, 0, forms::designPixels(s.answers(4).twipWidth()) - 4, 1000),
                                            Qt::TextWordWrap | Qt::AlignHCenter, s.answers(4).caption());
    QVERIFY(used.height() > metrics.lineSpacing());
    QVERIFY(used.height() + 4 <= forms::designPixels(s.answers(4).twipHeight()));
}

void OwnPlayTest::descriptionsAreSaid()
{
    TestScreens t;
    LabellingActivity& s = play(t);
    const auto* picture = s.findChild<forms::Image*>(QStringLiteral("picture"));
    QVERIFY(picture);
    QCOMPARE(picture->accessibleName(), QStringLiteral("A circuit of ten parts in a loop."));
    QCOMPARE(s.targets(5).accessibleDescription(), QStringLiteral("Target 6: points to part 6"));
}

QTEST_MAIN(OwnPlayTest)
#include "test_ownplay.moc"
