#pragma once
// What every screen test needs: a registry with replaced seams (a display of a
// chosen size, a recording desktop shell, a scripted random source, a quit that
// only counts, settings that are never the user's own).

#include "forms/platform.h"
#include "forms/screens.h"

#include <QSizeF>
#include <QTest>
#include <QStringList>
#include <deque>
#include <map>
#include <memory>

struct FakePlatform {
    QSizeF display{1024, 768};    // pixels
    QStringList opened;           // what the shell was asked to open
    bool shellWorks = true;       // false: the shell reports it cannot open anything
    std::deque<double> draws;     // next random numbers; 0 when run out
    int quits = 0;
    std::map<QString, QVariant> settings; // kept between runs, never the user's own
    bool settingsWritable = true;

    forms::Platform platform();
};

// A registry of every screen the program has, on a fake platform.
struct TestScreens {
    std::shared_ptr<FakePlatform> fake = std::make_shared<FakePlatform>();
    std::unique_ptr<forms::Screens> screens;

    TestScreens();
    ~TestScreens();
    forms::Screens& operator*() { return *screens; }
    forms::Screens* operator->() { return screens.get(); }
    // Destroys the screens that were unloaded, as the event loop would.
    static void flushDeletes();

    // Shows the screen and waits until the display has it.
    template <class T = forms::Screen>
    T& open(const QString& name)
    {
        screens->show(name);
        T& screen = screens->get<T>(name);
        if (!QTest::qWaitForWindowExposed(&screen))
            qWarning("%s was not exposed", qPrintable(name));
        return screen;
    }
};

// Called from each test program's initTestCase.
void initTestFonts();
