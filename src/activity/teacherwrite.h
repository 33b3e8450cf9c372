#pragma once
// Writing a file a teacher owns: an activity, a quiz, a statement set, the
// list's index, an imported copy. Every write is atomic, so that one which
// fails (a full disk, a folder that cannot be written) leaves the old file
// whole; and a new file never takes the name of one already there.

#include <QByteArray>
#include <QString>

namespace activity {

// Writes `bytes` to `path` atomically, making its folder first; returns why
// it could not ("its folder cannot be made", the system's reason), or empty.
QString writeAtomically(const QString& path, const QByteArray& bytes);
// The same, the reason said in full: "Forces.tavquiz could not be saved: ...".
QString saveOrSayWhy(const QString& path, const QByteArray& bytes);

// A name in `folder` for a file called after `title` (a quiz's title, an
// imported file's name) with `extension` ("tavlabel"): letters (of any
// language), digits, spaces and the marks every file system takes, at most
// 60 characters as seen, then
// " (2)", " (3)" ... until no file, folder or link has it. `fallback` when
// the title leaves nothing. A copy of another file says so, where a teacher
// looking through the folder sees it: "Motor (copy)", "Motor (copy 2)" ...
enum class Naming { New, Copy };
// The name freeFileName gives first, when it is not taken: "Motor.tavlabel".
QString fileNameFor(const QString& title, const QString& extension, const QString& fallback);
QString freeFileName(const QString& folder, const QString& title, const QString& extension, const QString& fallback,
                     Naming naming = Naming::New);

} // namespace activity
