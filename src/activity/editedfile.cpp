#include "activity/editedfile.h"
#include "activity/teacherwrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace activity {

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

EditedFile::EditedFile(QString path, QString folder, qint64 largest, bool keepInPlace)
    : path_(std::move(path)), folder_(std::move(folder)), largest_(largest), keepInPlace_(keepInPlace)
{
}

bool EditedFile::readOnly() const
{
    if (isNew())
        return false;
    if (!keepInPlace_)
        return true;
    const QFileInfo file(path_);
    return (file.exists() && !mayWrite(file)) || !mayWrite(QFileInfo(file.absolutePath()));
}

TeacherFile EditedFile::open()
{
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) {
        opened_ = Opened::Absent;
        return {{}, QStringLiteral("%1 is not there").arg(info.fileName())};
    }
    TeacherFile file = readTeacherFile(path_, largest_);
    if (file.ok()) {
        opened_ = Opened::Held;
        openedHash_ = hashOf(file.bytes);
    }
    return file;
}

bool EditedFile::changedOnDisk() const
{
    const QFileInfo info(path_);
    if (isNew() || opened_ == Opened::Not)
        return false;
    if (opened_ == Opened::Absent)
        return info.exists() || info.isSymLink(); // made meanwhile
    if (!info.exists())
        return false; // removed meanwhile: saving makes it again, overwriting nothing
    const TeacherFile file = readTeacherFile(path_, largest_);
    return !file.ok() || hashOf(file.bytes) != openedHash_;
}

QString EditedFile::saveAs(const QString& path, const QByteArray& bytes)
{
    const QString problem = saveOrSayWhy(path, bytes);
    if (problem.isEmpty()) {
        path_ = path;
        opened_ = Opened::Held;
        openedHash_ = hashOf(bytes);
        keepInPlace_ = true; // the teacher's own copy from now on
    }
    return problem;
}

QString EditedFile::pathForCopy(const QString& title, const QString& extension, const QString& fallback) const
{
    // Beside the file it was made from, or in the list with it, a copy is told apart by its name.
    return QDir(folder_).filePath(freeFileName(folder_, title, extension, fallback, isNew() ? Naming::New : Naming::Copy));
}

void EditedFile::forget()
{
    path_.clear();
    opened_ = Opened::Not;
    openedHash_.clear();
}

} // namespace activity
