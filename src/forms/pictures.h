#pragma once
// Picture files are named as the screens were designed: "Images\exit.jpg",
// relative to the working folder, with a backslash and in any letter case.

#include <QPixmap>
#include <QString>
#include <QStringList>
#include <utility>

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

// A picture may also be drawn at two or three times its design size beside
// it ("exit@2x.jpg", "exit@3x.jpg"). For a screen drawn `ratio` display pixels
// to the design pixel, the file that suits: the smallest of those at least as
// fine, else the finest there is, else the design file itself. A finer file
// counts only while it is exactly its multiple of the design file's size and
// no older than it, so a design file replaced by hand is the one shown.
// Returns the file and how many of its pixels make one design pixel.
std::pair<QString, int> choosePictureFile(const QString& designFile, double ratio);

// Display pixels to a design pixel: the screens' scale times the display's
// own device pixel ratio.
double pictureRatio(float scale);

// Loads a picture at the resolution that suits screens drawn at `scale`; its
// size in design pixels is the design file's. On a missing or unreadable file
// returns a null pixmap and writes one line naming the file to standard error.
QPixmap loadPicture(const QString& designPath, float scale = 1.0f);

} // namespace forms
