// Telling the teacher plainly that there is no display, before Qt would abort,
// and catching the start Qt would still abort on.
#include "forms/display.h"

#include <QTest>

class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void problem_data();
    void problem();
    void failedPlatformStartEndsWithOneLineOfOurOwn();
    void startThatSucceedsPassesQtsMessagesOn();
};

void DisplayTest::problem_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("socket"); // the one socket that exists
    QTest::addColumn<bool>("fails");
    QTest::newRow("nothing set") << "" << "" << "" << "" << true;
    QTest::newRow("local display with its server") << ":99" << "" << "" << "/tmp/.X11-unix/X99" << false;
    QTest::newRow("local display, screen number") << ":0.0" << "" << "" << "/tmp/.X11-unix/X0" << false;
    QTest::newRow("local display without a server") << ":5" << "" << "" << "/tmp/.X11-unix/X99" << true;
    QTest::newRow("unix: form without a server") << "unix:3" << "" << "" << "" << true;
    QTest::newRow("not a display name") << "garbage" << "" << "" << "" << true;
    QTest::newRow("display number missing") << "host:" << "" << "" << "" << true;
    QTest::newRow("screen number of a running server: asked at start") << ":93.5" << "" << "" << "/tmp/.X11-unix/X93" << false;
    QTest::newRow("remote display: asked at start") << "localhost:193" << "" << "" << "" << false;
    QTest::newRow("wayland") << "" << "wayland-0" << "" << "/run/user/1000/wayland-0" << false;
    QTest::newRow("wayland without its socket") << "" << "wayland-9" << "" << "/run/user/1000/wayland-0" << true;
    QTest::newRow("wayland socket by full path") << "" << "/tmp/w/wayland-1" << "" << "/tmp/w/wayland-1" << false;
    QTest::newRow("a chosen Qt platform") << "" << "" << "offscreen" << "" << false;
}

void DisplayTest::problem()
{
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, platform);
    QFETCH(QString, socket);
    QFETCH(bool, fails);
    const forms::DisplaySettings settings{display, wayland, platform, QStringLiteral("/run/user/1000")};
    const QString why = forms::displayProblem(settings, [&](const QString& p) { return p == socket; });
    QCOMPARE(!why.isEmpty(), fails);
    QVERIFY(!why.contains(QLatin1Char('\n')));
}

// Qt ends a start it cannot make with a fatal message and an abort; the guard
// turns that into the program's own single line, naming the display.
void DisplayTest::failedPlatformStartEndsWithOneLineOfOurOwn()
{
    QStringList passedOn;
    static QStringList* seen = nullptr;
    seen = &passedOn;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { *seen << m; });
    QStringList failures;
    {
        const forms::DisplaySettings settings{QStringLiteral("localhost:193"), {}, {}, {}};
        forms::PlatformStartGuard guard(settings, [&](const QString& why) { failures << why; });
        const QMessageLogContext context;
        guard.take(QtWarningMsg, context, QStringLiteral("could not connect to display localhost:193"));
        guard.take(QtFatalMsg, context, QStringLiteral("This application failed to start ... Reinstalling ..."));
        QCOMPARE(failures.size(), 1);
    }
    qInstallMessageHandler(nullptr);
    QVERIFY(failures[0].contains(QLatin1String("localhost:193")));
    QVERIFY(!failures[0].contains(QLatin1String("Reinstalling")));
    QVERIFY(!failures[0].contains(QLatin1Char('\n')));
    QVERIFY2(passedOn.isEmpty(), qPrintable(passedOn.join('|'))); // Qt's own lines stay back
}

void DisplayTest::startThatSucceedsPassesQtsMessagesOn()
{
    QStringList passedOn;
    static QStringList* seen = nullptr;
    seen = &passedOn;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { *seen << m; });
    bool failed = false;
    {
        forms::PlatformStartGuard guard(forms::DisplaySettings{QStringLiteral(":0"), {}, {}, {}},
                                        [&](const QString&) { failed = true; });
        qWarning("a warning while starting");
        QVERIFY(passedOn.isEmpty()); // held until the start is known to have worked
    }
    qWarning("a warning afterwards");
    qInstallMessageHandler(nullptr);
    QVERIFY(!failed);
    QCOMPARE(passedOn, (QStringList{"a warning while starting", "a warning afterwards"}));
}

QTEST_GUILESS_MAIN(DisplayTest)
#include "test_display.moc"
