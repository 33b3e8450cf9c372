// The animation clock: never faster than the display, and running only while
// a screen it animates is shown.
#include "forms/animationclock.h"

#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

class TestAnimationClock : public QObject {
    Q_OBJECT

private slots:
    // The clock keeps the pace of the fastest animation shown, never faster
    // than the display.
    void frameInterval_data()
    {
        QTest::addColumn<double>("refresh");
        QTest::addColumn<double>("asked");
        QTest::addColumn<int>("interval");
        QTest::newRow("unknown display: 60 Hz") << 0.0 << 120.0 << 17;
        QTest::newRow("asks 30 of an unknown display") << 0.0 << 30.0 << 34;
        QTest::newRow("50 Hz projector") << 50.0 << 60.0 << 20;
        QTest::newRow("59.94 Hz") << 59.94 << 60.0 << 17;
        QTest::newRow("30 Hz display") << 30.0 << 60.0 << 34;
        QTest::newRow("144 Hz display, asks 60") << 144.0 << 60.0 << 17;
    }
    void frameInterval()
    {
        QFETCH(double, refresh);
        QFETCH(double, asked);
        QFETCH(int, interval);
        forms::AnimationClock clock([refresh] { return refresh; });
        QWidget screen;
        clock.animate(screen, asked, [](double) {});
        screen.show();
        QCOMPARE(clock.frameInterval(), interval);
        QVERIFY(clock.frameInterval() >= 1000.0 / (refresh > 0 ? refresh : 60) - 0.001);
    }

    // Two animations of different paces on one clock: the slow one waits for
    // its own pace (give or take half a tick), however late the ticks come.
    void ownPaces()
    {
        forms::AnimationClock clock;
        QWidget screen;
        int fast = 0;
        std::vector<double> slow;
        clock.animate(screen, 40, [&](double) { ++fast; });
        clock.animate(screen, 10, [&](double seconds) { slow.push_back(seconds); });
        screen.show();
        QCOMPARE(clock.frameInterval(), 25);
        QTRY_VERIFY(slow.size() >= 4);
        QVERIFY(fast > int(slow.size()));
        for (std::size_t k = 1; k < slow.size(); ++k)
            QVERIFY2(slow[k] >= 0.1 - 0.025 / 2 - 0.002, qPrintable(QString::number(slow[k])));
    }

    // Two screens share the clock; it runs while either is shown and stops
    // when the last is hidden, minimised or destroyed.
    void runsOnlyWhileAScreenIsShown()
    {
        forms::AnimationClock clock;
        auto first = std::make_unique<QWidget>();
        auto second = std::make_unique<QWidget>();
        int frames = 0;
        clock.animate(*first, 60, [&](double) { ++frames; });
        clock.animate(*second, 60, [&](double) { ++frames; });
        QVERIFY(!clock.isRunning()); // loaded but never shown
        first->show();
        QVERIFY(clock.isRunning());
        QTRY_VERIFY(frames > 2);
        second->show();
        first->hide();
        QVERIFY(clock.isRunning());
        second->showMinimized();
        QTRY_VERIFY(!clock.isRunning());
        second->showNormal();
        QTRY_VERIFY(clock.isRunning());
        second.reset();
        QVERIFY(!clock.isRunning());
        first->show();
        QVERIFY(clock.isRunning());
        first.reset();
        QVERIFY(!clock.isRunning());
        const int stopped = frames;
        QTest::qWait(60);
        QCOMPARE(frames, stopped);
    }

    // The first frame after a screen appears moves nothing; later frames get
    // the time since the one before.
    void elapsedTime()
    {
        forms::AnimationClock clock;
        QWidget screen;
        std::vector<double> got;
        clock.animate(screen, 60, [&](double seconds) { got.push_back(seconds); });
        screen.show();
        QTRY_VERIFY(got.size() >= 3);
        QCOMPARE(got.front(), 0.0);
        for (std::size_t k = 1; k < got.size(); ++k)
            QVERIFY2(got[k] > 0.005 && got[k] < 2, qPrintable(QString::number(got[k])));
        screen.hide();
        got.clear();
        screen.show();
        QTRY_VERIFY(!got.empty());
        QCOMPARE(got.front(), 0.0);
    }
};

QTEST_MAIN(TestAnimationClock)
#include "test_animationclock.moc"
