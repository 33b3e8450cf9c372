#include "guidedoc/guidedocument.h"
#include "app/guidepages.h"

namespace guidedoc {

namespace {

// A4 with 2 cm margins, in twips: the introduction on an upright page, each
// menu's table on a page turned sideways, as wide as the guide's own pages.
constexpr int PaperShort = 11906, PaperLong = 16838, Margin = 1134;
constexpr int TableWidth = PaperLong - 2 * Margin;

// Colour table entries.
constexpr int Navy = 1, HeaderShade = 2;

QByteArray number(double value) { return QByteArray::number(qRound(value)); }

QByteArray paragraph(const QByteArray& format, const QString& text)
{
    return "\\pard\\plain\\f0" + format + " " + rtfText(text) + "\\par\n";
}

// Cell boundaries of a row, from the page's rules, scaled to the text width.
QByteArray rowDefinition(const std::vector<forms::TwipRect>& cells, float tableLeft, float tableWidth,
                         bool header)
{
    QByteArray row = "\\trowd\\trgaph108\\trleft0\\trkeep";
    if (header)
        row += "\\trhdr";
    const double scale = TableWidth / static_cast<double>(tableWidth);
    for (const forms::TwipRect& cell : cells) {
        row += "\\clvertalt\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
               "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
        if (header)
            row += "\\clcbpat" + QByteArray::number(HeaderShade);
        row += "\\cellx" + number((cell.left + cell.width - tableLeft) * scale);
    }
    return row + "\n";
}

QByteArray cell(const QString& text, bool bold)
{
    return QByteArray("\\pard\\plain\\intbl\\f0\\fs22\\sa60") + (bold ? "\\b" : "") + " " + rtfText(text) + "\\cell\n";
}

QByteArray table(const app::GuideTable& table)
{
    const std::vector<forms::TwipRect> columns = app::guideColumns(table);
    if (columns.empty())
        return {};
    const float left = columns.front().left;
    const float width = columns.back().left + columns.back().width - left;

    QByteArray rtf = rowDefinition(columns, left, width, true);
    for (const QString& heading : table.columns)
        rtf += cell(heading, true);
    rtf += "\\row\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<forms::TwipRect> cells = app::guideCells(table, static_cast<int>(r));
        rtf += rowDefinition(cells, left, width, false);
        for (std::size_t c = 0; c < cells.size(); ++c)
            rtf += cell(c < table.rows[r].size() ? table.rows[r][c] : QString(), c == 0);
        rtf += "\\row\n";
    }
    return rtf + "\\pard\\plain\\f0\\fs22\\par\n";
}

} // namespace

QByteArray rtfText(const QString& text)
{
    QByteArray out;
    bool pendingSpace = false; // a control word needs a space before plain text that follows
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit == u'\n') {
            out += "\\line";
            pendingSpace = true;
            continue;
        }
        if (unit == u'\t') {
            out += "\\tab";
            pendingSpace = true;
            continue;
        }
        if (unit < 0x20)
            continue;
        if (pendingSpace) {
            out += ' ';
            pendingSpace = false;
        }
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else {
            // Readers take N as a signed 16-bit number and skip the '?' that follows.
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + '?';
        }
    }
    return out;
}

QByteArray guideDocument()
{
    const app::GuideIntro& intro = app::guideIntro();
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
        "{\\colortbl;\\red0\\green0\\blue128;\\red221\\green230\\blue245;}\n"
        "{\\info{\\title " + rtfText(app::GuideTitle) + "}{\\subject " + rtfText(app::ProductTitle) +
        "}{\\author Quorvanta Learning}}\n"
        "\\paperw" + QByteArray::number(PaperShort) + "\\paperh" + QByteArray::number(PaperLong) +
        "\\margl" + QByteArray::number(Margin) + "\\margr" + QByteArray::number(Margin) +
        "\\margt" + QByteArray::number(Margin) + "\\margb" + QByteArray::number(Margin) + "\n";

    const QByteArray navy = "\\cf" + QByteArray::number(Navy);
    rtf += paragraph("\\qc\\b\\fs40\\sa120" + navy, app::ProductTitle);
    rtf += paragraph("\\qc\\b\\fs32\\sa360" + navy, app::GuideTitle);
    rtf += paragraph("\\fs22\\sa240", intro.support);
    rtf += paragraph("\\b\\fs24\\sa120" + navy, intro.contactHeading);
    rtf += paragraph("\\fs22\\sa240", intro.address);
    rtf += paragraph("\\fs22\\sa360", intro.contacts);
    rtf += paragraph("\\fs22\\sa240", intro.about);
    rtf += paragraph("\\fs22\\sa240", intro.opening);

    for (const app::GuidePage& page : app::guidePages()) {
        if (page.table.rows.empty())
            continue;
        rtf += "\\sect\\sectd\\lndscpsxn\\pgwsxn" + QByteArray::number(PaperLong) + "\\pghsxn" +
               QByteArray::number(PaperShort) + "\n";
        rtf += paragraph("\\b\\fs32\\sa240\\keepn" + navy, page.heading);
        rtf += table(page.table);
    }
    return rtf + "}\n";
}

} // namespace guidedoc
