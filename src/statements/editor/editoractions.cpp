// The statement editor's commands: saving, restoring our set, playing and
// leaving, the questions asked first and the notes on the file; and opening
// the editor.
#include "forms/design.h"
#include "forms/notice.h"
#include "forms/screens.h"
#include "statements/editor/statementeditor.h"
#include "statements/ownquiz.h"
#include "statements/ownquizscreen.h"
#include "statements/statementset.h"

#include <QDir>
#include <QFileInfo>

namespace statements {

bool StatementEditor::save()
{
    commitChoices();
    const Draft& draft = history.draft();
    QString failed;
    if (draft.ownQuiz) {
        if (const QString why = choicesProblem(draft.choices); !why.isEmpty())
            failed = tr("Not saved: %1. Mend the choices, then save again.").arg(why);
        else if (draft.title.simplified().isEmpty())
            failed = tr("Not saved: give the quiz a title first.");
        else {
            const QString path = target_.path.isEmpty() ? newQuizPath(target_.folder, draft.title) : target_.path;
            failed = writeQuizDraft(path, draft);
            if (failed.isEmpty())
                target_.path = path;
        }
    } else {
        target_.path = QDir(target_.folder).filePath(target_.setName);
        failed = writeSetDraft(target_.path, draft);
    }
    // On failure the old file is whole and every change is still here: say so where it stays in view.
    saveProblem_ = failed.isEmpty() ? QString() : failed + tr(" Your changes are still here.");
    if (failed.isEmpty()) {
        source_.teacherSet = !draft.ownQuiz;
        source_.note.clear(); // what was wrong with the old file is gone with it
        history.markSaved();
        greyCommands();
    }
    showFileNote();
    if (!failed.isEmpty())
        return false;
    tell(draft.ownQuiz ? tr("Saved as %1.").arg(QFileInfo(target_.path).fileName())
                       : tr("Saved. Pupils now see these statements."));
    return true;
}

void StatementEditor::restoreOurs()
{
    if (!source_.teacherSet) {
        tell(tr("Pupils already see our set."));
        return;
    }
    ask(tr("Delete your own statements for this quiz and show ours again? This cannot be undone."),
        {tr("Restore our set"), tr("Keep mine")}, [this](int reply) {
            if (reply != 0)
                return;
            const QString path = QDir(target_.folder).filePath(target_.setName);
            if (const QString why = removeTeacherSet(path); !why.isEmpty()) {
                saveProblem_ = why;
                showFileNote();
                return;
            }
            source_ = readSetDraft(target_.setName, target_.choices, target_.folder);
            saveProblem_.clear();
            history.reset(source_.draft);
            greyCommands();
            tell(tr("Our set is back: pupils see it again."));
        });
}

void StatementEditor::leave()
{
    commitChoices();
    if (!history.unsaved()) {
        goBack();
        return;
    }
    ask(tr("Your changes are not saved yet."), {tr("Save and leave"), tr("Leave without saving"), tr("Stay")},
        [this](int reply) {
            if (reply == 1 || (reply == 0 && save()))
                goBack();
        });
}

// A teacher's quiz is played afresh from its file, whose choices may have changed.
void StatementEditor::goBack()
{
    if (target_.returnTo == OwnQuizId && !target_.path.isEmpty() && playOwnQuiz(screens(), target_.path).isEmpty()) {
        unloadSelf();
        return;
    }
    showInstead(target_.returnTo == OwnQuizId ? MyActivitiesId : target_.returnTo);
}

void StatementEditor::play()
{
    if (history.unsaved() || target_.path.isEmpty())
        if (!save())
            return;
    if (const QString why = playOwnQuiz(screens(), target_.path); !why.isEmpty()) {
        tell(why);
        return;
    }
    unloadSelf();
}

// What holds for the file as a whole: a save that failed, what was wrong
// with it when read, how many of its rows cannot be used; else who sees what.
void StatementEditor::showFileNote()
{
    QStringList parts;
    if (!saveProblem_.isEmpty())
        parts << saveProblem_;
    if (!source_.note.isEmpty())
        parts << source_.note;
    const auto bad = problems_.size() - problems_.count(QString());
    const QString what = history.draft().ownQuiz ? tr("statement") : tr("line");
    if (bad > 0)
        parts << (bad == 1 ? tr("1 %1 cannot be used yet").arg(what) : tr("%1 %2s cannot be used yet").arg(bad).arg(what)) +
                     tr(": each is marked below with what is wrong. Mend it or delete it.");
    else if (parts.isEmpty() && history.draft().rows.empty())
        parts << tr("No statements yet: press Add to write the first.");
    else if (parts.isEmpty() && !history.draft().ownQuiz)
        parts << (source_.teacherSet ? tr("Pupils see your own statements in this quiz.")
                                     : tr("Pupils see our statements until you save your own."));
    fileNote.setCaption(parts.join(QLatin1Char(' ')));
}

// What cannot be done now is greyed: nothing to undo or redo, no set of the teacher's to restore.
void StatementEditor::greyCommands()
{
    const QColor grey(128, 128, 128);
    commands(Undo).setForeColor(history.stack.canUndo() ? forms::Yellow : grey);
    commands(Redo).setForeColor(history.stack.canRedo() ? forms::Yellow : grey);
    commands(Restore).setForeColor(source_.teacherSet ? forms::Yellow : grey);
}

// A question in place of the commands until it is answered.
void StatementEditor::ask(const QString& text, const QStringList& answers, std::function<void(int)> then)
{
    answered_ = std::move(then);
    if (forms::Notice* notice = forms::Notice::on(*this))
        notice->hide(); // the question takes its place
    question.setCaption(text);
    question.show();
    question.raise();
    rowNote.hide();
    commands.forEach([](int, forms::Label& c) { c.hide(); });
    for (int k = 0; k < replies.count(); ++k) {
        replies(k).setCaption(answers.value(k));
        replies(k).setVisible(k < int(answers.size()));
        replies(k).raise();
    }
}

void StatementEditor::endQuestion()
{
    question.hide();
    rowNote.show();
    replies.forEach([](int, forms::Label& r) { r.hide(); });
    const int elsewhere = target_.setName.isEmpty() ? Restore : Play; // a command of the other kind of file
    commands.forEach([elsewhere](int k, forms::Label& c) { c.setVisible(k != elsewhere); });
}

namespace {

void openEditor(forms::Screens& screens, const EditorTarget& target)
{
    // One editor at a time: one with unsaved changes is shown as it is, not replaced.
    if (auto* open = dynamic_cast<StatementEditor*>(screens.find(StatementEditorId)); open && open->history.unsaved()) {
        screens.show(StatementEditorId);
        forms::Notice::post(*open, QObject::tr("Save or leave these changes first."));
        return;
    }
    screens.unload(StatementEditorId);
    screens.add(StatementEditorId, [target](forms::Screens& s) { return std::make_unique<StatementEditor>(s, target); });
    screens.show(StatementEditorId);
}

} // namespace

void openSetEditor(forms::Screens& screens, const QuizData& quiz, int level, const QString& title)
{
    EditorTarget target;
    target.heading = QObject::tr("Edit statements: %1").arg(title);
    if (quiz.levels.size() > 1)
        target.heading += QStringLiteral(", ") + quiz.levels.value(level);
    target.setName = quiz.sets.value(level, quiz.sets.value(0));
    target.folder = teacherFolder();
    target.path = QDir(target.folder).filePath(target.setName);
    for (const Choice& choice : quiz.choices)
        target.choices << QString(choice.caption).remove(QChar(0x00AD)); // soft hyphens are for the buttons only
    target.returnTo = quiz.screen;
    openEditor(screens, target);
}

void openQuizEditor(forms::Screens& screens, const QString& path, const QString& folder, const QString& returnTo)
{
    EditorTarget target;
    target.heading = path.isEmpty() ? QObject::tr("New true/false quiz")
                                    : QObject::tr("Edit quiz: %1").arg(QFileInfo(path).completeBaseName());
    target.path = path;
    target.folder = folder;
    target.returnTo = returnTo;
    openEditor(screens, target);
}

} // namespace statements
