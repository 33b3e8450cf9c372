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

// Superscript characters and the digits they raise.
QChar lowered(QChar c)
{
    static const QString raised = QStringLiteral("\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079\u207B");
    static const QString plain = QStringLiteral("0123456789\u2212");
    const qsizetype at = raised.indexOf(c);
    return at < 0 ? QChar() : plain[at];
}

QString paragraphMarkup(const QString& text)
{
    QString html;
    bool inSuperscript = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        const QChar digit = lowered(c);
        if (!digit.isNull() != inSuperscript) {
            html += inSuperscript ? QStringLiteral("</sup>") : QStringLiteral("<sup>");
            inSuperscript = !inSuperscript;
        }
        if (!digit.isNull())
            html += digit;
        else if (c == QLatin1Char('\n'))
            html += QStringLiteral("<br>");
        else
            html += QString(c).toHtmlEscaped();
        // A unit such as m/s stays on one line: a word joiner after its slash.
        if (c == QLatin1Char('/') && at + 1 < text.size() && text[at + 1].isLetter())
            html += QChar(0x2060);
    }
    if (inSuperscript)
        html += QStringLiteral("</sup>");
    return html;
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
