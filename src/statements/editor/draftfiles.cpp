#include "statements/editor/draftfiles.h"
#include "activity/teacherfile.h"
#include "statements/ownquiz.h"
#include "statements/statementset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace statements {

namespace {

DraftSource ourSet(const QString& name, const QStringList& choices, const QString& why)
{
    QFile file(QStringLiteral(":/statements/sets/") + name);
    (void)file.open(QIODevice::ReadOnly);
    DraftSource source{setDraft(QString::fromUtf8(file.readAll()), choices), why};
    return source;
}

QString saveBytes(const QString& path, const QByteArray& bytes)
{
    const QString name = QFileInfo(path).fileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("%1 could not be saved: its folder cannot be made").arg(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 could not be saved: %2").arg(name, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1 could not be saved: %2").arg(name, file.errorString());
    return {};
}

} // namespace

DraftSource readSetDraft(const QString& name, const QStringList& choices, const QString& folder)
{
    const QString path = QDir(folder).filePath(name);
    const QFileInfo info(path);
    if (folder.isEmpty() || (!info.exists() && !info.isSymLink()))
        return ourSet(name, choices, {});
    const activity::TeacherFile file = activity::readTeacherFile(path, LargestSetFile);
    const QString replaced = QStringLiteral(", so our set is shown; saving replaces your file.");
    if (!file.ok())
        return ourSet(name, choices, file.problem + replaced);
    if (file.bytes.contains('\0'))
        return ourSet(name, choices, name + QStringLiteral(" is not a text file") + replaced);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(file.bytes);
    QString note;
    if (utf8.hasError()) {
        // Most likely typed in an editor that saves in the older Western encoding:
        // read so, every letter is kept, and saving writes it as UTF-8.
        text = QString::fromLatin1(file.bytes);
        note = name + QStringLiteral(" is not UTF-8 text: it is read as Latin-1, so check accented letters and "
                                     "symbols; saving writes it as UTF-8.");
    }
    DraftSource source{setDraft(text, choices), {}, true};
    if (source.draft.rows.empty())
        return ourSet(name, choices, name + QStringLiteral(" has no statements") + replaced);
    source.note = note;
    return source;
}

QString writeSetDraft(const QString& path, const Draft& draft) { return saveBytes(path, setText(draft).toUtf8()); }

QString removeTeacherSet(const QString& path)
{
    QFile file(path);
    if ((file.exists() || QFileInfo(path).isSymLink()) && !file.remove())
        return QStringLiteral("%1 could not be removed: %2").arg(QFileInfo(path).fileName(), file.errorString());
    return {};
}

Draft newQuizDraft()
{
    Draft draft;
    draft.ownQuiz = true;
    draft.instruction = QStringLiteral("Is this statement true or false?");
    draft.choices = {QStringLiteral("True"), QStringLiteral("False")};
    return draft;
}

DraftSource readQuizDraft(const QString& path)
{
    const QuizRead read = readOwnQuiz(path);
    if (!read.ok())
        return {newQuizDraft(),
                read.problem + QStringLiteral(", so a new quiz is started here; it will be saved as a new file."), false,
                false};
    Draft draft;
    draft.ownQuiz = true;
    draft.title = read.quiz.title;
    draft.instruction = read.quiz.instruction;
    draft.choices = read.quiz.choices;
    draft.unknown = read.quiz.unknown;
    for (const OwnStatement& s : read.quiz.statements)
        draft.rows.push_back({s.text, s.answer, s.reason, {}, 0, {}, s.unknown});
    return {draft, {}, false, true};
}

QString writeQuizDraft(const QString& path, const Draft& draft)
{
    OwnQuiz quiz;
    quiz.title = draft.title.simplified();
    quiz.instruction = draft.instruction.simplified();
    quiz.choices.clear();
    for (const QString& choice : draft.choices)
        quiz.choices << choice.simplified();
    quiz.unknown = draft.unknown;
    for (const DraftRow& row : draft.rows)
        quiz.statements.push_back({row.text.simplified(), row.answer.simplified(), row.reason.simplified(), row.unknown});
    return writeOwnQuiz(path, quiz);
}

QString newQuizPath(const QString& folder, const QString& title)
{
    QString base;
    for (const QChar c : title.simplified())
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\''))
            base += c;
    base = base.simplified().left(60);
    if (base.isEmpty())
        base = QStringLiteral("My quiz");
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".tavquiz"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(QStringLiteral("%1 %2.tavquiz").arg(base).arg(n));
    return path;
}

} // namespace statements
