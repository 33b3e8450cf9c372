// The command line: help, version, starting on a screen, and refusing what it
// does not know without opening a window.
#include "app/commandline.h"
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
    QCOMPARE(request.fit, arguments.contains("--fit"));
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

QTEST_MAIN(CommandLineTest)
#include "test_commandline.moc"
