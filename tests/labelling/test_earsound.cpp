// The ear screen: its table, its pictures at their own size, the drop order
// where target zones overlap, a pupil's whole round by mouse, and the tuning
// fork animation: its pace, its step across an unload, and its independence
// from everything the pupil does.
#include "app/menu.h"
#include "labelling/earsound.h"
#include "labelling/tuningfork.h"
#include "support/pupil.h"
#include "support/testscreens.h"

#include <QtTest>
#include <map>
#include <set>

using labelling::EarSound;
using labelling::LabellingActivity;

namespace {

// Presses on the label's middle, moves the pointer to `release` (twips of the
// screen) and lets go there, as a pupil drags.
void dragTo(forms::Screen& screen, forms::Label& label, QPoint release)
{
    QTest::mousePress(&label, Qt::LeftButton, {}, label.rect().center());
    const QPoint halfway = (screen.mapFromGlobal(label.mapToGlobal(label.rect().center())) + release) / 2;
    QTest::mouseMove(&label, label.mapFrom(&screen, halfway));
    QTest::mouseMove(&label, label.mapFrom(&screen, release));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, label.mapFrom(&screen, release));
}

void dragOntoTarget(EarSound& ear, int answer, int target)
{
    const forms::Label& box = ear.targets(target);
    dragTo(ear, ear.answers(answer), pupil::pixelOf({box.left() + box.twipWidth() / 2, box.top() + box.twipHeight() / 2}, ear.scale()));
}

bool sameCorner(const forms::Control& a, const forms::Control& b) { return a.left() == b.left() && a.top() == b.top(); }

// Stacking order among a screen's direct children: later lies above.
int layer(const QWidget& screen, const QWidget& control) { return int(screen.children().indexOf(const_cast<QWidget*>(&control))); }

} // namespace

class TestEarSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initTestFonts(); }

    void table()
    {
        const labelling::ActivityData& d = labelling::earSoundActivity();
        QCOMPARE(d.screen, QStringLiteral("earsound"));
        QCOMPARE(d.items.size(), std::size_t(7));
        for (const labelling::Item& item : d.items) {
            QCOMPARE(item.width, 1965.0f);
            QCOMPARE(item.height, 375.0f);
        }
        QCOMPARE(d.pictures.size(), std::size_t(1));
        QVERIFY(!d.pictures[0].stretch);
        QVERIFY(!d.variants);

        // Twenty wave lines and seven leaders, lines(0) to lines(26) each once.
        QCOMPARE(d.lines.size(), std::size_t(27));
        std::set<int> indexes;
        for (const labelling::LineData& l : d.lines)
            indexes.insert(l.index);
        QCOMPARE(int(indexes.size()), 27);
        QCOMPARE(*indexes.begin(), 0);
        QCOMPARE(*indexes.rbegin(), 26);
    }

    // The wave's pen repeats every 960 twips: heavy at compressions, dashed at
    // rarefactions, thin in between.
    void waveLines()
    {
        std::map<float, const labelling::LineData*> wave; // by X
        for (const labelling::LineData& l : labelling::earSoundActivity().lines) {
            if (l.colour != QColor(192, 192, 192))
                continue;
            QCOMPARE(l.x1, l.x2);
            QCOMPARE(l.y1, 2280.0f);
            QCOMPARE(l.y2, 4920.0f);
            QCOMPARE(l.aboveAnswers, l.index == 26);
            wave[l.x1] = &l;
        }
        QCOMPARE(int(wave.size()), 20);
        QCOMPARE(wave.begin()->first, 1320.0f);
        QCOMPARE(wave.rbegin()->first, 5880.0f);
        // Layers crowd at a compression (heavy) and spread at a rarefaction
        // (dashed), which repeat a wavelength apart.
        for (auto at = std::next(wave.begin()); at != wave.end(); ++at) {
            const labelling::LineData& l = *at->second;
            if (l.width == 6) {
                QCOMPARE(int(l.x1 - 2040) % 960, 0);
                QCOMPARE(at->first - std::prev(at)->first, 120.0f);
            } else if (l.style == Qt::DashLine) {
                QCOMPARE(int(l.x1 - 1560) % 960, 0);
                QCOMPARE(std::next(at)->first - at->first, 360.0f);
            } else {
                QCOMPARE(l.width, 2);
            }
        }
    }

    // Every leader line touches its own target and ends on the thing its
    // answer names, outside the target.
    void leaderLines()
    {
        const labelling::ActivityData& d = labelling::earSoundActivity();
        const auto& leaders = labelling::earLeaders();
        QCOMPARE(int(leaders.size()), int(d.items.size()));
        const labelling::PicturePlace& ear = d.pictures[0];
        auto inside = [](float x, float y, const forms::TwipRect& r) {
            return r.left <= x && x <= r.left + r.width && r.top <= y && y <= r.top + r.height;
        };
        auto waveLineAt = [&d](float x, float y) -> const labelling::LineData* {
            for (const labelling::LineData& l : d.lines)
                if (l.colour == QColor(192, 192, 192) && l.x1 == x && l.y1 == y)
                    return &l;
            return nullptr;
        };
        for (int i = 0; i < int(leaders.size()); ++i) {
            const labelling::TargetLeader& leader = leaders[i];
            QCOMPARE(leader.target, i);
            const forms::TwipRect target = d.items[i].target();
            QVERIFY2(inside(leader.targetX, leader.targetY, target), qPrintable(d.items[i].answer));
            QVERIFY2(!inside(leader.partX, leader.partY, target), qPrintable(d.items[i].answer));
            const auto drawn = std::find_if(d.lines.begin(), d.lines.end(),
                                            [&](const labelling::LineData& l) { return l.index == leader.line; });
            QVERIFY(drawn != d.lines.end());
            QCOMPARE(drawn->colour, forms::Yellow);
            QCOMPARE(drawn->width, 3);
            const QString& answer = d.items[i].answer;
            if (answer == "tuning fork") {
                const forms::TwipRect fork = labelling::ForkPictureArea;
                QCOMPARE(leader.partY, fork.top);
                QVERIFY(fork.left < leader.partX && leader.partX < fork.left + fork.width);
            } else if (answer == "rarefaction" || answer == "compression") {
                const labelling::LineData* wave = waveLineAt(leader.partX, leader.partY);
                QVERIFY2(wave, qPrintable(answer));
                QCOMPARE(wave->style, answer == "rarefaction" ? Qt::DashLine : Qt::SolidLine);
                QCOMPARE(wave->width, answer == "rarefaction" ? 1 : 6);
            } else {
                QVERIFY2(inside(leader.partX, leader.partY, {ear.left, ear.top, ear.width, ear.height}),
                         qPrintable(answer));
            }
        }
    }

    void loadsAsDesigned()
    {
        TestScreens screens;
        screens->show("earsound");
        auto& ear = screens->get<EarSound>("earsound");
        QCOMPARE(ear.windowTitle(), QStringLiteral("The Ear"));
        QCOMPARE(ear.backColor(), QColor(9, 63, 137));
        QCOMPARE(ear.board.count(), 7);
        QCOMPARE(ear.answers(3).caption(), QStringLiteral("ear bones"));
        QCOMPARE(ear.targets(3).caption(), QStringLiteral(" 4."));
        // Pictures at their own size: the ear 400 x 300 pixels, the fork's
        // frames 80 x 320, frame 0 shown before the first tick.
        QCOMPARE(ear.pictures(0).twipWidth(), 6000.0f);
        QCOMPARE(ear.pictures(0).twipHeight(), 4500.0f);
        QCOMPARE(ear.fork().forkstep(), 0);
        QCOMPARE(ear.forkPicture.picture().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(QStringLiteral("Images/tuning0.bmp")).convertToFormat(QImage::Format_RGB32));
        QVERIFY(ear.forkPicture.testAttribute(Qt::WA_OpaquePaintEvent));
        QCOMPARE(ear.forkPicture.left(), 120.0f);
        QCOMPARE(ear.forkPicture.top(), 2160.0f);
        QCOMPARE(ear.forkPicture.twipWidth(), 1200.0f);
        QCOMPARE(ear.forkPicture.twipHeight(), 4800.0f);
        // Stepped by the program's clock, 30 steps a second.
        QVERIFY(screens->animationClock().isRunning());
        QCOMPARE(screens->animationClock().frameInterval(), 34);
        QVERIFY(!ear.scoreLine().isVisible());
        QVERIFY(!ear.commands(LabellingActivity::CheckScore).isVisible());
    }

    // The caption "sound wave" and the wave's first line lie above the answer
    // labels; the pictures lie beneath everything.
    void stacking()
    {
        TestScreens screens;
        screens->show("earsound");
        auto& ear = screens->get<EarSound>("earsound");
        const forms::Label* caption = ear.text("waveCaption");
        QVERIFY(caption);
        QCOMPARE(caption->caption(), QStringLiteral("sound wave"));
        for (int i = 0; i < 7; ++i) {
            QVERIFY(layer(ear, *caption) > layer(ear, ear.answers(i)));
            QVERIFY(layer(ear, ear.lines(26)) > layer(ear, ear.answers(i)));
            QVERIFY(layer(ear, ear.lines(24)) < layer(ear, ear.answers(i)));
            QVERIFY(layer(ear, ear.targets(i)) < layer(ear, ear.answers(i)));
        }
        QVERIFY(layer(ear, ear.forkPicture) < layer(ear, ear.lines(5)));
        QVERIFY(layer(ear, ear.pictures(0)) < layer(ear, ear.lines(3)));
        QVERIFY(layer(ear, ear.forkPicture) < layer(ear, ear.targets(0)));
    }

    // Targets 1 and 2, and targets 3 and 4, lie in rows whose capture zones
    // overlap: a label released in the overlap goes to the lower-numbered one.
    void dropWhereZonesOverlap_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QPoint>("release"); // pixels of the screen
        QTest::addColumn<int>("target");     // -1: stays where released
        // The label's corner lies half a label left and up of the pointer.
        QTest::newRow("left in 2962.5..3510: target 1, not 2") << 2 << QPoint(279, 99) << 1;
        QTest::newRow("near the overlap's right end: target 1") << 6 << QPoint(295, 99) << 1;
        QTest::newRow("right of 3510: target 2") << 1 << QPoint(300, 99) << 2;
        QTest::newRow("left in 8722.5..9150: target 3, not 4") << 4 << QPoint(660, 99) << 3;
        QTest::newRow("right of 9150: target 4") << 3 << QPoint(700, 99) << 4;
        QTest::newRow("top just inside the row") << 2 << QPoint(279, 117) << 1;
        QTest::newRow("below the row: nowhere") << 2 << QPoint(279, 118) << -1;
    }
    void dropWhereZonesOverlap()
    {
        QFETCH(int, answer);
        QFETCH(QPoint, release);
        QFETCH(int, target);
        TestScreens screens;
        screens->show("earsound");
        auto& ear = screens->get<EarSound>("earsound");
        forms::Label& label = ear.answers(answer);
        dragTo(ear, label, release);
        if (target >= 0) {
            QCOMPARE(label.left(), ear.targets(target).left());
            QCOMPARE(label.top(), ear.targets(target).top());
        } else {
            // Centred on the pointer, to within the half pixel the screen rounds to.
            QVERIFY(qAbs(label.left() - (forms::toTwips(release.x(), ear.scale()) - label.twipWidth() / 2)) <= 7.5f);
            QVERIFY(qAbs(label.top() - (forms::toTwips(release.y(), ear.scale()) - label.twipHeight() / 2)) <= 7.5f);
            for (int i = 0; i < 7; ++i)
                QVERIFY(!sameCorner(label, ear.targets(i)) && !sameCorner(label, ear.homes(i)));
        }
    }

    // A pupil's round: from the menu, every answer to its target, the score,
    // a fresh start and back to the menu.
    void pupilRound()
    {
        TestScreens screens;
        screens->show("menu3");
        auto& menu = screens->get<app::Menu>("menu3");
        QTest::mouseClick(&menu.topics(4), Qt::LeftButton);
        QVERIFY(screens->isLoaded("earsound"));
        auto& ear = screens->get<EarSound>("earsound");
        QVERIFY(ear.isVisible());
        forms::Label& checkScore = ear.commands(LabellingActivity::CheckScore);

        for (int i = 0; i < 7; ++i) {
            QVERIFY2(!checkScore.isVisible(), qPrintable(QString::number(i)));
            dragOntoTarget(ear, i, i);
            QVERIFY(sameCorner(ear.answers(i), ear.targets(i)));
        }
        QVERIFY(checkScore.isVisible());
        QTest::mouseClick(&checkScore, Qt::LeftButton);
        forms::Label& score = ear.scoreLine();
        QVERIFY(score.isVisible());
        QCOMPARE(score.name(), QStringLiteral("scoreLine"));
        QCOMPARE(score.caption(), QStringLiteral("7 out of 7 correct"));
        QCOMPARE(score.alignment(), forms::Label::Align::Left);
        QCOMPARE(score.left(), 8280.0f);
        // Sized to its text, which fits on the screen.
        QVERIFY(score.twipWidth() > 2500 && score.left() + score.twipWidth() <= 12000);

        // Two answers swapped: five right.
        dragOntoTarget(ear, 5, 6);
        QVERIFY(!score.isVisible());
        dragOntoTarget(ear, 6, 5);
        QTest::mouseClick(&checkScore, Qt::LeftButton);
        QCOMPARE(score.caption(), QStringLiteral("5 out of 7 correct"));

        QTest::mouseClick(&ear.commands(LabellingActivity::StartAgain), Qt::LeftButton);
        for (int i = 0; i < 7; ++i)
            QVERIFY(sameCorner(ear.answers(i), ear.homes(i)));
        QVERIFY(!checkScore.isVisible());
        QVERIFY(!score.isVisible());

        QTest::mouseClick(&ear.commands(LabellingActivity::Exit), Qt::LeftButton);
        QVERIFY(!screens->isLoaded("earsound"));
        QVERIFY(menu.isVisible());
    }

    // The fork's step belongs to the registration: a screen opened again
    // goes on from where it stopped, on a fresh set of labelling controls.
    void forkstepAcrossUnload()
    {
        TestScreens screens;
        auto* ear = &screens->get<EarSound>("earsound"); // loaded, not shown: the clock is idle
        for (int tick = 0; tick < 3; ++tick)
            ear->stepFork();
        QCOMPARE(ear->fork().forkstep(), 3);
        screens->show("earsound");
        dragOntoTarget(*ear, 0, 0);
        ear->runCommand(LabellingActivity::Exit);
        const int stopped = ear->fork().forkstep();
        TestScreens::flushDeletes();

        ear = &screens->get<EarSound>("earsound");
        QVERIFY(sameCorner(ear->answers(0), ear->homes(0)));
        QCOMPARE(ear->fork().forkstep(), stopped);
        const auto showing = [&ear](int frame) {
            const QImage file(QStringLiteral("Images/tuning%1.bmp").arg(frame));
            return !file.isNull() && ear->forkPicture.picture().toImage().convertToFormat(QImage::Format_RGB32)
                                         == file.convertToFormat(QImage::Format_RGB32);
        };
        QVERIFY(showing(labelling::forkFrameAt(stopped))); // where it stopped, before any tick
        ear->stepFork();
        const labelling::ForkTick next = labelling::nextForkTick(stopped);
        QCOMPARE(ear->fork().forkstep(), next.step);
        QVERIFY(showing(next.frame));
    }

    // The clock steps the fork while the screen is shown, and neither a
    // hidden nor an unloaded screen keeps it running.
    void timerRunsWhileShown()
    {
        TestScreens screens;
        screens->show("earsound");
        auto& ear = screens->get<EarSound>("earsound");
        const labelling::TuningFork& fork = ear.fork();
        const int start = fork.forkstep();
        QTRY_VERIFY(fork.forkstep() != start);
        QTRY_VERIFY(!ear.forkPicture.picture().isNull());
        ear.hide();
        QVERIFY(!screens->animationClock().isRunning());
        ear.show();
        QVERIFY(screens->animationClock().isRunning());
        // The fork outlives the screen: its registration holds it.
        ear.runCommand(LabellingActivity::Exit);
        QVERIFY(!screens->animationClock().isRunning());
        const int stopped = fork.forkstep();
        QTest::qWait(40);
        QCOMPARE(fork.forkstep(), stopped);
    }

    // Dragging, dropping and the commands leave the animation at its own
    // pace: the step moves only with the ticks.
    void animationUntouchedByPlay()
    {
        TestScreens screens;
        screens->show("earsound");
        auto& ear = screens->get<EarSound>("earsound");
        // Counts the clock's frames on the same screen, after the fork's.
        int ticks = 0;
        screens->animationClock().animate(ear, labelling::ForkStepsPerSecond, [&](double) { ++ticks; });
        const int before = ear.fork().forkstep();

        for (int i = 0; i < 7; ++i)
            dragOntoTarget(ear, i, (i + 1) % 7);
        ear.checkScore();
        ear.dropAnswer(2);
        ear.startAgain();
        emit ear.commands.moved(1, {});
        ear.moveOverBackground({});
        QVERIFY(screens->animationClock().isRunning());
        QCOMPARE(ear.fork().forkstep(), (before + ticks) % labelling::ForkSteps);
    }
};

QTEST_MAIN(TestEarSound)
#include "test_earsound.moc"
