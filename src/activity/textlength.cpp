#include "activity/textlength.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace activity {

namespace {

// Where the `most`-th character as seen ends, in code units; the text's
// length when it has no more than that.
qsizetype endOfCharacter(const QString& text, int most)
{
    if (text.size() <= most) // never more characters than code units
        return text.size();
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype at = 0;
    for (int seen = 0; seen < most && at >= 0 && at < text.size(); ++seen)
        at = boundaries.toNextBoundary();
    return at < 0 ? text.size() : at;
}

} // namespace

int characterCount(const QString& text)
{
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (boundaries.toNextBoundary() > 0)
        ++count;
    return count;
}

QString firstCharacters(const QString& text, int most) { return text.left(endOfCharacter(text, std::max(0, most))); }

QValidator::State CharacterLimit::validate(QString& input, int& position) const
{
    const qsizetype end = endOfCharacter(input, most_);
    if (end < input.size()) {
        input.truncate(end);
        position = int(std::min<qsizetype>(position, end));
    }
    return Acceptable;
}

} // namespace activity
