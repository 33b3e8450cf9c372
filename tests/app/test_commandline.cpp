// The command line: help, version, starting on a screen, and refusing what it
// does not know without opening a window.
#include "activity/fit.h"
#include "app/commandline.h"
#include "app/openingscreen.h"
#include "support/pupil.h"
#include "support/testscreens.h"

#include <QTest>

using app::StartRequest;
using Action = StartRequest::Action;

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }
    void reads_data();
    void reads();
    void everyOpenableScreenIsRegistered();
    void firstScreenStandsInFrontOfWhereExitLeads_data();
    void firstScreenStandsInFrontOfWhereExitLeads();
    void fitOptionsHoldForThisRunOnly_data();
    void fitOptionsHoldForThisRunOnly();
};

void CommandLineTest::reads_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("says"); // a part of the message
    QTest::newRow("nothing") << QStringList{} << int(Action::Run) << "" << "";
    QTest::newRow("help") << QStringList{"--help"} << int(Action::Help) << "" << "--open <SCREEN>";
    QTest::newRow("short help") << QStringList{"-h"} << int(Action::Help) << "" << "Usage: tavrenel";
    QTest::newRow("version") << QStringList{"--version"} << int(Action::Version) << ""
                             << QStringLiteral("tavrenel %1\n").arg(TAVRENEL_VERSION);
    QTest::newRow("a menu") << QStringList{"--open", "menu3"} << int(Action::Run) << "menu3" << "";
    QTest::newRow("an activity") << QStringList{"--open=generator"} << int(Action::Run) << "generator" << "";
    QTest::newRow("fitted, on a menu") << QStringList{"--fit", "--open", "menu1"} << int(Action::Run) << "menu1" << "";
    QTest::newRow("not fitted") << QStringList{"--no-fit"} << int(Action::Run) << "" << "";
    QTest::newRow("help names both") << QStringList{"--help"} << int(Action::Help) << "" << "--no-fit";
    QTest::newRow("fitted and not") << QStringList{"--fit", "--no-fit"} << int(Action::Refuse) << ""
                                    << "--fit and --no-fit cannot both be given";
    QTest::newRow("unknown screen") << QStringList{"--open", "menu9"} << int(Action::Refuse) << ""
                                    << "no screen 'menu9'";
    QTest::newRow("a screen the menus do not open") << QStringList{"--open", "Grey"} << int(Action::Refuse) << ""
                                                    << "no screen 'Grey'";
    QTest::newRow("open without a screen") << QStringList{"--open"} << int(Action::Refuse) << "" << "Missing value";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << int(Action::Refuse) << "" << "Unknown option 'bogus'";
    QTest::newRow("stray word") << QStringList{"menu3"} << int(Action::Refuse) << "" << "unexpected argument 'menu3'";
}

void CommandLineTest::reads()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, screen);
    QFETCH(QString, says);
    const StartRequest request = app::readCommandLine(QStringList{"/usr/bin/tavrenel"} + arguments);
    QCOMPARE(int(request.action), action);
    QCOMPARE(request.screen, screen);
    QVERIFY2(request.message.contains(says), qPrintable(request.message));
    // Unset unless asked: then the remembered choice holds.
    const bool asked = request.action == Action::Run && (arguments.contains("--fit") || arguments.contains("--no-fit"));
    QCOMPARE(request.fit.has_value(), asked);
    if (asked)
        QCOMPARE(*request.fit, arguments.contains("--fit"));
    if (request.action == Action::Refuse) {
        // One line saying what is wrong, then the list of screens.
        const QStringList lines = request.message.split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[1].startsWith("Screens: intro0, menu1"));
    }
}

void CommandLineTest::everyOpenableScreenIsRegistered()
{
    TestScreens t;
    for (const QString& screen : app::openableScreens())
        QVERIFY2(t->knows(screen), qPrintable(screen));
}

void CommandLineTest::firstScreenStandsInFrontOfWhereExitLeads_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("loaded");
    QTest::newRow("title") << "" << QStringList{"Titlefrm"};
    QTest::newRow("menu") << "menu3" << QStringList{"menu3"};
    QTest::newRow("activity") << "generator" << QStringList{"generator", "menu2"};
    QTest::newRow("guide page") << "TeacherGuide2" << QStringList{"TeacherGuide2", "intro0"};
}

void CommandLineTest::firstScreenStandsInFrontOfWhereExitLeads()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, loaded);
    TestScreens t;
    app::showFirstScreen(*t, screen);
    QStringList names = t->loadedNames();
    names.sort();
    loaded.sort();
    QCOMPARE(names, loaded);
}

void CommandLineTest::fitOptionsHoldForThisRunOnly_data()
{
    QTest::addColumn<bool>("remembered");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("fitted");
    QTest::newRow("--fit, nothing remembered") << false << QStringList{"--fit"} << true;
    QTest::newRow("--fit, fit remembered") << true << QStringList{"--fit"} << true;
    QTest::newRow("--no-fit, fit remembered") << true << QStringList{"--no-fit"} << false;
    QTest::newRow("neither, fit remembered") << true << QStringList{} << true;
    QTest::newRow("neither, nothing remembered") << false << QStringList{} << false;
}

// "--fit" and "--no-fit" set this run only: the opening screen's box shows
// what was remembered and leaves the run as asked, and the next start
// without either is as remembered. The box itself still switches at once.
void CommandLineTest::fitOptionsHoldForThisRunOnly()
{
    QFETCH(bool, remembered);
    QFETCH(QStringList, arguments);
    QFETCH(bool, fitted);
    const auto scaleOf = [](bool fit) { return fit ? 1.8f : 1.0f; }; // 1920 x 1080
    TestScreens run;
    run.fake->display = {1920, 1080};
    if (remembered)
        run.fake->settings[activity::FitSettingKey] = true;
    activity::startFitted(*run, app::readCommandLine(QStringList{"tavrenel"} + arguments).fit);
    auto& intro = run.open<app::OpeningScreen>(app::OpeningScreen::Id);
    QCOMPARE(intro.fitToScreen.value(), int(remembered));
    QCOMPARE(run->scale(), scaleOf(fitted));
    QCOMPARE(activity::fittedThisRun(*run), fitted);
    QCOMPARE(run.fake->settings[activity::FitSettingKey].toBool(), remembered);

    TestScreens next;
    next.fake->display = {1920, 1080};
    next.fake->settings = run.fake->settings;
    activity::startFitted(*next, std::nullopt);
    QCOMPARE(next->scale(), scaleOf(remembered));

    pupil::click(intro.fitToScreen);
    QCOMPARE(run->scale(), scaleOf(!remembered));
    QCOMPARE(run.fake->settings[activity::FitSettingKey].toBool(), !remembered);
}

QTEST_MAIN(CommandLineTest)
#include "test_commandline.moc"
