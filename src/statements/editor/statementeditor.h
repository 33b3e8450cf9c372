#pragma once
// The statement editor: the statements of one of our sets, or of a teacher's
// own quiz, listed with their answers and reasons; added, changed, moved and
// deleted with undo and redo; each row that cannot be used is marked with
// what is wrong, and a statement too long to show whole is marked before it
// is saved. Leaving with changes unsaved asks first; a save that fails keeps
// the old file whole and every change on the screen, and says why.

#include "activity/editedfile.h"
#include "activity/hosted.h"
#include "activity/owneditor.h"
#include "activity/question.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"
#include "statements/editor/draftfiles.h"
#include "statements/editor/drafthistory.h"
#include "statements/editor/statementrows.h"
#include "statements/quizdata.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <array>
#include <functional>

namespace statements {

// The editor's screen, as it is registered.
inline const QString StatementEditorId = QStringLiteral("statementeditor");

// What the editor edits, and the screen it goes back to.
struct EditorTarget {
    QString heading;        // "Edit statements: Heat Transfer"
    QString path;           // the file saved to; empty for a quiz not yet saved
    QString folder;         // where a new quiz is saved
    QString setName;        // one of our sets ("heattransfer.txt"); empty for a teacher's quiz
    QStringList choices;    // one of our sets: its topic's choices
    QString returnTo;       // shown again on leaving
    bool readOnly = false;  // a teacher's quiz never written in place (a school's): saved as a copy in `folder`
};

// The editor on the set `quiz` deals at `level`, in the teacher's folder.
void openSetEditor(forms::Screens& screens, const QuizData& quiz, int level, const QString& title);
// The editor on the teacher's quiz at `path`, or on a new one when it is empty.
// `readOnly`: the file is never written in place, only copied into `folder`.
void openQuizEditor(forms::Screens& screens, const QString& path, const QString& folder, const QString& returnTo,
                    bool readOnly = false);

class StatementEditor : public activity::OwnEditor {
    Q_OBJECT
public:
    enum Command { Undo = 0, Redo = 1, Save = 2, Restore = 3, Play = 4, Exit = 5 };
    enum RowCommand { Add = 0, Delete = 1, Up = 2, Down = 3 };

    StatementEditor(forms::Screens& screens, EditorTarget target);
    // The history outlives the controls it greys: it is told nothing more.
    ~StatementEditor() override;

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;

    // Each as its command does it; a save returns whether it was written.
    bool save();
    void restoreOurs();
    void leave();
    void play();
    int current() const { return list.widget.currentIndex().row(); }
    // The row shown in the fields, as a click on it in the list chooses it.
    void choose(int row);
    // Row `row` as the list reads it.
    QString rowText(int row) const;
    bool hasChanges() const override { return history.unsaved(); }
    const EditorTarget& target() const { return target_; }

    DraftHistory history;
    forms::Label& heading;
    forms::Label& fileNote;  // what is wrong with the file, or why a save failed
    forms::Label& rowNote;   // what is wrong with the statement shown
    activity::TextField& title;
    activity::TextField& instruction;
    std::array<activity::TextField*, 4> choices{};
    activity::Hosted<QListView>& list;
    activity::Hosted<QPlainTextEdit>& statement;
    activity::Hosted<QComboBox>& answer;
    activity::TextField& reason;
    forms::ControlGroup<forms::Label> rowCommands{QStringLiteral("rowCommands")};
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    // Asked before what cannot be undone, and before writing over a file
    // someone else changed; it covers the commands until it is answered.
    activity::Question& question;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void refresh(int row);
    void showRows(const Draft& draft);
    void showRow(int row);
    void runCommand(int command);
    void runRowCommand(int command);
    void ask(const QString& text, const QStringList& answers, std::function<void(int)> then);
    bool write(const QString& path);
    void goBack();
    void greyCommands();
    void showFileNote();
    void commitChoices();
    void tell(const QString& text);
    bool tooLong(const QString& text);
    QString itemText(int row, const QString& problem);

    StatementRows& rows_;           // what the list reads
    EditorTarget target_;
    activity::EditedFile file_;
    DraftSource source_;
    RowChecks checks_;
    QStringList problems_;
    QHash<QString, bool> tooLong_; // measured once per text: measuring is slow
    QString saveProblem_; // why the last save failed, until one succeeds
    std::vector<DraftRow> shownRows_; // as the list shows them, with shownProblems_
    QStringList shownProblems_;
    QStringList answerChoices_;       // as the answer's list holds them
    bool refreshing_ = false;
};

} // namespace statements
