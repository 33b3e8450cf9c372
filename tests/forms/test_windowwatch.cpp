// A window destroyed from outside the program counts as closed: its screen is
// unloaded, and with no window left the program ends instead of running unseen.
#include "forms/screen.h"
#include "forms/screens.h"
#include "forms/windowwatch.h"
#include "support/testscreens.h"

#include <QAbstractEventDispatcher>
#include <QTest>
#include <cstring>

class WindowWatchTest : public QObject {
    Q_OBJECT
private slots:
    void destroyedWindowIsClosed_data();
    void destroyedWindowIsClosed();
    void failingRequestsForTheGoneWindowAreQuiet();
};

namespace {
// The event as the xcb platform would hand it to the program's filters.
bool deliver(quint8 code, quint32 window)
{
    forms::WindowWatch::XDestroyEvent event{};
    event.responseType = code;
    event.event = event.window = window;
    qintptr result = 0;
    return QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &event, &result);
}

std::unique_ptr<forms::Screens> twoScreens(FakePlatform& fake)
{
    auto screens = std::make_unique<forms::Screens>(fake.platform());
    for (const char* name : {"first", "second"})
        screens->add(QLatin1String(name), [name](forms::Screens& s) {
            return std::make_unique<forms::Screen>(s, QLatin1String(name));
        });
    return screens;
}
} // namespace

void WindowWatchTest::destroyedWindowIsClosed_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<quint8>("code");
    QTest::addColumn<bool>("ours"); // the destroyed window is that of "first"
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("quits");
    const quint8 destroy = forms::WindowWatch::DestroyNotify;
    QTest::newRow("one of two") << QStringList{"first", "second"} << destroy << true << QStringList{"second"} << 0;
    QTest::newRow("the last one") << QStringList{"first"} << destroy << true << QStringList{} << 1;
    QTest::newRow("sent by another client") << QStringList{"first"} << quint8(destroy | 0x80) << true << QStringList{} << 1;
    QTest::newRow("a window not ours") << QStringList{"first"} << destroy << false << QStringList{"first"} << 0;
    QTest::newRow("another event") << QStringList{"first"} << quint8(18) << true << QStringList{"first"} << 0;
}

void WindowWatchTest::destroyedWindowIsClosed()
{
    QFETCH(QStringList, shown);
    QFETCH(quint8, code);
    QFETCH(bool, ours);
    QFETCH(QStringList, left);
    QFETCH(int, quits);
    FakePlatform fake;
    auto screens = twoScreens(fake);
    for (const QString& name : shown)
        screens->show(name);
    const auto window = static_cast<quint32>(screens->get("first").winId());
    QVERIFY(!deliver(code, ours ? window : window + 1000)); // Qt still sees it
    QTRY_COMPARE(screens->loadedNames(), left);
    QCOMPARE(fake.quits, quits);
}

void WindowWatchTest::failingRequestsForTheGoneWindowAreQuiet()
{
    FakePlatform fake;
    auto screens = twoScreens(fake);
    screens->show("first");
    screens->show("second");
    const auto window = static_cast<quint32>(screens->get("first").winId());
    const auto other = static_cast<quint32>(screens->get("second").winId());
    const auto badWindow = [](quint32 resource) {
        quint8 error[32] = {0, 3};
        std::memcpy(error + 4, &resource, sizeof resource);
        qintptr result = 0;
        return QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", error, &result);
    };
    QVERIFY(!badWindow(window));
    deliver(forms::WindowWatch::DestroyNotify, window);
    QVERIFY(badWindow(window));
    QVERIFY(!badWindow(other));
}

QTEST_MAIN(WindowWatchTest)
#include "test_windowwatch.moc"
