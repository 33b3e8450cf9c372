#include "forms/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <cstdio>

namespace forms {

namespace {

QString matchComponent(const QDir& dir, const QString& component)
{
    if (dir.exists(component))
        return component;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(component, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

} // namespace

QString resolvePath(const QString& designPath, const QStringList& baseFolders)
{
    QString normalised = designPath;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList components = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (components.isEmpty())
        return {};
    for (const QString& base : baseFolders) {
        QDir dir(base);
        QString path = dir.absolutePath();
        bool found = true;
        for (int i = 0; i < components.size() && found; ++i) {
            const QString name = matchComponent(QDir(path), components[i]);
            found = !name.isEmpty();
            if (found)
                path += QLatin1Char('/') + name;
        }
        if (found && QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QStringList pictureFolders()
{
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QDir(exeDir) != QDir::current())
            folders << exeDir;
    }
    return folders;
}

QString resolvePicturePath(const QString& designPath)
{
    return resolvePath(designPath, pictureFolders());
}

QPixmap loadPicture(const QString& designPath)
{
    const QString path = resolvePicturePath(designPath);
    if (path.isEmpty()) {
        std::fprintf(stderr, "Picture not found: %s\n", qPrintable(designPath));
        return {};
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "Picture cannot be read: %s (%s)\n", qPrintable(designPath),
                     qPrintable(reader.errorString()));
        return {};
    }
    return QPixmap::fromImage(image);
}

} // namespace forms
