#pragma once
// The file a teacher edits: where it is saved, whether it may be changed in
// place, and what it held when it was opened or last saved, so that a change
// someone else made meanwhile (a colleague, a second window) is never
// overwritten unasked. Both editors keep one.

#include "activity/teacherfile.h"

#include <QByteArray>
#include <QString>

namespace activity {

class EditedFile {
public:
    // `path` empty: a file not saved yet. `folder`: where a new one, or a
    // copy of one that cannot be changed in place, is saved. Files larger
    // than `largest` are not of the kind. `keepInPlace` false: never written
    // in place whatever its permissions say (a school's file).
    EditedFile(QString path, QString folder, qint64 largest, bool keepInPlace = true);

    const QString& path() const { return path_; }
    const QString& folder() const { return folder_; }
    bool isNew() const { return path_.isEmpty(); }
    // Never changed in place, only saved as a copy: a school's file, or one
    // in a folder the user cannot write or marked read-only.
    bool readOnly() const;

    // Reads the file and remembers what it held (or that it was not there).
    TeacherFile open();
    // There was no file at the path when it was opened.
    bool wasAbsent() const { return opened_ == Opened::Absent; }
    // Whether the file holds something else than when it was opened or last saved.
    bool changedOnDisk() const;
    // Writes `bytes` atomically to `path`, which is from then on the file
    // edited; returns why it could not, in full, or empty.
    QString saveAs(const QString& path, const QByteArray& bytes);
    // A path in the folder for a new file called after `title`, never over
    // another file; named as a copy when a file is being edited ("Motor (copy)").
    QString pathForCopy(const QString& title, const QString& extension, const QString& fallback) const;
    // The file is no longer edited: the next save makes a new one.
    void forget();

private:
    QString path_;
    QString folder_;
    qint64 largest_;
    bool keepInPlace_;
    enum class Opened { Not, Absent, Held } opened_ = Opened::Not;
    QByteArray openedHash_; // of the bytes read or last written
};

} // namespace activity
