#include "forms/pictures.h"
#include "forms/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QDateTime>
#include <QGuiApplication>
#include <QImageReader>
#include <QStandardPaths>
#include <QScreen>
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

std::pair<QString, int> choosePictureFile(const QString& designFile, double ratio)
{
    if (ratio <= 1.0)
        return {designFile, 1};
    const QFileInfo design(designFile);
    const QSize designSize = QImageReader(designFile).size();
    if (!designSize.isValid())
        return {designFile, 1};
    std::pair<QString, int> best{designFile, 1};
    for (const int factor : {2, 3}) {
        const QString finer = design.dir().filePath(
            QStringLiteral("%1@%2x.%3").arg(design.completeBaseName()).arg(factor).arg(design.suffix()));
        const QFileInfo info(finer);
        if (!info.isFile() || info.lastModified() < design.lastModified()
            || QImageReader(finer).size() != designSize * factor)
            continue;
        best = {finer, factor};
        if (factor >= ratio)
            break;
    }
    return best;
}

double pictureRatio(float scale)
{
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen() : nullptr;
    return scale * (screen ? screen->devicePixelRatio() : 1.0);
}

QPixmap loadPicture(const QString& designPath, float scale)
{
    const QString path = resolvePicturePath(designPath);
    if (path.isEmpty()) {
        qWarning("Picture not found: %s", qPrintable(designPath));
        return {};
    }
    const auto [file, factor] = choosePictureFile(path, pictureRatio(scale));
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull()) {
        qWarning("Picture cannot be read: %s (%s)", qPrintable(designPath), qPrintable(reader.errorString()));
        return {};
    }
    image.setDevicePixelRatio(factor);
    return QPixmap::fromImage(image);
}

} // namespace forms
