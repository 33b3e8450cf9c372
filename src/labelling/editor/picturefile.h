#pragma once
// A teacher's own picture, made ready to embed in an activity: read through
// the guarded reader, its size checked from its header before anything is
// decoded, scaled down when it is larger than the screen can show, and
// encoded as JPEG when it is a photograph, else as PNG.

#include "labelling/editor/draft.h"

namespace labelling {

inline constexpr qint64 LargestPictureFile = 20 * 1024 * 1024;
inline constexpr int LargestPictureSide = 8000;

// The largest picture embedded: the playing area at FinestOwnPicture times its design size.
QSize largestEmbedded();

struct PictureChoice {
    EmbeddedPicture picture;
    QString problem; // empty when ready; else why, naming the file
    bool ok() const { return problem.isEmpty(); }
};

// The picture file at `path` (PNG, JPEG, BMP or GIF, whose first frame is
// taken), read as the type its name says and as no other.
PictureChoice readPictureFile(const QString& path);
// The same for bytes already read from `fileName`, which names them in a problem.
PictureChoice embedPicture(const QByteArray& bytes, const QString& fileName);

} // namespace labelling
