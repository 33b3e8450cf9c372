#pragma once
// Lengths as a person counts them: characters as they are seen (grapheme
// clusters), so that a limit never cuts an accented letter from its accent,
// an emoji in half or a flag into two letters, and "120 characters" means
// what a teacher would count.

#include <QString>
#include <QValidator>

namespace activity {

// How many characters a person sees in `text`.
int characterCount(const QString& text);
// `text` up to its `most`-th character as seen, never cut inside one.
QString firstCharacters(const QString& text, int most);

// Keeps a text field to `most` characters as seen: what is typed or pasted
// beyond is cut at a character's end.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int most, QObject* parent) : QValidator(parent), most_(most) {}
    State validate(QString& input, int& position) const override;

private:
    int most_;
};

} // namespace activity
