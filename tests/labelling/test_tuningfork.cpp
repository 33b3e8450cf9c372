// The tuning fork's cycle: which frame each step shows, and that every frame
// file is read only once.
#include "labelling/tuningfork.h"

#include <QtTest>

using labelling::TuningFork;

class TestTuningFork : public QObject {
    Q_OBJECT

private slots:
    void nextTick_data()
    {
        QTest::addColumn<int>("forkstep");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("frame");
        QTest::newRow("fresh: 0 shows frame 1") << 0 << 1 << 1;
        QTest::newRow("1 -> 2") << 1 << 2 << 2;
        QTest::newRow("2 -> 3") << 2 << 3 << 3;
        QTest::newRow("3 -> 4, the widest") << 3 << 4 << 4;
        QTest::newRow("4 -> 5: never above 4, back down to 3") << 4 << 5 << 3;
        QTest::newRow("5 -> 6: down to 2") << 5 << 6 << 2;
        QTest::newRow("6 -> 7: down to 1") << 6 << 7 << 1;
        QTest::newRow("7 wraps to 0, frame 0") << 7 << 0 << 0;
    }
    void nextTick()
    {
        QFETCH(int, forkstep);
        QFETCH(int, step);
        QFETCH(int, frame);
        const labelling::ForkTick next = labelling::nextForkTick(forkstep);
        QCOMPARE(next.step, step);
        QCOMPARE(next.frame, frame);
    }

    // From a fresh fork the ticks show 1 2 3 4 3 2 1 0 and then the same again.
    void sequenceFromFresh()
    {
        TuningFork fork([](const QString&, float) { return QPixmap(1, 1); });
        QCOMPARE(fork.forkstep(), 0);
        QList<int> shown;
        for (int tick = 0; tick < 17; ++tick)
            shown << fork.tick();
        QCOMPARE(shown, (QList<int>{1, 2, 3, 4, 3, 2, 1, 0, 1, 2, 3, 4, 3, 2, 1, 0, 1}));
        QCOMPARE(fork.forkstep(), 1);
    }

    void eachFrameReadOnce()
    {
        QStringList read;
        TuningFork fork([&read](const QString& file, float) {
            read << file;
            return QPixmap(10 + read.size(), 4);
        });
        for (int tick = 0; tick < 3 * labelling::ForkSteps; ++tick)
            fork.frame(fork.tick());
        QCOMPARE(read, (QStringList{"Images\\tuning1.bmp", "Images\\tuning2.bmp", "Images\\tuning3.bmp",
                                    "Images\\tuning4.bmp", "Images\\tuning0.bmp"}));
        // The picture kept is the one first read.
        QCOMPARE(fork.frame(1).width(), 11);
        QCOMPARE(fork.frame(0).width(), 15);
    }

    // Screens fitted anew read the frames again, at the new scale's resolution.
    void framesReadAgainForANewScale()
    {
        QList<float> scales;
        TuningFork fork([&scales](const QString&, float scale) {
            scales << scale;
            return QPixmap(1, 1);
        });
        fork.frame(0);
        fork.frame(0);
        fork.frame(0, 1.8f);
        fork.frame(1, 1.8f);
        fork.frame(0, 1.8f);
        fork.frame(0);
        QCOMPARE(scales, (QList<float>{1.0f, 1.8f, 1.8f, 1.0f}));
    }

    // A frame that cannot be read is asked for once and then stays null.
    void unreadableFrameTriedOnce()
    {
        int reads = 0;
        TuningFork fork([&reads](const QString& file, float) {
            ++reads;
            return file.contains(QLatin1Char('2')) ? QPixmap() : QPixmap(2, 2);
        });
        for (int tick = 0; tick < 2 * labelling::ForkSteps; ++tick)
            fork.frame(fork.tick());
        QCOMPARE(reads, labelling::ForkFrames);
        QVERIFY(fork.frame(2).isNull());
        QVERIFY(!fork.frame(3).isNull());
    }
};

QTEST_MAIN(TestTuningFork)
#include "test_tuningfork.moc"
