#pragma once
// Reading and writing ".tavlabel" files. Nothing is half-read: a file is
// either wholly understood or refused with the reason.

#include "labelling/ownactivity.h"

namespace labelling {

struct OwnRead {
    OwnActivity activity;
    QString problem; // empty when read; else what is wrong, naming the file
    bool ok() const { return problem.isEmpty(); }
};

// Files larger than this are not labelling activities.
inline constexpr qint64 LargestOwnFile = 40 * 1024 * 1024;

OwnRead readOwnActivity(const QString& path);
OwnRead parseOwnActivity(const QByteArray& json, const QString& fileName);
QByteArray ownActivityJson(const OwnActivity& activity);
// Writes atomically; returns why it could not, or empty.
QString writeOwnActivity(const QString& path, const OwnActivity& activity);

} // namespace labelling
