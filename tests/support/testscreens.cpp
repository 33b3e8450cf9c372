#include "support/testscreens.h"
#include "activity/module1.h"
#include "app/register.h"
#include "forms/fonts.h"

#include <QCoreApplication>
#include <QEvent>

forms::Platform FakePlatform::platform()
{
    forms::Platform p;
    p.displaySize = [this] { return display; };
    p.shellOpen = [this](const QString& target, QWidget*) {
        opened << target;
        return shellWorks;
    };
    p.random = [this] {
        if (draws.empty()) return 0.0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    };
    p.quit = [this] { ++quits; };
    return p;
}

TestScreens::TestScreens()
{
    Module1::HideDesktop.reset();
    Module1::LabelCount.reset();
    screens = std::make_unique<forms::Screens>(fake->platform());
    app::registerEverything(*screens);
}

TestScreens::~TestScreens()
{
    screens.reset();
    flushDeletes();
}

void TestScreens::flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void initTestFonts() { forms::registerFonts(); }
