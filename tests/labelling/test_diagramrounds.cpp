// The Atom, Background Radiation and Satellites screens: a pupil's round from
// the menu to the score and back, the pie chart's sectors against their data,
// and the atom's particles where the leader lines end.
#include "support/pupil.h"
#include "support/testscreens.h"
#include "app/menu.h"
#include "labelling/activity.h"
#include "labelling/atom.h"
#include "labelling/background.h"

#include <QTest>
#include <cmath>
#include <numeric>

using labelling::LabellingActivity;

namespace {
double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }
} // namespace

class DiagramRoundsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initTestFonts(); }

    void pupilRound_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("count");
        QTest::newRow("atom") << "menu4" << 0 << "atom" << "The Structure of an Atom" << 8;
        QTest::newRow("background") << "menu4" << 2 << "background" << "Background Radiation" << 6;
        QTest::newRow("satellites") << "menu5" << 3 << "satellites" << "Satellites" << 6;
    }

    // From the menu: every answer on its own target scores N out of N, two
    // swapped N - 2; "Start Again" sends every label home; "Exit" uncovers the menu.
    void pupilRound()
    {
        QFETCH(QString, menu);
        QFETCH(int, row);
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(int, count);
        TestScreens screens;
        screens->show(menu);
        pupil::click(screens->get<app::Menu>(menu).topics(row));
        QVERIFY(screens->isLoaded(screen));
        auto& s = screens->get<LabellingActivity>(screen);
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.windowTitle(), caption);
        QCOMPARE(s.board.count(), count);
        forms::Label& checkScore = s.commands(LabellingActivity::CheckScore);
        for (int i = 0; i < count; ++i) {
            QVERIFY(!checkScore.isVisible());
            pupil::dropOnTarget(s, i, i);
            QCOMPARE(pupil::cornerOf(s.answers(i)), pupil::cornerOf(s.targets(i)));
        }
        QVERIFY(checkScore.isVisible());
        pupil::click(checkScore);
        QCOMPARE(s.scoreLine().caption(), QStringLiteral("%1 out of %2 correct").arg(count).arg(count));
        pupil::dropOnTarget(s, 0, 1);
        pupil::dropOnTarget(s, 1, 0);
        pupil::click(checkScore);
        QCOMPARE(s.scoreLine().caption(), QStringLiteral("%1 out of %2 correct").arg(count - 2).arg(count));
        pupil::click(s.commands(LabellingActivity::StartAgain));
        for (int i = 0; i < count; ++i)
            QCOMPARE(pupil::cornerOf(s.answers(i)), pupil::cornerOf(s.homes(i)));
        pupil::click(s.commands(LabellingActivity::Exit));
        QVERIFY(!screens->isLoaded(screen));
        QVERIFY(screens->get<app::Menu>(menu).isVisible());
    }

    void equalSlicesInterchange_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("score");
        QTest::newRow("ground and medical, both 14 %") << 1 << 2 << 6;
        QTest::newRow("food and cosmic rays, 11.5 % and 10 %") << 3 << 4 << 6;
        QTest::newRow("radon and ground") << 0 << 1 << 4;
        QTest::newRow("medical and food") << 2 << 3 << 4;
    }

    // The two 14 % slices look alike, as do the 11.5 % and 10 % ones, so
    // their labels count either way round; every other swap still costs two marks.
    void equalSlicesInterchange()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, score);
        TestScreens screens;
        auto& s = screens.open<LabellingActivity>("background");
        for (int i = 0; i < s.board.count(); ++i)
            pupil::dropOnTarget(s, i, i == first ? second : i == second ? first : i);
        pupil::click(s.commands(LabellingActivity::CheckScore));
        QCOMPARE(s.scoreLine().caption(), QStringLiteral("%1 out of 6 correct").arg(score));
    }

    // Each sector's angle is its share of 360 degrees; radon is about half,
    // the nuclear sliver under one per cent; each leader ends within its own
    // sector, inside the circle.
    void pieSectors()
    {
        const labelling::PieChart& pie = labelling::backgroundChart();
        const labelling::ActivityData& d = labelling::backgroundActivity();
        const int count = int(pie.sectors.size());
        QCOMPARE(count, int(d.items.size()));
        double total = 0;
        for (int i = 0; i < count; ++i) {
            QCOMPARE(pie.sweep(i), pie.sectors[std::size_t(i)].percent * 3.6);
            QCOMPARE(pie.startAngle(i), total);
            total += pie.sweep(i);
            QCOMPARE(d.items[std::size_t(i)].answer, pie.sectors[std::size_t(i)].source);
        }
        QCOMPARE(total, 360.0);
        QVERIFY(pie.sweep(0) >= 170 && pie.sweep(0) <= 190);
        QVERIFY(pie.sectors.back().percent < 1);
        for (int i = 0; i < count; ++i) {
            const auto leader = activity::leaderFrom(d.lines, d.items[std::size_t(i)].target(), activity::TargetReach);
            QVERIFY(leader);
            const QPointF v = leader->atPart - pie.centre;
            QVERIFY(std::hypot(v.x(), v.y()) < pie.radius);
            double angle = std::atan2(v.x(), -v.y()) * 180 / M_PI; // clockwise from the top
            if (angle < 0)
                angle += 360;
            QVERIFY2(pie.startAngle(i) < angle && angle < pie.startAngle(i) + pie.sweep(i),
                     qPrintable(pie.sectors[std::size_t(i)].source));
        }
    }

    // Lithium: three protons, four neutrons, two electrons on the inner shell
    // and one on the outer; each particle's leader ends on one of its kind,
    // and each key symbol lies on the line of its charge target.
    void atomParticles()
    {
        using labelling::Particle;
        const labelling::AtomDrawing& a = labelling::atomDrawing();
        const labelling::ActivityData& d = labelling::atomActivity();
        auto count = [&](Particle kind, float shell) {
            return std::count_if(a.particles.begin(), a.particles.end(), [&](const labelling::PlacedParticle& p) {
                return p.kind == kind && (shell < 0 || std::abs(distance(p.centre, a.centre) - shell) < 1);
            });
        };
        QCOMPARE(count(Particle::Proton, -1), 3);
        QCOMPARE(count(Particle::Neutron, -1), 4);
        QCOMPARE(count(Particle::Electron, a.shells[0]), 2);
        QCOMPARE(count(Particle::Electron, a.shells[1]), 1);
        auto end = [&](int target) {
            return activity::leaderFrom(d.lines, d.items[std::size_t(target)].target(), activity::TargetReach)->atPart;
        };
        const std::pair<int, Particle> named[] = {{1, Particle::Proton}, {2, Particle::Neutron}, {3, Particle::Electron}};
        for (const auto& [target, kind] : named) {
            QVERIFY(std::any_of(a.particles.begin(), a.particles.end(), [&](const labelling::PlacedParticle& p) {
                return p.kind == kind && distance(p.centre, end(target)) <= a.radius(kind);
            }));
        }
        QVERIFY(distance(end(0), a.centre) <= a.nucleusRadius);
        QVERIFY(std::abs(distance(end(4), a.centre) - a.shells.back()) < 1);
        const Particle charged[] = {Particle::Proton, Particle::Neutron, Particle::Electron};
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(a.key[std::size_t(k)].kind, charged[k]);
            QVERIFY(distance(end(5 + k), a.key[std::size_t(k)].centre) <= a.nucleonRadius);
        }
    }
};

QTEST_MAIN(DiagramRoundsTest)
#include "test_diagramrounds.moc"
