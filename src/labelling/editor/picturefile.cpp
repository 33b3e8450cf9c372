#include "labelling/editor/picturefile.h"
#include "labelling/editor/playarea.h"
#include "labelling/picturedata.h"
#include "activity/teacherfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

namespace labelling {

namespace {

QString cannotUse(const QString& why) { return QObject::tr("This picture cannot be used: %1.").arg(why); }

QByteArray encoded(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

// A photograph is far smaller as JPEG; a diagram, with its few flat colours
// and sharp lines, is as small or smaller as PNG and keeps its edges clean.
EmbeddedPicture encode(const QImage& image)
{
    const QByteArray png = encoded(image, "png", -1);
    if (!image.hasAlphaChannel()) {
        const QByteArray jpeg = encoded(image, "jpeg", 88);
        if (!jpeg.isEmpty() && (png.isEmpty() || jpeg.size() * 2 < png.size()))
            return {jpeg, QStringLiteral("jpeg"), image.size(), image};
    }
    return {png, QStringLiteral("png"), image.size(), image};
}

// The format the file's name says it holds, or empty for none of those taken.
QByteArray namedFormat(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "jpeg";
    if (suffix == QLatin1String("png") || suffix == QLatin1String("bmp") || suffix == QLatin1String("gif"))
        return suffix.toLatin1();
    return {};
}

} // namespace

QSize largestEmbedded()
{
    return {forms::designPixels(OwnPictureArea.width) * FinestOwnPicture,
            forms::designPixels(OwnPictureArea.height) * FinestOwnPicture};
}

PictureChoice embedPicture(const QByteArray& bytes, const QString& fileName)
{
    // Decoded only as the type its name says, never as whatever its bytes
    // look like (an SVG may name files on the teacher's disk); a PNG's text
    // and colour profile are left out, so that a few bytes claiming
    // gigabytes cost nothing.
    const QByteArray format = namedFormat(fileName);
    if (format.isEmpty())
        return {{}, cannotUse(QObject::tr("%1 is not a PNG, JPEG, BMP or GIF picture").arg(fileName))};
    QByteArray data = format == "png" ? picture::pngPixelsOnly(bytes) : bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    if (!reader.canRead())
        return {{}, cannotUse(data.isEmpty() && bytes.startsWith("\x89PNG")
                                  ? QObject::tr("%1 is damaged").arg(fileName)
                                  : QObject::tr("%1 is not a %2 picture, as its name says").arg(fileName, QString::fromLatin1(format).toUpper()))};
    // The size from the header alone: a huge picture is refused before it is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return {{}, cannotUse(QObject::tr("%1 is damaged").arg(fileName))};
    if (size.width() > LargestPictureSide || size.height() > LargestPictureSide)
        return {{}, cannotUse(QObject::tr("%1 is %2 x %3 pixels; the most a picture may be is %4 x %4")
                                  .arg(fileName).arg(size.width()).arg(size.height()).arg(LargestPictureSide))};
    QImage image = reader.read();
    if (image.isNull())
        return {{}, cannotUse(QObject::tr("%1 is damaged (%2)").arg(fileName, reader.errorString()))};
    const QSize largest = largestEmbedded();
    if (image.width() > largest.width() || image.height() > largest.height())
        image = image.scaled(largest, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    EmbeddedPicture picture = encode(image);
    if (picture.bytes.isEmpty())
        return {{}, cannotUse(QObject::tr("%1 could not be converted").arg(fileName))};
    return {picture, {}};
}

PictureChoice readPictureFile(const QString& path)
{
    const activity::TeacherFile file = activity::readTeacherFile(path, LargestPictureFile);
    if (!file.ok())
        return {{}, cannotUse(file.problem)};
    return embedPicture(file.bytes, QFileInfo(path).fileName());
}

} // namespace labelling
