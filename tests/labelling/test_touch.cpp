// Several pupils at one multi-touch board: every finger drags its own answer
// label at the same time, each let go through the same drop pass as a drag.
#include "support/pupil.h"
#include "support/testscreens.h"
#include "labelling/activity.h"

#include <QPointingDevice>
#include <QTest>
#include <memory>

using labelling::LabellingActivity;

class TouchTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;
    QPointingDevice* board = nullptr;

    static QPoint middleOf(const forms::Control& c)
    {
        const forms::TwipRect r = c.twips();
        return pupil::pixelOf({r.left + r.width / 2, r.top + r.height / 2}, c.scale());
    }

private slots:
    void initTestCase()
    {
        initTestFonts();
        board = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    }
    void init() { screens = std::make_unique<TestScreens>(); }
    void cleanup() { screens.reset(); }

    // Fingers land on answers 0..n-1 (or, for -2, on bare screen), move in
    // steps together and lift together; answer a ends on target placing[a].
    void fingersDragAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("placing");
        QTest::addColumn<bool>("fingerOnNothing");
        QTest::newRow("four on their own targets") << "generator" << QList<int>{0, 1, 2, 3} << false;
        QTest::newRow("four crossed over") << "generator" << QList<int>{3, 2, 1, 0} << false;
        QTest::newRow("five, the house") << "house" << QList<int>{0, 1, 2, 3, 4} << false;
        QTest::newRow("four and a finger on nothing") << "generator" << QList<int>{1, 0, 3, 2} << true;
    }

    void fingersDragAtOnce()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, placing);
        QFETCH(bool, fingerOnNothing);
        LabellingActivity& screen = screens->open<LabellingActivity>(name);
        const int n = int(placing.size());
        std::vector<QPoint> from, to;
        for (int a = 0; a < n; ++a) {
            from.push_back(middleOf(screen.answers(a)));
            to.push_back(middleOf(screen.targets(placing[a])));
        }
        const QPoint bare = pupil::pixelOf({6000, 6500}, screen.scale());
        std::vector<QPointF> homes;
        for (int a = 0; a < screen.board.count(); ++a)
            homes.push_back(pupil::cornerOf(screen.answers(a)));

        {
            auto touch = QTest::touchEvent(&screen, board);
            for (int a = 0; a < n; ++a)
                touch.press(a, from[a]);
            if (fingerOnNothing)
                touch.press(n, bare);
        }
        QCOMPARE(int(screen.touches.held().size()), n);
        for (int step = 1; step <= 4; ++step) {
            auto touch = QTest::touchEvent(&screen, board);
            for (int a = 0; a < n; ++a)
                touch.move(a, from[a] + (to[a] - from[a]) * step / 4);
            if (fingerOnNothing)
                touch.move(n, bare + QPoint(40 * step, 0));
        }
        for (int a = 0; a < n; ++a) // every one on the move at once
            QVERIFY(pupil::cornerOf(screen.answers(a)) != homes[a]);
        {
            auto touch = QTest::touchEvent(&screen, board);
            for (int a = 0; a < n; ++a)
                touch.release(a, to[a]);
            if (fingerOnNothing)
                touch.release(n, bare + QPoint(160, 0));
        }
        QVERIFY(screen.touches.held().empty());
        for (int a = 0; a < n; ++a) // snapped by the drop pass
            QCOMPARE(pupil::cornerOf(screen.answers(a)), pupil::cornerOf(screen.targets(placing[a])));
        for (int a = n; a < screen.board.count(); ++a)
            QCOMPARE(pupil::cornerOf(screen.answers(a)), homes[a]);
        QCOMPARE(screen.commands(LabellingActivity::CheckScore).isVisible(), n == screen.board.count());
    }
};

QTEST_MAIN(TouchTest)
#include "test_touch.moc"
