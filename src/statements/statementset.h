#pragma once
// A statement set: one statement a line with its answer and a short reason,
// read from a plain-text file. The sets the program brings are compiled in; a
// teacher's file of the same name in the program's data folder replaces one.
//
//   # notes start with a hash
//   False | Conduction can happen through a vacuum. | conduction needs particles, and a vacuum has none.

#include <QString>
#include <QStringList>
#include <vector>

namespace statements {

struct Statement {
    QString text;
    int answer = 0;  // index into the choices of its screen
    QString reason;  // may be empty
    int line = 0;    // where it stands in its file
};

// A line that could not be used, and why.
struct Skipped {
    int line = 0;
    QString why;
};

struct StatementSet {
    QString file;    // where the statements came from, as named in reports
    std::vector<Statement> statements;
    QStringList problems; // "file:line: why", one per line skipped or file refused
    std::vector<Skipped> skipped; // the lines of the file that could not be used
    bool builtIn = true;
    // For the teacher, on screen: why the teacher's file was not used, or
    // which lines of it were skipped; empty when all is well.
    QString notice;
};

// The form in which answers are compared: "Land-based advantage", "land based:
// Advantage" and "LAND-BASED ADVANTAGE" are one answer.
QString answerKey(const QString& answer);

// Files larger than this are not statement sets.
inline constexpr qint64 LargestSetFile = 1024 * 1024;
// More statements than any lesson uses: the rest of a longer set is not played.
inline constexpr int MostStatements = 500;

// Reads the lines of one set; `choices` are the answers a line may name
// (compared ignoring case, spaces and punctuation). Lines that cannot be used
// are skipped and named in `problems`.
StatementSet parseStatements(const QString& text, const QString& file, const QStringList& choices);

// The set `name` ("heattransfer.txt"): the teacher's file in `teacherFolder`
// when it holds at least one usable statement, otherwise the built-in one.
// The teacher's file is read without ever waiting on it (a pipe, a device or
// a link loop is refused). Every problem is also written to standard error.
StatementSet loadStatements(const QString& name, const QStringList& choices, const QString& teacherFolder);

// The folder in which a teacher's own sets are looked for.
QString teacherFolder();

} // namespace statements
