#pragma once
// Reading a file a teacher gave the program: a statement set, an activity
// file. Such a file may be anything: a named pipe that would block the
// reader for good, a device that never ends, a link that loops, a folder
// with the right name. Every reader of a teacher's file goes through here.

#include <QByteArray>
#include <QString>

namespace activity {

struct TeacherFile {
    QByteArray bytes;
    QString problem; // empty when read; else "heattransfer.txt is not a plain file"
    bool ok() const { return problem.isEmpty(); }
};

// The bytes of `path` when it is a plain file (after following at most a few
// links) of at most `limit` bytes; never blocks. Otherwise why not, in words
// a teacher can read, naming the file by its name.
TeacherFile readTeacherFile(const QString& path, qint64 limit);

} // namespace activity
