#pragma once
// A block of text with real superscripts, for powers of ten: the questions and
// the working are written with Unicode superscript digits ("3 × 10⁸"), which
// this control raises and sets smaller in the control's own font, so that no
// glyph is borrowed from another typeface; subscripts (the p of Vₚ) likewise
// are lowered. Paragraphs stand a little apart;
// a line break inside one starts a new line of the same paragraph.

#include "forms/control.h"

#include <QStringList>

class QTextDocument;

namespace calculations {

// The paragraphs as the markup a text document lays out.
QString richMarkup(const QStringList& paragraphs, int boldParagraph = -1);

// Lays `paragraphs` out in `font`, wrapped to `widthPixels`; the size they take
// and whether a word is wider than the width.
struct TextExtent {
    double height;
    double widest; // the widest line, in pixels
};
TextExtent measureText(const QStringList& paragraphs, const QFont& font, int widthPixels, int boldParagraph = -1);

class RichText : public forms::Control {
    Q_OBJECT
public:
    RichText(QWidget* parent, const QString& name, int index = -1);

    const QStringList& paragraphs() const { return paragraphs_; }
    void setParagraphs(const QStringList& paragraphs, int boldParagraph = -1);
    // Whether the text lies wholly inside the control.
    bool fits() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void lay(QTextDocument& document) const;
    int designWidth() const; // the width in design pixels
    QStringList paragraphs_;
    int bold_ = -1;
};

} // namespace calculations
