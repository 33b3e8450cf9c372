#include "labelling/editor/picturefile.h"
#include "labelling/editor/playarea.h"
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

} // namespace

QSize largestEmbedded()
{
    return {forms::designPixels(OwnPictureArea.width) * FinestOwnPicture,
            forms::designPixels(OwnPictureArea.height) * FinestOwnPicture};
}

PictureChoice embedPicture(const QByteArray& bytes, const QString& fileName)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "bmp" && format != "gif")
        return {{}, cannotUse(QObject::tr("%1 is not a PNG, JPEG, BMP or GIF picture").arg(fileName))};
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
