#include "statements/textfit.h"
#include "forms/twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

namespace statements {

namespace {

QFont fontOf(const QString& family, bool bold, int pixels)
{
    // As the forms layer makes a designed font: the family as designed, its size in pixels.
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QSize wrapped(const QFont& font, const QString& text, int width)
{
    const QFontMetrics metrics(font);
    return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::AlignHCenter | Qt::TextWordWrap, text).size();
}

bool fits(const QSize& size, const QSize& box) { return size.width() <= box.width() && size.height() <= box.height(); }

double pointsOf(int pixels) { return pixels * 72.0 / 96.0; }

constexpr qsizetype MostCharacters = 2000;

} // namespace

TextFit fitText(const QString& text, const QString& family, bool bold, QSize box, double largest, double smallest)
{
    const int smallestPixels = forms::fontPixels(smallest);
    // Far more than any box holds: a longer text is measured no further.
    if (text.size() > MostCharacters) {
        TextFit fit = fitText(text.left(MostCharacters), family, bold, box, smallest, smallest);
        fit.cut = true;
        return fit;
    }
    for (int pixels = forms::fontPixels(largest); pixels >= smallestPixels; --pixels) {
        const QSize size = wrapped(fontOf(family, bold, pixels), text, box.width());
        if (fits(size, box))
            return {pointsOf(pixels), text, false, size.height()};
    }
    // Too long even at the smallest size: keep as many words as fit, then an ellipsis.
    const QFont font = fontOf(family, bold, smallestPixels);
    const QStringList words = text.left(MostCharacters).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto shortened = [&](qsizetype keep) {
        if (keep == 1) // a single word wider than the box is cut letter by letter
            return QFontMetrics(font).elidedText(words.front() + QChar(0x2026), Qt::ElideRight, box.width());
        return QStringList(words.mid(0, keep)).join(QLatin1Char(' ')) + QChar(0x2026);
    };
    qsizetype lo = 0, hi = words.size(); // the most words that fit lies in [lo, hi]
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fits(wrapped(font, shortened(mid), box.width()), box))
            lo = mid;
        else
            hi = mid - 1;
    }
    const QString shown = lo > 0 ? shortened(lo) : QString(QChar(0x2026));
    return {pointsOf(smallestPixels), shown, true, wrapped(font, shown, box.width()).height()};
}

} // namespace statements
