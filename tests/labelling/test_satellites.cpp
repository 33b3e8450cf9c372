// Satellites: the orbits over time (the true ratio of the periods, the
// geostationary satellite above one place of the turning Earth), the leader
// lines that follow the satellites, and the one animation clock, which runs
// only while an animated screen is shown.
#include "support/testscreens.h"
#include "labelling/activity.h"
#include "labelling/orbits.h"
#include "labelling/orbitview.h"
#include "labelling/satellites.h"

#include <QTest>
#include <cmath>

using labelling::OrbitView;

namespace {
double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }
const labelling::OrbitScene& scene() { return labelling::satelliteScene(); }
} // namespace

class SatellitesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initTestFonts(); }

    void orbitsOverTime_data()
    {
        QTest::addColumn<double>("seconds");
        for (double t : {0.0, 1.3, 5.0, 17.25, 36.0, 72.0, 100.7, 1000.0})
            QTest::addRow("%g s", t) << t;
    }

    // The geostationary satellite stays on the line from the Earth's centre
    // through one marked place of the turning globe; the polar one passes
    // round every polar period, which is 100 minutes to the day's 24 hours.
    void orbitsOverTime()
    {
        QFETCH(double, seconds);
        const labelling::OrbitScene& s = scene();
        QCOMPARE(s.longitudeBeneathGeostationary(seconds), s.geostationaryLongitude);
        const labelling::ViewPoint place = s.onSphere(s.earthRadius, 0, s.geostationaryLongitude, s.earthTurn(seconds));
        const labelling::ViewPoint satellite = s.geostationarySatellite(seconds);
        const QPointF expected = s.centre + (place.at - s.centre) * (s.geostationaryRadius / s.earthRadius);
        QVERIFY(distance(satellite.at, expected) < 0.01);
        QCOMPARE(satellite.nearSide, place.nearSide);

        const double polarPeriod = s.secondsPerDay * 100 / (24 * 60);
        QVERIFY(distance(s.polarSatellite(seconds).at, s.polarSatellite(seconds + polarPeriod).at) < 0.01);
        QVERIFY(distance(s.polarSatellite(seconds).at, s.polarSatellite(seconds + polarPeriod / 2).at) > s.polarRadius);
        QVERIFY(distance(s.geostationarySatellite(seconds).at, s.geostationarySatellite(seconds + s.secondsPerDay).at) < 0.01);
        // Each satellite stays on its orbit, clear of the globe.
        QVERIFY(std::abs(distance(s.polarSatellite(seconds).at, s.centre) - s.polarRadius) < 0.07 * s.polarRadius);
        QVERIFY(distance(satellite.at, s.centre) > s.earthRadius);
    }

    void periodRatio()
    {
        const labelling::OrbitScene& s = scene();
        QCOMPARE(s.polarAngle(s.secondsPerDay) / 360, 14.4);
        QCOMPARE(s.earthTurn(s.secondsPerDay), 360.0);
        QCOMPARE(s.geostationaryAngle(s.secondsPerDay) - s.geostationaryAngle(0), 360.0);
        // Over the north pole, then over the south pole half an orbit later.
        const QPointF north = s.onPolarOrbit(0).at, south = s.onPolarOrbit(180).at;
        QCOMPARE(north.x(), s.centre.x());
        QVERIFY(north.y() < s.centre.y() - s.earthRadius * 0.9 && south.y() > s.centre.y() + s.earthRadius * 0.9);
    }

    // The two moving leader lines run from their targets to the satellites,
    // wherever they are, and a step repaints only a small part of the view.
    void leadersFollowTheSatellites()
    {
        TestScreens screens;
        auto& screen = screens->get<labelling::LabellingActivity>("satellites"); // not shown: still
        auto* view = screen.findChild<OrbitView*>();
        QVERIFY(view);
        const OrbitView::Moving moving[] = {OrbitView::Polar, OrbitView::Geostationary};
        const int targets[] = {labelling::PolarSatelliteTarget, labelling::GeostationarySatelliteTarget};
        for (int step = 0; step < 40; ++step) {
            view->advance(0.37);
            for (int k = 0; k < 2; ++k) {
                const QPointF satellite = k == 0 ? scene().polarSatellite(view->seconds()).at
                                                 : scene().geostationarySatellite(view->seconds()).at;
                QVERIFY(distance(view->leaderEnd(moving[k]), satellite) < forms::TwipsPerPixel);
                const forms::TwipRect box = screen.targets(targets[k]).twips();
                QVERIFY(activity::distanceToBox(view->leaderStart(moving[k]), box) < 0.01f);
            }
            const QRect all = view->rect();
            qint64 repainted = 0;
            for (const QRect& r : view->lastRepaint())
                repainted += qint64(r.width()) * r.height();
            QVERIFY2(repainted < qint64(all.width()) * all.height() / 6, qPrintable(QString::number(repainted)));
        }
        QCOMPARE(view->seconds(), 40 * 0.37);
    }

    // One clock for the program: it runs while an animated screen is shown,
    // stops when it is hidden or closed, and a hidden diagram stands still.
    void clockStopsWhenScreensClose_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("earsound") << "earsound";
        QTest::newRow("satellites") << "satellites";
    }
    void clockStopsWhenScreensClose()
    {
        QFETCH(QString, screen);
        TestScreens screens;
        forms::AnimationClock& clock = screens->animationClock();
        QVERIFY(!clock.isRunning());
        screens->show(screen);
        auto& s = screens->get<labelling::LabellingActivity>(screen);
        QVERIFY(clock.isRunning());
        s.hide();
        QVERIFY(!clock.isRunning());
        if (auto* view = s.findChild<OrbitView*>()) {
            const double still = view->seconds();
            QTest::qWait(50);
            QCOMPARE(view->seconds(), still);
        }
        screens->show(screen);
        QVERIFY(clock.isRunning());
        if (auto* view = s.findChild<OrbitView*>())
            QTRY_VERIFY(view->seconds() > 0);
        s.runCommand(labelling::LabellingActivity::Exit);
        QVERIFY(!clock.isRunning());
        TestScreens::flushDeletes();
        QVERIFY(!clock.isRunning());
    }
};

QTEST_MAIN(SatellitesTest)
#include "test_satellites.moc"
