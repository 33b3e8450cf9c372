#include "statements/editor/draftfiles.h"
#include "activity/editedfile.h"
#include "statements/ownquiz.h"
#include "statements/statementset.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace statements {

namespace {

DraftSource ourSet(const QString& name, const QStringList& choices, const QString& why, RowChecks* checks)
{
    QFile file(QStringLiteral(":/statements/sets/") + name);
    (void)file.open(QIODevice::ReadOnly);
    DraftSource source{setDraft(QString::fromUtf8(file.readAll()), choices, checks), why};
    return source;
}

} // namespace

DraftSource readSetDraft(activity::EditedFile& edited, const QString& name, const QStringList& choices, RowChecks* checks)
{
    if (edited.isNew())
        return ourSet(name, choices, {}, checks);
    const activity::TeacherFile file = edited.open();
    if (edited.wasAbsent())
        return ourSet(name, choices, {}, checks);
    const QString replaced = QStringLiteral(", so our set is shown; saving replaces your file.");
    if (!file.ok())
        return ourSet(name, choices, file.problem + replaced, checks);
    if (file.bytes.contains('\0'))
        return ourSet(name, choices, name + QStringLiteral(" is not a text file") + replaced, checks);
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
    DraftSource source{setDraft(text, choices, checks), {}, true};
    if (source.draft.rows.empty())
        return ourSet(name, choices, name + QStringLiteral(" has no statements") + replaced, checks);
    source.note = note;
    return source;
}

QByteArray setBytes(const Draft& draft) { return setText(draft).toUtf8(); }

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

DraftSource readQuizDraft(activity::EditedFile& file)
{
    const activity::TeacherFile bytes = file.open();
    const QuizRead read = bytes.ok() ? parseOwnQuiz(bytes.bytes, QFileInfo(file.path()).fileName()) : QuizRead{{}, bytes.problem, {}};
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
        draft.rows.push_back({s.text, s.answer, s.reason, {}, 0, {}, s.unknown, s.asRead});
    return {draft, {}, false, true};
}

QByteArray quizBytes(const Draft& draft)
{
    OwnQuiz quiz;
    quiz.title = draft.title.simplified();
    quiz.instruction = draft.instruction.simplified();
    quiz.choices.clear();
    for (const QString& choice : draft.choices)
        quiz.choices << choice.simplified();
    quiz.unknown = draft.unknown;
    for (const DraftRow& row : draft.rows)
        quiz.statements.push_back({row.text.simplified(), row.answer.simplified(), row.reason.simplified(), row.unknown,
                                   row.statementAsRead});
    return ownQuizJson(quiz);
}

} // namespace statements
