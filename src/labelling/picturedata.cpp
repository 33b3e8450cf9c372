#include "labelling/picturedata.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>

namespace labelling::picture {

namespace {

const QByteArray PngSignature("\x89PNG\r\n\x1a\n", 8);
const QByteArray JpegStart("\xFF\xD8\xFF", 3);

// Qt's own limit on a decoded picture (128 MB) is below what the largest
// picture a file may hold takes; the size and the memory are checked here
// before anything is decoded, so the limit is raised to that.
void allowTheLargest()
{
    static const bool raised = [] {
        const int needed = int(LargestDecoded >> 20) + 1;
        if (QImageReader::allocationLimit() != 0 && QImageReader::allocationLimit() < needed)
            QImageReader::setAllocationLimit(needed);
        return true;
    }();
    (void)raised;
}

Decoded refused(const QString& why) { return {{}, {}, why}; }

} // namespace

QByteArray pngPixelsOnly(const QByteArray& png)
{
    if (!png.startsWith(PngSignature))
        return {};
    QByteArray kept = PngSignature;
    qsizetype at = PngSignature.size();
    while (at < png.size()) {
        // Each chunk: its length, its type, its data, its check sum.
        if (png.size() - at < 12)
            return {};
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (length > quint64(png.size() - at - 12))
            return {};
        const QByteArrayView type(png.constData() + at + 4, 4);
        if (type == "IHDR" || type == "PLTE" || type == "tRNS" || type == "IDAT" || type == "IEND")
            kept.append(png.constData() + at, qsizetype(length) + 12);
        at += qsizetype(length) + 12;
        if (type == "IEND")
            break;
    }
    return kept;
}

Decoded decode(const QByteArray& bytes, const QString& type, Decode how)
{
    const QString named = type.toLower();
    const bool png = named == QLatin1String("png");
    if (!png && named != QLatin1String("jpeg") && named != QLatin1String("jpg"))
        return refused(QStringLiteral("its picture is neither PNG nor JPEG"));
    if (!bytes.startsWith(png ? PngSignature : JpegStart))
        return refused(QStringLiteral("its picture cannot be shown: its data is not %1, the type it names").arg(png ? "PNG" : "JPEG"));
    QByteArray data = png ? pngPixelsOnly(bytes) : bytes;
    if (data.isEmpty())
        return refused(QStringLiteral("its picture cannot be shown: its data is cut short or damaged"));
    allowTheLargest();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, png ? "png" : "jpeg");
    reader.setAutoDetectImageFormat(false);
    // The size and the kind of pixels from the header alone, so that a huge picture is never decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return refused(QStringLiteral("its picture cannot be shown"));
    if (size.width() > LargestSide || size.height() > LargestSide)
        return refused(QStringLiteral("its picture is %1 x %2 pixels, more than %3 x %3")
                           .arg(size.width()).arg(size.height()).arg(LargestSide));
    const QImage::Format format = reader.imageFormat();
    const int bits = format == QImage::Format_Invalid ? 32 : std::max(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
    if (qint64(size.width()) * size.height() * (bits / 8) > LargestDecoded)
        return refused(QStringLiteral("its picture is %1 x %2 pixels of %3-bit colour, too many to show; "
                                      "at that size it must have 8-bit colour")
                           .arg(size.width()).arg(size.height()).arg(bits / 4));
    // Only to check it, a JPEG at an eighth of its size, which reads every
    // byte at a small part of the cost, so that a list of many activities
    // opens at once.
    if (how == Decode::Check && !png)
        reader.setScaledSize(QSize(std::max(1, size.width() / 8), std::max(1, size.height() / 8)));
    QImage image = reader.read();
    if (image.isNull())
        return refused(QStringLiteral("its picture cannot be shown"));
    return {how == Decode::Whole ? std::move(image) : QImage(), size, {}};
}

} // namespace labelling::picture
