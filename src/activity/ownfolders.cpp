#include "activity/ownfolders.h"
#include "activity/teacherfile.h"
#include "activity/teacherwrite.h"
#include "forms/screens.h"

#include <QDir>
#include <QFileInfo>

#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace activity {

QString originName(Origin origin)
{
    switch (origin) {
    case Origin::Yours:
        return QStringLiteral("Yours");
    case Origin::School:
        return QStringLiteral("School");
    case Origin::Shared:
        return QStringLiteral("Shared");
    }
    return {};
}

ActivityPlaces standardPlaces()
{
    ActivityPlaces places{QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/activities"), {}};
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        if (data != userData) // the user's own data folder holds the user's folder
            places.school << data + QStringLiteral("/tavrenel/activities");
    return places;
}

namespace {
// The folder's path with links resolved where it exists, so that one folder
// reached two ways is known as one.
QString folderKey(const QString& path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString canonical = QFileInfo(clean).canonicalFilePath();
    return canonical.isEmpty() ? clean : canonical;
}

bool within(const QString& path, const QString& folder)
{
    return !folder.isEmpty() && path.startsWith(folderKey(folder) + QLatin1Char('/'));
}
} // namespace

bool isSchoolFile(const QString& path, const ActivityPlaces& places)
{
    if (path.isEmpty())
        return false;
    const QString file = folderKey(QFileInfo(path).absolutePath()) + QLatin1Char('/') + QFileInfo(path).fileName();
    return !within(file, places.user)
           && std::any_of(places.school.begin(), places.school.end(), [&](const QString& school) { return within(file, school); });
}

QString sharedFolder(const forms::Screens& screens) { return screens.setting(SharedFolderKey).toString(); }

void chooseSharedFolder(forms::Screens& screens, const QString& folder) { screens.choose(SharedFolderKey, folder); }

std::vector<ActivityFolder> activityFolders(const ActivityPlaces& places, const QString& shared)
{
    std::vector<ActivityFolder> folders;
    QStringList seen;
    const auto add = [&](const QString& path, Origin origin) {
        if (path.isEmpty())
            return;
        const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        const QString key = folderKey(clean);
        if (seen.contains(key))
            return;
        seen << key;
        folders.push_back({clean, origin});
    };
    add(places.user, Origin::Yours);
    for (const QString& school : places.school)
        add(school, Origin::School);
    add(shared, Origin::Shared);
    return folders;
}

std::vector<FoundFile> findActivityFiles(std::span<const ActivityFolder> folders, std::span<const OwnKind* const> kinds)
{
    std::vector<FoundFile> found;
    for (const ActivityFolder& folder : folders) {
        const QDir dir(folder.path);
        if (!dir.exists())
            continue;
        const bool folderWritable = folder.origin != Origin::School && QFileInfo(folder.path).isWritable();
        const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries)
            for (const OwnKind* kind : kinds)
                if (entry.suffix().compare(kind->extension, Qt::CaseInsensitive) == 0) {
                    const bool writable = folderWritable && (entry.isFile() ? entry.isWritable() : true);
                    found.push_back({entry.absoluteFilePath(), folder.origin, !writable, kind, entry.size(), entry.lastModified()});
                }
    }
    return found;
}

QString folderProblem(const ActivityFolder& folder)
{
    const QString name = QDir::toNativeSeparators(folder.path);
    const QString which = folder.origin == Origin::Shared ? QStringLiteral("The shared folder %1").arg(name)
                          : folder.origin == Origin::School ? QStringLiteral("The school's folder %1").arg(name)
                                                            : QStringLiteral("Your folder %1").arg(name);
    const QString notListed = QStringLiteral(", so its activities are not listed.");
    DIR* dir = ::opendir(QFile::encodeName(folder.path).constData());
    if (dir) {
        ::closedir(dir);
        return {};
    }
    const int error = errno;
    if (error == ENOENT)
        return folder.origin == Origin::Shared ? which + QStringLiteral(" is not there") + notListed : QString();
    if (error == ENOTDIR)
        return which + (QFileInfo(folder.path).exists() ? QStringLiteral(" is a file, not a folder") : QStringLiteral(" is not there")) + notListed;
    if (error == EACCES || error == EPERM)
        return which + QStringLiteral(" cannot be read: permission denied") + notListed;
    return which + QStringLiteral(" cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(error))) + notListed;
}

namespace {
// Larger than any activity file of any kind.
constexpr qint64 LargestImport = 64 * 1024 * 1024;
// The name of a file whose own name leaves nothing to name it by.
const QString Fallback = QStringLiteral("Activity");
} // namespace

Imported importActivity(const QString& path, std::span<const OwnKind* const> kinds, const QString& folder, WhenTaken whenTaken)
{
    using Outcome = Imported::Outcome;
    const QFileInfo from(path);
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const OwnKind* k) {
        return from.suffix().compare(k->extension, Qt::CaseInsensitive) == 0;
    });
    if (kind == kinds.end())
        return {Outcome::Refused, {}, {}, QStringLiteral("%1 is not an activity file, so it was not imported.").arg(from.fileName())};
    const OwnSummary summary = (*kind)->summarise(path);
    const TeacherFile file = readTeacherFile(path, LargestImport);
    if (!summary.problem.isEmpty() || !file.ok()) {
        const QString why = summary.problem.isEmpty() ? file.problem : QStringLiteral("it %1").arg(summary.problem);
        return {Outcome::Refused, {}, {}, QStringLiteral("%1 was not imported: %2").arg(from.fileName(), why)};
    }
    const QString sameName = QDir(folder).absoluteFilePath(fileNameFor(from.completeBaseName(), (*kind)->extension, Fallback));
    const QFileInfo there(sameName);
    QString to = sameName;
    if (there.exists() || there.isSymLink()) {
        // A folder or a broken link of that name is no file to replace: the copy goes beside it.
        const bool aFile = there.isFile();
        // The file itself, or a copy of it imported before.
        if (aFile && readTeacherFile(sameName, LargestImport).bytes == file.bytes)
            return {Outcome::Same, sameName, summary.title, {}};
        if (aFile && whenTaken == WhenTaken::Ask)
            return {Outcome::NameTaken, sameName, summary.title, {}};
        if (aFile && whenTaken == WhenTaken::Replace && !there.isWritable())
            return {Outcome::Refused, {}, {},
                    QStringLiteral("%1 in your activities cannot be changed, so it was not replaced.").arg(there.fileName())};
        if (!aFile || whenTaken == WhenTaken::KeepBoth)
            to = QDir(folder).absoluteFilePath(freeFileName(folder, from.completeBaseName(), (*kind)->extension, Fallback));
    }
    if (const QString why = writeAtomically(to, file.bytes); !why.isEmpty())
        return {Outcome::Refused, {}, {}, QStringLiteral("%1 could not be imported: %2").arg(from.fileName(), why)};
    return {Outcome::Copied, to, summary.title, {}};
}

} // namespace activity
