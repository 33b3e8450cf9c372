#include "labelling/editor/editedfile.h"
#include "activity/teacherfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace labelling {

namespace {

QByteArray hashOf(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256); }

// Writable for this user, and not marked read-only for everyone: a folder an
// administrator deployed without write permission stays untouched even for
// a user the system lets write anywhere.
bool mayWrite(const QFileInfo& info)
{
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & anyWrite);
}

} // namespace

EditedFile::EditedFile(QString path, QString folder) : path_(std::move(path)), folder_(std::move(folder)) {}

bool EditedFile::readOnly() const
{
    if (isNew())
        return false;
    const QFileInfo file(path_);
    return (file.exists() && !mayWrite(file)) || !mayWrite(QFileInfo(file.absolutePath()));
}

OwnRead EditedFile::open()
{
    const activity::TeacherFile file = activity::readTeacherFile(path_, LargestOwnFile);
    if (!file.ok())
        return {{}, file.problem};
    openedHash_ = hashOf(file.bytes);
    return parseOwnActivity(file.bytes, QFileInfo(path_).fileName());
}

bool EditedFile::changedOnDisk() const
{
    if (isNew() || !QFileInfo::exists(path_))
        return false;
    const activity::TeacherFile file = activity::readTeacherFile(path_, LargestOwnFile);
    return !file.ok() || hashOf(file.bytes) != openedHash_;
}

QString EditedFile::write(const QString& path, const OwnActivity& activity)
{
    const QString problem = writeOwnActivity(path, activity);
    if (problem.isEmpty()) {
        path_ = path;
        openedHash_ = hashOf(ownActivityJson(activity));
    }
    return problem;
}

QString EditedFile::save(const OwnActivity& activity)
{
    return isNew() ? saveCopy(activity) : write(path_, activity);
}

QString EditedFile::saveCopy(const OwnActivity& activity)
{
    if (!QDir().mkpath(folder_))
        return QObject::tr("The folder %1 could not be made.").arg(QDir::toNativeSeparators(folder_));
    return write(QDir(folder_).filePath(freshFileName(folder_, activity.title)), activity);
}

QString freshFileName(const QString& folder, const QString& title)
{
    // Letters, digits, spaces and a few marks every file system takes.
    QString base = title;
    base.replace(QRegularExpression(QStringLiteral("[^\\w \\-()',.]+")), QStringLiteral(" "));
    base = base.simplified().left(60).trimmed();
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("Activity");
    const QDir dir(folder);
    QString name = base + QStringLiteral(".tavlabel");
    for (int n = 2; QFileInfo::exists(dir.filePath(name)) || QFileInfo(dir.filePath(name)).isSymLink(); ++n)
        name = QStringLiteral("%1 %2.tavlabel").arg(base).arg(n);
    return name;
}

} // namespace labelling
