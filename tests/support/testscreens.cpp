#include "support/testscreens.h"
#include "app/register.h"
#include "forms/fonts.h"
#include "forms/twips.h"

#include <QCoreApplication>
#include <QEvent>

forms::Platform FakePlatform::platform()
{
    forms::Platform p;
    p.displayPixels = [this] { return display; };
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
    p.remember = [this](const QString& key, const QVariant& value) {
        if (!settingsWritable)
            return false;
        settings[key] = value;
        return true;
    };
    return p;
}

TestScreens::TestScreens()
{
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
