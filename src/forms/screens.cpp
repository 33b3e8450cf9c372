#include "forms/screens.h"
#include "forms/accessible.h"
#include "forms/screen.h"
#include "forms/twips.h"
#include "forms/windowwatch.h"

#include <QTimer>

namespace forms {

Screens::Screens(Platform platform) : platform_(std::move(platform)), watch_(std::make_unique<WindowWatch>(*this))
{
    installAccessibility();
}

Screens::~Screens()
{
    watch_.reset();
    for (auto& [name, screen] : loaded_)
        delete screen;
    for (const QPointer<Screen>& screen : unloaded_)
        delete screen.data();
}

void Screens::add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

Screen* Screens::find(const QString& name) const
{
    const auto it = loaded_.find(name);
    return it == loaded_.end() ? nullptr : it->second;
}

Screen& Screens::get(const QString& name)
{
    if (Screen* screen = find(name))
        return *screen;
    const auto factory = factories_.find(name);
    if (factory == factories_.end())
        throw std::logic_error("no screen named " + name.toStdString());
    Screen* screen = factory->second(*this).release();
    // Registered before its load runs, so that the load may show the screen itself.
    loaded_[name] = screen;
    screen->load();
    return *screen;
}

void Screens::show(const QString& name)
{
    Screen& screen = get(name);
    screen.show();
    screen.raise();
    if (!(screen.windowFlags() & Qt::WindowDoesNotAcceptFocus))
        screen.activateWindow();
    // A screen that stays on top goes back above the one just raised, also
    // where no window manager keeps it there.
    for (const auto& [other, loaded] : loaded_)
        if (loaded != &screen && loaded->isVisible() && loaded->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            loaded->raise();
}

void Screens::unload(const QString& name)
{
    const auto it = loaded_.find(name);
    if (it == loaded_.end())
        return;
    Screen* screen = it->second;
    loaded_.erase(it);
    // The screen may be unloading itself from inside one of its own handlers:
    // it is hidden and silenced now, and destroyed once that handler returns.
    for (QTimer* timer : screen->findChildren<QTimer*>())
        timer->stop();
    screen->hide();
    screen->setEnabled(false);
    screen->deleteLater();
    std::erase_if(unloaded_, [](const QPointer<Screen>& s) { return s.isNull(); });
    unloaded_.emplace_back(screen);
}

QStringList Screens::loadedNames() const
{
    QStringList names;
    for (const auto& [name, screen] : loaded_)
        names << name;
    return names;
}

QSizeF Screens::displaySize() const
{
    return platform_.displayPixels ? platform_.displayPixels() * double(twipsPerPixel(scale_)) : QSizeF();
}

void Screens::setScale(float scale)
{
    const QSizeF before = displaySize();
    scale_ = scale > 0 ? scale : 1.0f;
    const QSizeF now = displaySize();
    for (const auto& [name, screen] : loaded_)
        screen->rescaled(before, now);
}

QVariant Screens::setting(const QString& key) const
{
    const auto it = choices_.find(key);
    if (it != choices_.end())
        return it->second;
    return platform_.setting ? platform_.setting(key) : QVariant();
}

void Screens::chooseForThisRun(const QString& key, const QVariant& value) { choices_[key] = value; }

bool Screens::choose(const QString& key, const QVariant& value)
{
    chooseForThisRun(key, value);
    return !platform_.remember || platform_.remember(key, value);
}

void Screens::endProgram()
{
    if (platform_.quit)
        platform_.quit();
}

void Screens::closedByUser(const QString& name)
{
    unload(name);
    // With no window left to work in (a borderless backdrop is not one), the
    // program ends rather than leave the teacher facing an empty display.
    for (const auto& [other, screen] : loaded_)
        if (screen->isVisible() && !(screen->windowFlags() & Qt::FramelessWindowHint))
            return;
    endProgram();
}

QStringList Screens::registeredNames() const
{
    QStringList names;
    for (const auto& [name, factory] : factories_)
        names << name;
    return names;
}

} // namespace forms
