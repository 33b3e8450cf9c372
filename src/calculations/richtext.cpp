#include "calculations/richtext.h"
#include "forms/screen.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace calculations {

namespace {
// Space between paragraphs, in pixels.
constexpr int ParagraphGap = 6;

// Superscript characters and the digits they raise; subscript characters
// and what they lower (the p of Vₚ), for the few fonts that have no glyph for them.
QChar lowered(QChar c, const QString& from, const QString& to)
{
    const qsizetype at = from.indexOf(c);
    return at < 0 ? QChar() : to[at];
}
QChar superscripted(QChar c)
{
    static const QString raised = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079\u207B");
    static const QString plain = QStringLiteral("0123456789\u2212");
    return lowered(c, raised, plain);
}
QChar subscripted(QChar c)
{
    static const QString sunk = QStringLiteral("\u2080\u2081\u2082\u2083\u2084\u2085\u2086\u2087\u2088\u2089"
                                               "\u2090\u2091\u2092\u2093\u2095\u2096\u2097\u2098\u2099\u209A\u209B\u209C");
    static const QString plain = QStringLiteral("0123456789aeoxhklmnpst");
    return lowered(c, sunk, plain);
}

QString paragraphMarkup(const QString& text)
{
    QString html;
    enum { Level, Raised, Sunk } position = Level;
    static const QString open[] = {QString(), QStringLiteral("<sup>"), QStringLiteral("<sub>")};
    static const QString close[] = {QString(), QStringLiteral("</sup>"), QStringLiteral("</sub>")};
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        const QChar up = superscripted(c), down = subscripted(c);
        const auto wanted = !up.isNull() ? Raised : !down.isNull() ? Sunk : Level;
        if (wanted != position) {
            html += close[position] + open[wanted];
            position = wanted;
        }
        if (!up.isNull())
            html += up;
        else if (!down.isNull())
            html += down;
        else if (c == QLatin1Char('\n'))
            html += QStringLiteral("<br>");
        else
            html += QString(c).toHtmlEscaped();
        // A unit such as m/s stays on one line: a word joiner after its slash.
        if (c == QLatin1Char('/') && at + 1 < text.size() && text[at + 1].isLetter())
            html += QChar(0x2060);
    }
    return html + close[position];
}

void layOut(QTextDocument& document, const QStringList& paragraphs, const QFont& font, int widthPixels, int bold)
{
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    document.setHtml(richMarkup(paragraphs, bold));
    document.setTextWidth(widthPixels);
}
} // namespace

QString richMarkup(const QStringList& paragraphs, int boldParagraph)
{
    QString html;
    for (int i = 0; i < paragraphs.size(); ++i) {
        const QString body = paragraphMarkup(paragraphs[i]);
        html += QStringLiteral("<p style=\"margin-top:0; margin-bottom:%1px\">%2</p>")
                    .arg(i + 1 < paragraphs.size() ? ParagraphGap : 0)
                    .arg(i == boldParagraph ? QStringLiteral("<b>") + body + QStringLiteral("</b>") : body);
    }
    return html;
}

TextExtent measureText(const QStringList& paragraphs, const QFont& font, int widthPixels, int boldParagraph)
{
    QTextDocument document;
    layOut(document, paragraphs, font, widthPixels, boldParagraph);
    double widest = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            widest = std::max(widest, layout->lineAt(i).naturalTextWidth());
    }
    return {document.size().height(), widest};
}

RichText::RichText(QWidget* parent, const QString& name, int index) : Control(parent, name, index)
{
    // The text is read, never clicked: the pointer passes to what lies beneath.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RichText::setParagraphs(const QStringList& paragraphs, int boldParagraph)
{
    paragraphs_ = paragraphs;
    bold_ = boldParagraph;
    update();
}

// The text is laid out at the design size and drawn scaled, so that it wraps
// alike on every display and grows with "Fit to Screen".
bool RichText::fits() const
{
    const double scale = forms::scaleOf(*this);
    const TextExtent extent = measureText(paragraphs_, font(), designWidth(), bold_);
    return extent.height * scale <= height() && extent.widest <= designWidth();
}

int RichText::designWidth() const { return int(width() / forms::scaleOf(*this)); }

void RichText::lay(QTextDocument& document) const { layOut(document, paragraphs_, font(), designWidth(), bold_); }

void RichText::paintEvent(QPaintEvent*)
{
    QTextDocument document;
    lay(document);
    QPainter painter(this);
    const double scale = forms::scaleOf(*this);
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, foreColor());
    document.documentLayout()->draw(&painter, context);
}

} // namespace calculations
