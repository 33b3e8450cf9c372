#include "forms/platform.h"
#include "forms/pictures.h"
#include "forms/twips.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QUrl>
#include <chrono>
#include <memory>

namespace forms {

UniformRandom::UniformRandom()
    : engine_(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()))
{
}

double UniformRandom::operator()()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

namespace {

QUrl shellTarget(const QString& target)
{
    if (target.contains(QLatin1String("://")))
        return QUrl(target);
    const QString found = resolvePicturePath(target); // same lookup as for pictures
    return QUrl::fromLocalFile(QFileInfo(found.isEmpty() ? target : found).absoluteFilePath());
}

} // namespace

Platform Platform::system()
{
    Platform p;
    p.displayPixels = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return QSizeF(screen ? screen->geometry().size() : QSize(800, 600));
    };
    p.shellOpen = [](const QString& target, QWidget*) { return QDesktopServices::openUrl(shellTarget(target)); };
    auto generator = std::make_shared<UniformRandom>();
    p.random = [generator] { return (*generator)(); };
    p.refreshRate = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->refreshRate() : 0.0;
    };
    p.quit = [] { QCoreApplication::exit(0); };
    p.setting = [](const QString& key) { return QSettings(QStringLiteral("Quorvanta"), QStringLiteral("Tavrenel")).value(key); };
    p.remember = [](const QString& key, const QVariant& value) {
        QSettings settings(QStringLiteral("Quorvanta"), QStringLiteral("Tavrenel"));
        settings.setValue(key, value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    };
    return p;
}

} // namespace forms
