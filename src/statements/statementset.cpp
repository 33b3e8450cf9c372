#include "statements/statementset.h"
#include "activity/teacherfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

namespace statements {

QString answerKey(const QString& answer)
{
    QString key;
    for (const QChar c : answer)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

namespace {

QString where(const QString& file, int line) { return QStringLiteral("%1:%2").arg(file).arg(line); }

void report(const QStringList& problems)
{
    for (const QString& problem : problems)
        qWarning("%s", qPrintable(problem));
}

// The text of a file, or why it cannot be a statement set.
struct FileText {
    QString text;
    QString fault; // names the file: "heattransfer.txt is not UTF-8 text"
};

FileText decodeSet(const QByteArray& bytes, const QString& name)
{
    if (bytes.contains('\0'))
        return {{}, QStringLiteral("%1 is not a text file").arg(name)};
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(bytes);
    if (decode.hasError())
        return {{}, QStringLiteral("%1 is not UTF-8 text").arg(name)};
    return {text, {}};
}

FileText readTeacherSet(const QString& path)
{
    const activity::TeacherFile file = activity::readTeacherFile(path, LargestSetFile);
    if (!file.ok())
        return {{}, file.problem};
    return decodeSet(file.bytes, QFileInfo(path).fileName());
}

FileText readBuiltInSet(const QString& name)
{
    QFile file(QStringLiteral(":/statements/sets/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("%1 is missing from the program").arg(name)};
    return decodeSet(file.readAll(), name);
}

// What the teacher is told on screen: why the set fell back, or the first
// line skipped and how many more.
QString noticeOf(const QString& fellBack, const QString& name, const std::vector<Skipped>& skipped)
{
    if (!fellBack.isEmpty())
        return fellBack;
    if (skipped.empty())
        return {};
    QString text = QStringLiteral("Line %1 of %2 was skipped: %3").arg(skipped.front().line).arg(name, skipped.front().why);
    if (skipped.size() > 1)
        text += QStringLiteral(" (and %1 more lines)").arg(skipped.size() - 1);
    return text;
}

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
            set.skipped.push_back({n + 1, why});
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
        if (int(set.statements.size()) >= MostStatements) {
            skip(QStringLiteral("more than %1 statements: this one is not played").arg(MostStatements));
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
    QString fellBack;
    const QString teacherFile = teacherFolder.isEmpty() ? QString() : QDir(teacherFolder).filePath(name);
    // A link, even a broken one, is the teacher's file: it is refused with a reason, not passed over.
    if (!teacherFile.isEmpty() && (QFileInfo::exists(teacherFile) || QFileInfo(teacherFile).isSymLink())) {
        const FileText read = readTeacherSet(teacherFile);
        if (read.fault.isEmpty()) {
            StatementSet own = parseStatements(read.text, teacherFile, choices);
            own.builtIn = false;
            if (!own.statements.empty()) {
                report(own.problems);
                own.notice = noticeOf({}, name, own.skipped);
                return own;
            }
            refused = own.problems;
            fellBack = QStringLiteral("%1 has no usable statements, so the program's own set is shown.").arg(name);
        } else {
            fellBack = QStringLiteral("%1, so the program's own set is shown.").arg(read.fault);
        }
        refused << QStringLiteral("%1: %2").arg(teacherFile, fellBack);
    }
    const FileText builtIn = readBuiltInSet(name);
    StatementSet set = parseStatements(builtIn.text, name, choices);
    set.problems = refused + set.problems;
    if (!builtIn.fault.isEmpty())
        set.problems << builtIn.fault;
    report(set.problems);
    set.notice = fellBack;
    return set;
}

QString teacherFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

} // namespace statements
