#include "statements/editor/draft.h"
#include "statements/ownquiz.h"
#include "statements/quiz.h"

namespace statements {

namespace {

const QString Bar = QStringLiteral("|");

bool wellShaped(const QString& line)
{
    const qsizetype bars = line.count(QLatin1Char('|'));
    return bars == 1 || bars == 2;
}

} // namespace

QStringList rowProblems(const Draft& draft)
{
    QStringList problems;
    StatementCheck check(draft.choices);
    const QString badChoices = choicesProblem(draft.choices);
    for (const DraftRow& row : draft.rows) {
        QString why;
        if (!badChoices.isEmpty())
            why = QStringLiteral("cannot be checked: %1").arg(badChoices);
        else if (!row.statementAsRead.isUndefined() && !statementShapeProblem(row.statementAsRead).isEmpty())
            why = statementShapeProblem(row.statementAsRead);
        else if (!row.asRead.isEmpty() && !wellShaped(row.asRead))
            why = QStringLiteral("expected \"answer | statement | reason\"");
        else if (!draft.ownQuiz && (row.text.contains(Bar) || row.reason.contains(Bar)))
            why = QStringLiteral("a statement or reason cannot contain \"|\" in a set");
        if (why.isEmpty())
            why = check.next(row.text, row.answer);
        else
            check.skip();
        problems << why;
    }
    return problems;
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

Draft setDraft(const QString& text, const QStringList& choices)
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
    const QStringList problems = rowProblems(draft);
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
