// The statement editor's commands: saving, restoring our set, playing and
// leaving, the questions asked first and the notes on the file; and opening
// the editor.
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/ownkind.h"
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
    if (draft.ownQuiz && !choicesProblem(draft.choices).isEmpty())
        failed = tr("Not saved: %1. Mend the choices, then save again.").arg(choicesProblem(draft.choices));
    else if (draft.ownQuiz && draft.title.simplified().isEmpty())
        failed = tr("Not saved: give the quiz a title first.");
    else if (draft.ownQuiz && file_.readOnly())
        return write({}); // never over a school's file, whatever its folder allows: the teacher's own copy
    else if (file_.changedOnDisk()) {
        // Someone else (a colleague, another window) saved it meanwhile:
        // their statements are not written over unasked.
        const QString name = QFileInfo(file_.path()).fileName();
        QStringList answers{tr("Save anyway"), tr("Cancel")};
        if (draft.ownQuiz)
            answers.insert(1, tr("Save a copy"));
        ask(tr("%1 was changed by someone else since you opened it. Save anyway?").arg(name), answers, [this](int k) {
            if (k == 0)
                write(file_.path());
            else if (k == 1 && history.draft().ownQuiz)
                write({});
        });
        return false;
    } else
        return write(file_.isNew() || file_.readOnly() ? QString() : file_.path());
    saveProblem_ = failed + tr(" Your changes are still here.");
    showFileNote();
    return false;
}

// Writes to `path`; an empty path: a new file in the folder, named after the
// quiz (our sets always go to the teacher's file of the set's name).
bool StatementEditor::write(const QString& path)
{
    const Draft& draft = history.draft();
    QString to = path;
    if (!draft.ownQuiz)
        to = QDir(target_.folder).filePath(target_.setName);
    else if (to.isEmpty())
        to = file_.pathForCopy(draft.title.simplified(), OwnQuizExtension, tr("My quiz"));
    const QString kept = draft.ownQuiz && file_.readOnly() ? QFileInfo(file_.path()).fileName() : QString();
    const QString failed = file_.saveAs(to, draft.ownQuiz ? quizBytes(draft) : setBytes(draft));
    // On failure the old file is whole and every change is still here: say so where it stays in view.
    saveProblem_ = failed.isEmpty() ? QString() : failed + tr(" Your changes are still here.");
    if (failed.isEmpty()) {
        source_.teacherSet = !draft.ownQuiz;
        source_.note.clear(); // what was wrong with the old file is gone with it
        history.markSaved();
        commands(Save).setCaption(tr("Save"));
        greyCommands();
    }
    showFileNote();
    if (!failed.isEmpty())
        return false;
    if (!kept.isEmpty())
        tell(tr("%1 cannot be changed from here, so your own copy was saved as %2.")
                 .arg(kept, QDir::toNativeSeparators(file_.path())));
    else
        tell(draft.ownQuiz ? tr("Saved as %1.").arg(QFileInfo(file_.path()).fileName())
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
            if (const QString why = removeTeacherSet(file_.path()); !why.isEmpty()) {
                saveProblem_ = why;
                showFileNote();
                return;
            }
            source_ = readSetDraft(file_, target_.setName, target_.choices, &checks_);
            saveProblem_.clear();
            history.reset(source_.draft);
            greyCommands();
            tell(tr("Our set is back: pupils see it again."));
        });
}

void StatementEditor::leave()
{
    commitChoices();
    if (!hasChanges()) {
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
    if (target_.returnTo == OwnQuizId && !file_.isNew() && playOwnQuiz(screens(), file_.path()).isEmpty()) {
        unloadSelf();
        return;
    }
    showInstead(target_.returnTo == OwnQuizId ? activity::MyActivitiesId : target_.returnTo);
}

// The quiz as it stands, saved or not, as its file would play it: nothing is
// written, and "Exit" comes back here with the draft, its history and the row
// shown as they were.
void StatementEditor::play()
{
    commitChoices();
    const Draft& draft = history.draft();
    QString name = draft.title.simplified().isEmpty() ? tr("New quiz") : QStringLiteral("\"%1\"").arg(draft.title.simplified());
    if (!file_.isNew())
        name = QFileInfo(file_.path()).fileName();
    // Each reason starts with the quiz's name.
    if (const QString why = tryOwnQuiz(screens(), parseOwnQuiz(quizBytes(draft), name), name); !why.isEmpty())
        tell(tr("Not played: %1.").arg(why));
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
    activity::setAvailable(commands(Undo), history.stack.canUndo());
    activity::setAvailable(commands(Redo), history.stack.canRedo());
    activity::setAvailable(commands(Restore), source_.teacherSet);
    // A new quiz is named by its choices as they stand.
    if (file_.isNew() && history.draft().ownQuiz) {
        const QStringList& c = history.draft().choices;
        const bool trueFalse = c.size() == 2 && c[0].trimmed().compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0
                               && c[1].trimmed().compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0;
        target_.heading = trueFalse ? tr("New true/false quiz") : tr("New quiz");
        heading.setCaption(target_.heading);
        setCaption(target_.heading);
    }
}

// A question over the commands until it is answered; a notice gives it room.
void StatementEditor::ask(const QString& text, const QStringList& answers, std::function<void(int)> then)
{
    if (forms::Notice* notice = forms::Notice::on(*this))
        notice->hide();
    question.ask(text, answers, std::move(then));
}

namespace {

void openEditor(forms::Screens& screens, const EditorTarget& target)
{
    activity::openOwnEditor(screens, StatementEditorId,
                            [target](forms::Screens& s) { return std::make_unique<StatementEditor>(s, target); },
                            QObject::tr("Save or leave these changes first."));
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

void openQuizEditor(forms::Screens& screens, const QString& path, const QString& folder, const QString& returnTo,
                    bool readOnly)
{
    EditorTarget target;
    target.heading = path.isEmpty() ? QObject::tr("New true/false quiz")
                                    : QObject::tr("Edit quiz: %1").arg(QFileInfo(path).completeBaseName());
    target.path = path;
    target.folder = folder;
    target.returnTo = returnTo;
    target.readOnly = readOnly;
    openEditor(screens, target);
}

} // namespace statements
