// Telling the teacher plainly that there is no display, before Qt would abort.
#include "forms/display.h"

#include <QTest>

class DisplayTest : public QObject {
    Q_OBJECT
private slots:
    void problem_data();
    void problem();
};

void DisplayTest::problem_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("socket"); // the one X socket that exists
    QTest::addColumn<bool>("fails");
    QTest::newRow("nothing set") << "" << "" << "" << "" << true;
    QTest::newRow("local display with its server") << ":99" << "" << "" << "/tmp/.X11-unix/X99" << false;
    QTest::newRow("local display, screen number") << ":0.0" << "" << "" << "/tmp/.X11-unix/X0" << false;
    QTest::newRow("local display without a server") << ":5" << "" << "" << "/tmp/.X11-unix/X99" << true;
    QTest::newRow("unix: form without a server") << "unix:3" << "" << "" << "" << true;
    QTest::newRow("remote display is not checked") << "host:10.0" << "" << "" << "" << false;
    QTest::newRow("wayland") << "" << "wayland-0" << "" << "" << false;
    QTest::newRow("a chosen Qt platform") << "" << "" << "offscreen" << "" << false;
}

void DisplayTest::problem()
{
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QString, platform);
    QFETCH(QString, socket);
    QFETCH(bool, fails);
    const QString why = forms::displayProblem(display, wayland, platform, [&](const QString& p) { return p == socket; });
    QCOMPARE(!why.isEmpty(), fails);
}

QTEST_GUILESS_MAIN(DisplayTest)
#include "test_display.moc"
