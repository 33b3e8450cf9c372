#pragma once
// What the statement editor edits: a statement set of one of our topics, or
// a teacher's own quiz, as rows the teacher can change. A row that could not
// be used when its file was read keeps its line (or its statement) exactly as
// read, and is written back so, until the teacher changes or deletes it:
// nothing typed is dropped on the way through the editor.

#include "statements/ownquiz.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <vector>

namespace statements {

struct DraftRow {
    QString text;
    QString answer;          // as written; one of the choices when usable
    QString reason;          // may be empty
    QString asRead{};        // a set file's line that could not be used, until changed
    int line = 0;            // where it stood in its file; 0 once changed or new
    QStringList notes{};     // a set file's note lines ("# ...") just before it
    QJsonObject unknown{};   // a quiz file's fields this program does not know
    // A quiz file's statement that could not be used, exactly as written, until changed.
    QJsonValue statementAsRead{QJsonValue::Undefined};
    bool operator==(const DraftRow&) const = default;
};

struct Draft {
    bool ownQuiz = false;    // a ".tavquiz" of the teacher's own, not one of our sets
    QString title;           // own quiz only
    QString instruction;     // own quiz only
    QStringList choices;
    std::vector<DraftRow> rows;
    QStringList trailingNotes{}; // a set file's notes after its last statement
    QJsonObject unknown{};
    bool operator==(const Draft&) const = default;
};

// What is wrong with each row, in order; empty where nothing is. Rows are
// checked as the quiz will check them: the answer one of the choices, no
// statement twice, no more than the most a quiz plays.
QStringList rowProblems(const Draft& draft);

// The same, kept from one check of a draft to the next: a row is judged again
// only where a step changed it (an edit, an insertion, a deletion, a move),
// the rest only counted again for repeats and the most a quiz plays, so that
// a key typed in one statement of thousands costs little more than one row.
class RowChecks {
public:
    // `Once`: a single draft is checked, its texts not remembered for the next.
    enum Use { Kept, Once };
    explicit RowChecks(Use use = Kept) : use_(use) {}
    const QStringList& of(const Draft& draft);

private:
    struct Judged {
        QString problem;    // of its own: its shape, its answer, no text
        QString key;        // when it has none: what its repeats share, as text
        int number = -1;    // or as a number, when the texts are kept
        bool skips = false; // its shape is wrong: it is never a statement to repeat
    };
    Judged judge(const DraftRow& row, StatementCheck& check, const QString& badChoices) const;

    Use use_;
    bool ownQuiz_ = false;
    QStringList choices_;
    StatementKeys keys_;          // kept: a row's key stays right while its text does
    std::vector<DraftRow> rows_;  // as last checked
    std::vector<Judged> judged_;
    QStringList problems_;
    bool checked_ = false;
};

// Whether a statement will be cut short on the quiz screen even at the
// smallest size the screen gives it.
bool tooLongToShow(const QString& text);

// A row's line in a set file: "answer | statement | reason", or the line as read.
QString setLine(const DraftRow& row);
// The rows of a set file's text, with notes and unusable lines kept;
// checked with `checks` when given, which then knows them.
Draft setDraft(const QString& text, const QStringList& choices, RowChecks* checks = nullptr);
// The text of a set file holding `draft`.
QString setText(const Draft& draft);

} // namespace statements
