#pragma once
// Decoding the picture an activity file embeds. The file names its type, and
// the picture is decoded as that type alone, never as whatever its bytes
// look like (an SVG may name files on the teacher's disk). What a decoder
// would read into memory before the pixels (a PNG's text, its colour
// profile) is left out, so that a few bytes claiming gigabytes cost nothing,
// and the memory the pixels take is known before they are decoded.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace labelling::picture {

// The largest picture a file may hold, each way, and the most its pixels may
// take once decoded: the largest picture at four bytes a pixel.
inline constexpr int LargestSide = 8000;
inline constexpr qint64 LargestDecoded = qint64(LargestSide) * LargestSide * 4;

struct Decoded {
    QImage image;   // null when only checked, or refused
    QSize size;     // the picture's own size, in pixels
    QString problem; // "its picture cannot be shown"; empty when it decodes
    bool ok() const { return problem.isEmpty(); }
};

enum class Decode { Check, Whole };

// `bytes` decoded as `type` ("png", or "jpeg"/"jpg"). `Check` decodes just
// enough to know every byte reads (a JPEG at an eighth of its size) and
// keeps no image; `Whole` keeps the picture at its own size.
Decoded decode(const QByteArray& bytes, const QString& type, Decode how);

// A PNG's bytes with only what its pixels need: the header, palette,
// transparency, image data and end. Empty when the chunks do not add up
// (a chunk claiming more bytes than follow).
QByteArray pngPixelsOnly(const QByteArray& png);

} // namespace labelling::picture
