#pragma once
// A true/false quiz a teacher made: one self-contained ".tavquiz" file (JSON,
// UTF-8) holding a title, an instruction, two to four choices and the
// statements, each with its answer (one of the choices) and an optional
// reason. It plays on the ordinary statement screen. Fields this program does
// not know are kept on rewrite; a file of a newer format is refused, never
// rewritten. Statements that cannot be used are kept, named with their number
// and what is wrong, so the editor can show them and the quiz can skip them.

#include "activity/ownkind.h"
#include "statements/statementset.h"

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace statements {

struct OwnStatement {
    QString text;          // as shown: a field that is not text shows as written ("42")
    QString answer;        // as written: one of the choices when usable
    QString reason;        // may be empty
    QJsonObject unknown{}; // fields this program does not know, kept on rewrite
    // A statement that could not be used when read, exactly as written; it
    // is written back so until it is changed. Undefined for one that could.
    QJsonValue asRead{QJsonValue::Undefined};
};

struct OwnQuiz {
    QString title;
    QString instruction;
    QStringList choices{QStringLiteral("True"), QStringLiteral("False")};
    std::vector<OwnStatement> statements;
    QJsonObject unknown{}; // top-level fields this program does not know
};

inline constexpr int OwnQuizFormat = 1;
inline const QString OwnQuizExtension = QStringLiteral("tavquiz");
inline constexpr int FewestChoices = 2, MostChoices = 4;

struct QuizRead {
    OwnQuiz quiz;           // every statement as written, usable or not
    QString problem;        // why the whole file cannot be used, naming it; empty when it can
    std::vector<Skipped> skipped; // statement number (from 1) and why it is not played
    bool ok() const { return problem.isEmpty(); }
};

// Files larger than this are not quizzes.
inline constexpr qint64 LargestQuizFile = 1024 * 1024;

QuizRead readOwnQuiz(const QString& path);
QuizRead parseOwnQuiz(const QByteArray& bytes, const QString& fileName);
QByteArray ownQuizJson(const OwnQuiz& quiz);
// Writes atomically; returns why it could not, or empty. The old file stays whole on failure.
QString writeOwnQuiz(const QString& path, const OwnQuiz& quiz);

// What is wrong with the shape of a statement as written (not an object, a
// field that is not text), or empty.
QString statementShapeProblem(const QJsonValue& statement);

// The statements of a quiz or set checked in their order, as the quiz plays
// them: each against the choices and the statements before it. Each check
// takes the same short time however many came before, so that a file as
// large as the rules allow is read, and edited, at once.
// A number for each statement text, the same for texts that differ only in
// case and spacing: repeats are found by comparing numbers.
class StatementKeys {
public:
    int of(const QString& text);
    void reserve(qsizetype texts) { numbers_.reserve(texts); }

private:
    QHash<QString, int> numbers_; // simplified, lower-cased text: one more than its number
};

class StatementCheck {
public:
    // What a statement is apart from those around it: why it cannot be
    // played whatever comes before it, or else the key its repeats share.
    struct Own {
        QString problem;
        QString key{};   // its simplified, lower-cased text, when judged without `keys`
        int number = -1; // else that text's number among `keys`
    };

    // `keys`: those that numbered statements judged earlier, to be judged with
    // these; when null, statements are told apart by their texts.
    explicit StatementCheck(const QStringList& choices, StatementKeys* keys = nullptr);
    StatementCheck(const StatementCheck&) = delete;
    StatementCheck& operator=(const StatementCheck&) = delete;

    // Why the next statement cannot be played, or empty; once checked it
    // counts among those before the next.
    QString next(const QString& text, const QString& answer) { return next(own(text, answer)); }
    // The same, for a statement already judged on its own with these choices and keys.
    QString next(const Own& statement);
    Own own(const QString& text, const QString& answer);
    // The next statement cannot be used for a reason of its own (its shape):
    // it takes its number, and no statement is the same as it.
    void skip() { ++number_; }

private:
    QStringList choices_;
    QStringList keys_;           // each choice's answer key
    QString pastTheMost_;        // told of every statement past the most played: made once
    QString lastAnswer_;         // the answer judged last, and whether it is one of the choices
    bool lastIsAChoice_ = false;
    StatementKeys* texts_;
    // The number of the first playable statement of each text: by the
    // text's number when there are `keys`, else by the text itself.
    std::vector<int> seenAt_;
    QHash<QString, int> seen_;
    int number_ = 0;             // statements checked so far
    int played_ = 0;             // of which playable
};
// Two answers are one when they differ only in case, spaces and punctuation.
bool sameAnswer(const QString& a, const QString& b);
// Why the choices cannot be used, or empty.
QString choicesProblem(const QStringList& choices);

// The statements of `read` that can be played on a screen with `choices`, as
// the quiz screen deals them; its notice names the first one skipped and how
// many more.
StatementSet playableSet(const QuizRead& read, const QString& fileName, const QStringList& choices);
// The same, read from the file at `path`; the notice says why when it cannot be read.
StatementSet ownQuizSet(const QString& path, const QStringList& choices);

// The kind "My Activities" lists: ".tavquiz" files, made with "New true/false quiz".
const activity::OwnKind& ownQuizKind();

} // namespace statements
