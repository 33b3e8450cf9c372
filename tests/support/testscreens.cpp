#include "support/testscreens.h"
#include "activity/fit.h"
#include "activity/module1.h"
#include "app/register.h"
#include "forms/fonts.h"
#include "forms/twips.h"

#include <QCoreApplication>
#include <QEvent>

forms::Platform FakePlatform::platform()
{
    forms::Platform p;
    // The display's pixels stay; its twips follow the scale, as on a real display.
    p.displaySize = [this] { return display / forms::pixelScale(); };
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
    p.setting = [this](const QString& key) {
        const auto it = settings.find(key);
        return it == settings.end() ? QVariant() : it->second;
    };
    p.remember = [this](const QString& key, const QVariant& value) { settings[key] = value; };
    return p;
}

TestScreens::TestScreens()
{
    Module1::HideDesktop.reset();
    Module1::LabelCount.reset();
    activity::FitToScreen = false;
    forms::setPixelScale(1.0f);
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
