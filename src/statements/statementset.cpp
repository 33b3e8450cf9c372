#include "statements/statementset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

namespace statements {

namespace {

// "Land-based advantage", "land based: Advantage" and "LAND-BASED ADVANTAGE" are one answer.
QString answerKey(const QString& answer)
{
    QString key;
    for (const QChar c : answer)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

QString where(const QString& file, int line) { return QStringLiteral("%1:%2").arg(file).arg(line); }

void report(const QStringList& problems)
{
    for (const QString& problem : problems)
        qWarning("%s", qPrintable(problem));
}

// The text of a file, or why it cannot be a statement set.
struct FileText {
    QString text;
    QString fault;
};

FileText readSetFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("cannot be read (%1)").arg(file.errorString())};
    if (file.size() > LargestSetFile)
        return {{}, QStringLiteral("is too large for a statement set (%1 bytes)").arg(file.size())};
    const QByteArray bytes = file.read(LargestSetFile + 1);
    if (bytes.size() > LargestSetFile)
        return {{}, QStringLiteral("is too large for a statement set")};
    if (bytes.contains('\0'))
        return {{}, QStringLiteral("is not a text file")};
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(bytes);
    if (decode.hasError())
        return {{}, QStringLiteral("is not UTF-8 text")};
    return {text, {}};
}

QString builtInPath(const QString& name) { return QStringLiteral(":/statements/sets/") + name; }

} // namespace

StatementSet parseStatements(const QString& text, const QString& file, const QStringList& choices)
{
    StatementSet set;
    set.file = file;
    QStringList keys;
    for (const QString& choice : choices)
        keys << answerKey(choice);
    QSet<QString> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < int(lines.size()); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto skip = [&](const QString& why) {
            set.problems << QStringLiteral("%1: skipped: %2").arg(where(file, n + 1), why);
        };
        const QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() < 2 || fields.size() > 3) {
            skip(QStringLiteral("expected \"answer | statement | reason\""));
            continue;
        }
        const int answer = int(keys.indexOf(answerKey(fields[0])));
        if (answer < 0) {
            skip(QStringLiteral("the answer \"%1\" is not one of: %2").arg(fields[0].trimmed(), choices.join(", ")));
            continue;
        }
        const QString statement = fields[1].simplified();
        if (statement.isEmpty()) {
            skip(QStringLiteral("no statement"));
            continue;
        }
        if (seen.contains(statement.toLower())) {
            skip(QStringLiteral("the same statement again"));
            continue;
        }
        seen.insert(statement.toLower());
        set.statements.push_back({statement, answer, fields.size() == 3 ? fields[2].simplified() : QString(), n + 1});
    }
    return set;
}

StatementSet loadStatements(const QString& name, const QStringList& choices, const QString& teacherFolder)
{
    QStringList refused;
    const QString teacherFile = teacherFolder.isEmpty() ? QString() : QDir(teacherFolder).filePath(name);
    if (!teacherFile.isEmpty() && QFileInfo::exists(teacherFile)) {
        const FileText read = readSetFile(teacherFile);
        if (read.fault.isEmpty()) {
            StatementSet own = parseStatements(read.text, teacherFile, choices);
            own.builtIn = false;
            if (!own.statements.empty()) {
                report(own.problems);
                return own;
            }
            refused = own.problems;
            refused << QStringLiteral("%1: no usable statements; using the set the program brings").arg(teacherFile);
        } else {
            refused << QStringLiteral("%1: %2; using the set the program brings").arg(teacherFile, read.fault);
        }
    }
    const FileText builtIn = readSetFile(builtInPath(name));
    StatementSet set = parseStatements(builtIn.text, name, choices);
    set.problems = refused + set.problems;
    if (!builtIn.fault.isEmpty())
        set.problems << QStringLiteral("%1: %2").arg(name, builtIn.fault);
    report(set.problems);
    return set;
}

QString teacherFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

} // namespace statements
