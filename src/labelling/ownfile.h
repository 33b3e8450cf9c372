#pragma once
// Reading and writing ".tavlabel" files. Nothing is half-read: a file is
// either wholly understood or refused with the reason.

#include "labelling/ownactivity.h"

#include <QImage>

namespace activity { class EditedFile; }

namespace labelling {

struct OwnRead {
    OwnActivity activity;
    QString problem; // empty when read; else what is wrong, naming the file
    QImage picture{}; // decoded whole, when asked for: what the screen shows
    bool ok() const { return problem.isEmpty(); }
};

// How much of the picture a reading decodes: enough to know it can be shown
// (a list of many activities opens at once), or all of it, to show it.
enum class PictureUse { Check, Show };

// Files larger than this are not labelling activities.
inline constexpr qint64 LargestOwnFile = 40 * 1024 * 1024;

OwnRead readOwnActivity(const QString& path, PictureUse use = PictureUse::Check);
OwnRead parseOwnActivity(const QByteArray& json, const QString& fileName, PictureUse use = PictureUse::Check);
QByteArray ownActivityJson(const OwnActivity& activity);
// Writes atomically; returns why it could not, or empty.
QString writeOwnActivity(const QString& path, const OwnActivity& activity);

inline const QString OwnLabelExtension = QStringLiteral("tavlabel");

// The activity in the file an editor opens, remembering what the file held.
OwnRead openOwnActivity(activity::EditedFile& file, PictureUse use = PictureUse::Check);
// Saves in place; or, for a new activity, one that may not be changed in
// place, or `asCopy`, as a new file in the file's folder named after the
// title, which is the file edited from then on. Returns why not, or empty;
// an activity the reader would refuse is not saved, and the reason said.
QString saveOwnActivity(activity::EditedFile& file, const OwnActivity& activity, bool asCopy = false);

} // namespace labelling
