// "Fit to Screen": one scale for every screen, from the display's size; the
// pixels change, the twips and the marks a pupil earns never do.
#include "support/pupil.h"
#include "forms/notice.h"
#include "support/testscreens.h"
#include "activity/fit.h"
#include "app/backdrop.h"
#include "app/openingscreen.h"
#include "forms/screen.h"
#include "labelling/activity.h"

#include <QTest>
#include <map>
#include <memory>

using labelling::LabellingActivity;

namespace {

// Where the screen puts its client area (a windowless test platform may add a frame).
QRect placed(const forms::Screen& s) { return forms::toPixels(forms::TwipRect{s.left(), s.top(), s.twipWidth(), s.twipHeight()}, s.scale()); }

using Layout = std::map<std::pair<QString, int>, std::tuple<float, float, float, float>>;

// Every control's twips, by design name and index.
Layout layoutOf(const forms::Screen& screen)
{
    Layout layout;
    for (const forms::Control* c : screen.findChildren<forms::Control*>()) {
        const forms::TwipRect r = c->twips();
        layout[{c->name(), c->index()}] = {r.left, r.top, r.width, r.height};
    }
    return layout;
}

} // namespace

class FitTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

    bool remembered() { return screens->fake->settings[activity::FitSettingKey].toBool(); }

private slots:
    void initTestCase() { initTestFonts(); }
    void init() { screens = std::make_unique<TestScreens>(); }
    void cleanup() { screens.reset(); }

    // The opening screen's client area at the scale of each display.
    void clientAreaFitsTheDisplay_data()
    {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<QRect>("clientArea");
        QTest::newRow("4:3, 1024 x 768") << QSize(1024, 768) << QRect(0, 0, 1024, 768);
        QTest::newRow("16:9, 1920 x 1080") << QSize(1920, 1080) << QRect(240, 0, 1440, 1080);
        QTest::newRow("16:9, 4K") << QSize(3840, 2160) << QRect(480, 0, 2880, 2160);
        QTest::newRow("16:10, 1280 x 800") << QSize(1280, 800) << QRect(107, 0, 1066, 800);
        QTest::newRow("portrait, 1080 x 1920") << QSize(1080, 1920) << QRect(0, 555, 1080, 810);
        QTest::newRow("smaller than the design, 640 x 480") << QSize(640, 480) << QRect(0, 0, 640, 480);
        QTest::newRow("the design's own size") << QSize(800, 600) << QRect(0, 0, 800, 600);
    }

    void clientAreaFitsTheDisplay()
    {
        QFETCH(QSize, display);
        QFETCH(QRect, clientArea);
        screens->fake->display = display;
        activity::fitToScreen(**screens, true);
        // Placed by its load, before a test platform's frame could move it.
        auto& intro = (*screens)->get<app::OpeningScreen>(app::OpeningScreen::Id);
        QCOMPARE(placed(intro), clientArea);
        QCOMPARE(intro.size(), clientArea.size());
        QCOMPARE(intro.twipWidth(), 12000.0f);
        QCOMPARE(intro.twipHeight(), 9000.0f);
        // Off again: the design's 800 x 600, centred, whatever the display.
        activity::fitToScreen(**screens, false);
        QCOMPARE((*screens)->scale(), 1.0f);
        QCOMPARE(intro.size(), QSize(800, 600));
        QCOMPARE(placed(intro).center(), QRect(QPoint(0, 0), display).center());
    }

    // Every twip of a labelling screen, and the score a pupil's drags earn,
    // are the same at every scale; the drags land at the scaled pixels.
    void twipsAndScoresUnchangedUnderScale_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("placing");
        QTest::addColumn<QString>("score");
        QTest::newRow("generator, all right") << "generator" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << "8 out of 8 correct";
        QTest::newRow("generator, two swapped") << "generator" << QList<int>{0, 1, 2, 3, 4, 6, 5, 7} << "6 out of 8 correct";
        QTest::newRow("house, all right") << "house" << QList<int>{0, 1, 2, 3, 4} << "5 out of 5 correct";
        QTest::newRow("house, interchangeable answers swapped") << "house" << QList<int>{0, 2, 1, 3, 4} << "5 out of 5 correct";
    }

    void twipsAndScoresUnchangedUnderScale()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, placing);
        QFETCH(QString, score);
        std::vector<Layout> layouts;
        for (const QSize display : {QSize(1024, 768), QSize(1920, 1080)}) {
            screens = std::make_unique<TestScreens>();
            screens->fake->display = display;
            activity::fitToScreen(**screens, display.width() > 1024);
            auto& screen = screens->open<LabellingActivity>(name);
            layouts.push_back(layoutOf(screen));
            for (int a = 0; a < placing.size(); ++a) {
                pupil::dropOnTarget(screen, a, placing[a]);
                QCOMPARE(pupil::cornerOf(screen.answers(a)), pupil::cornerOf(screen.targets(placing[a])));
            }
            pupil::click(screen.commands(LabellingActivity::CheckScore));
            QCOMPARE(screen.scoreLine().caption(), score);
        }
        QCOMPARE((*screens)->scale(), 1.8f);
        QVERIFY(layouts[0] == layouts[1]);
    }

    // Switching while screens are open places each of them anew at once: the
    // centred ones stay centred, the backdrop covers the display.
    void switchingReplacesOpenScreens()
    {
        screens->fake->display = QSizeF(1920, 1080);
        auto& intro = screens->open<app::OpeningScreen>(app::OpeningScreen::Id);
        pupil::click(intro.hideDesktop); // "Hide Desktop" loads the backdrop
        auto& screen = screens->open<LabellingActivity>(QStringLiteral("generator"));
        const QRect before = screen.answers(3).geometry();
        auto& backdrop = (*screens)->get(app::Backdrop::Id);
        for (const bool on : {true, false, true}) {
            activity::fitToScreen(**screens, on);
            const QRect area = on ? QRect(240, 0, 1440, 1080) : QRect(560, 240, 800, 600);
            QCOMPARE(intro.geometry(), area);
            QCOMPARE(screen.geometry(), area);
            QCOMPARE(backdrop.geometry(), QRect(0, 0, 1920, 1080));
            QCOMPARE(intro.picture().devicePixelRatio(), on ? 2.0 : 1.0); // its own backdrop read again
            QCOMPARE(screen.answers(3).geometry(),
                     on ? forms::toPixels(screen.answers(3).twips(), screen.scale()) : before);
        }
        QCOMPARE(screen.answers(3).geometry().width(), qRound(before.width() * 1.8));
    }

    // The Jotter, placed by its own rule, is centred across a fitted display too.
    void jotterCentredWhenFitted()
    {
        screens->fake->display = QSizeF(1920, 1080);
        activity::fitToScreen(**screens, true);
        const forms::Screen& pad = (*screens)->get(QStringLiteral("notepad"));
        QVERIFY(qAbs(placed(pad).center().x() - 960) <= 1);
        QCOMPARE(pad.twipWidth(), 10005.0f - 90);
    }

    // The box on the opening screen turns it on and off, is kept for the next
    // run, and shows the choice again when the screen is opened anew.
    void openingScreenBoxIsRemembered()
    {
        screens->fake->display = QSizeF(1920, 1080);
        auto& intro = screens->open<app::OpeningScreen>(app::OpeningScreen::Id);
        QCOMPARE(intro.fitToScreen.value(), 0);
        QVERIFY(!remembered());
        pupil::click(intro.fitToScreen);
        QCOMPARE((*screens)->scale(), 1.8f);
        QCOMPARE(intro.size(), QSize(1440, 1080));
        QVERIFY(remembered());
        (*screens)->unload(app::OpeningScreen::Id);
        QCOMPARE(screens->open<app::OpeningScreen>(app::OpeningScreen::Id).fitToScreen.value(), 1);
        pupil::click((*screens)->get<app::OpeningScreen>(app::OpeningScreen::Id).fitToScreen);
        QCOMPARE((*screens)->scale(), 1.0f);
        QVERIFY(!remembered());
    }

    // Settings that cannot be written: the choice holds for the run, and the
    // teacher is told so once, not at every tick.
    void unsavedChoiceToldOnce()
    {
        screens->fake->settingsWritable = false;
        auto& intro = screens->open<app::OpeningScreen>(app::OpeningScreen::Id);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be saved"));
        pupil::click(intro.fitToScreen);
        QVERIFY(activity::fitsToScreen(**screens));
        forms::Notice* told = forms::Notice::on(intro);
        QVERIFY(told && told->caption().contains("could not be saved"));
        pupil::click(*told);
        for (int tick = 0; tick < 3; ++tick)
            pupil::click(intro.fitToScreen);
        QVERIFY(!forms::Notice::on(intro));
    }
};

QTEST_MAIN(FitTest)
#include "test_fit.moc"
