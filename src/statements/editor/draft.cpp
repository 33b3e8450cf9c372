#include "statements/editor/draft.h"
#include "statements/ownquiz.h"
#include "statements/quiz.h"

#include <algorithm>

namespace statements {

namespace {

const QString Bar = QStringLiteral("|");

bool wellShaped(const QString& line)
{
    const qsizetype bars = line.count(QLatin1Char('|'));
    return bars == 1 || bars == 2;
}

} // namespace

QStringList rowProblems(const Draft& draft) { return RowChecks(RowChecks::Once).of(draft); }

RowChecks::Judged RowChecks::judge(const DraftRow& row, StatementCheck& check, const QString& badChoices) const
{
    if (!badChoices.isEmpty())
        return {QStringLiteral("cannot be checked: %1").arg(badChoices), {}, -1, true};
    if (!row.statementAsRead.isUndefined())
        if (QString why = statementShapeProblem(row.statementAsRead); !why.isEmpty())
            return {why, {}, -1, true};
    if (!row.asRead.isEmpty() && !wellShaped(row.asRead))
        return {QStringLiteral("expected \"answer | statement | reason\""), {}, -1, true};
    if (!ownQuiz_ && (row.text.contains(Bar) || row.reason.contains(Bar)))
        return {QStringLiteral("a statement or reason cannot contain \"|\" in a set"), {}, -1, true};
    const StatementCheck::Own own = check.own(row.text, row.answer);
    return {own.problem, own.key, own.number, false};
}

const QStringList& RowChecks::of(const Draft& draft)
{
    const std::vector<DraftRow>& rows = draft.rows;
    StatementCheck check(draft.choices, use_ == Kept ? &keys_ : nullptr);
    const QString badChoices = choicesProblem(draft.choices);
    // The rows a step left alone: those before the first it changed and after the last.
    std::size_t same = 0, sameAtEnd = 0;
    if (checked_ && ownQuiz_ == draft.ownQuiz && choices_ == draft.choices) {
        const std::size_t shorter = std::min(rows.size(), rows_.size());
        while (same < shorter && rows[same] == rows_[same])
            ++same;
        while (sameAtEnd < shorter - same && rows[rows.size() - 1 - sameAtEnd] == rows_[rows_.size() - 1 - sameAtEnd])
            ++sameAtEnd;
    }
    ownQuiz_ = draft.ownQuiz;
    choices_ = draft.choices;
    std::vector<Judged> judged;
    judged.reserve(rows.size());
    if (same + sameAtEnd == 0 && use_ == Kept)
        keys_.reserve(qsizetype(rows.size()));
    judged.insert(judged.end(), judged_.begin(), judged_.begin() + std::ptrdiff_t(same));
    for (std::size_t k = same; k < rows.size() - sameAtEnd; ++k)
        judged.push_back(judge(rows[k], check, badChoices));
    judged.insert(judged.end(), judged_.end() - std::ptrdiff_t(sameAtEnd), judged_.end());
    judged_ = std::move(judged);
    rows_ = rows;
    checked_ = true;

    problems_.clear();
    problems_.reserve(qsizetype(rows.size()));
    for (const Judged& row : judged_) {
        if (row.skips) {
            check.skip();
            problems_ << row.problem;
        } else {
            problems_ << check.next({row.problem, row.key, row.number});
        }
    }
    return problems_;
}

bool tooLongToShow(const QString& text) { return fitStatement(text.simplified()).cut; }

QString setLine(const DraftRow& row)
{
    if (!row.asRead.isEmpty())
        return row.asRead;
    QString line = row.answer.trimmed() + QStringLiteral(" | ") + row.text.simplified();
    if (!row.reason.simplified().isEmpty())
        line += QStringLiteral(" | ") + row.reason.simplified();
    return line;
}

Draft setDraft(const QString& text, const QStringList& choices, RowChecks* checks)
{
    Draft draft;
    draft.choices = choices;
    QStringList notes;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < int(lines.size()); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            notes << line;
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('|'));
        DraftRow row;
        if (fields.size() < 2) {
            row.text = line.simplified(); // all of it is there to mend
        } else {
            row.answer = fields[0].trimmed();
            row.text = fields[1].simplified();
            row.reason = QStringList(fields.mid(2)).join(Bar).simplified();
        }
        row.asRead = line;
        row.line = n + 1;
        row.notes = std::exchange(notes, {});
        draft.rows.push_back(row);
    }
    draft.trailingNotes = notes;
    // Lines that can be used are written afresh; only the others keep their line as read.
    // The editor's own checks judge the lines it keeps as read only this once.
    const QStringList problems = checks ? checks->of(draft) : rowProblems(draft);
    for (int k = 0; k < int(draft.rows.size()); ++k)
        if (problems[k].isEmpty())
            draft.rows[std::size_t(k)].asRead.clear();
    return draft;
}

QString setText(const Draft& draft)
{
    QStringList lines;
    for (const DraftRow& row : draft.rows)
        lines << row.notes << setLine(row);
    lines << draft.trailingNotes;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace statements
