#pragma once
// Picture files are named as the screens were designed: "Images\exit.jpg",
// relative to the working folder, with a backslash and in any letter case.

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace forms {

// Finds a file named with backslashes or slashes, matching each component
// without regard to case, in each base folder in turn. Empty when not found.
QString resolvePath(const QString& designPath, const QStringList& baseFolders);

// The working folder first, then the folder of the executable, then the
// installed data folders: share/tavrenel beside the program's bin folder (so a
// moved installation still finds its pictures), then the system's data folders.
QStringList pictureFolders();
// The installed data folders for a program in `programFolder`, in that order.
QStringList installedDataFolders(const QString& programFolder);
QString resolvePicturePath(const QString& designPath);

// Loads a picture; on a missing or unreadable file returns a null pixmap and
// writes one line naming the file to standard error.
QPixmap loadPicture(const QString& designPath);

} // namespace forms
