#include "forms/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <cstdio>

namespace forms {

namespace {

// Entries of `dir` named `component` in any letter case, the exact spelling first.
QStringList matches(const QDir& dir, const QString& component)
{
    QStringList found;
    if (dir.exists(component))
        found << component;
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        if (entry != component && entry.compare(component, Qt::CaseInsensitive) == 0)
            found << entry;
    return found;
}

// Follows every spelling that matches, so "images\\x.jpg" finds Images/x.jpg
// even where a folder "images" without it sits beside "Images".
QString resolveFrom(const QString& folder, const QStringList& components, int next)
{
    if (next == components.size())
        return QFileInfo(folder).isFile() ? folder : QString();
    for (const QString& name : matches(QDir(folder), components[next])) {
        const QString found = resolveFrom(folder + QLatin1Char('/') + name, components, next + 1);
        if (!found.isEmpty())
            return found;
    }
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
        const QString found = resolveFrom(QDir(base).absolutePath(), components, 0);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QStringList installedDataFolders(const QString& programFolder)
{
    QStringList folders{QDir::cleanPath(programFolder + QStringLiteral("/../share/tavrenel"))};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(data + QStringLiteral("/tavrenel"));
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QStringList pictureFolders()
{
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QDir(exeDir) != QDir::current())
            folders << exeDir;
        folders << installedDataFolders(exeDir);
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
        qWarning("Picture not found: %s", qPrintable(designPath));
        return {};
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        qWarning("Picture cannot be read: %s (%s)", qPrintable(designPath), qPrintable(reader.errorString()));
        return {};
    }
    return QPixmap::fromImage(image);
}

} // namespace forms
