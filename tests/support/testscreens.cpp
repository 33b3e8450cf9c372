#include "support/testscreens.h"
#include "app/catalogue.h"
#include "app/myactivities.h"
#include "app/register.h"
#include "labelling/editor/labeleditor.h"
#include "forms/fonts.h"
#include "forms/twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>

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
    // A teacher's activities come from a folder of this registry's own, never
    // the user's, and no desktop dialog opens: a test that needs one gives its own.
    auto folder = std::make_shared<QTemporaryDir>();
    const QString activities = folder->filePath(QStringLiteral("activities"));
    screens->add(app::MyActivities::Id, [folder, activities](forms::Screens& s) {
        app::MyActivitiesPlaces places{{activities, {}}, folder->filePath(QStringLiteral("index.json")), {}, {}, {}};
        return std::make_unique<app::MyActivities>(s, app::ownKinds(), places);
    });
    labelling::registerLabelEditor(*screens, activities);
}

TestScreens::~TestScreens()
{
    screens.reset();
    flushDeletes();
}

void TestScreens::flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void initTestFonts() { forms::registerFonts(); }
