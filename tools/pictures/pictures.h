#pragma once
// The build-time picture generator: every picture the screens show is drawn
// here with QPainter and written beside the program.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace pictures {

struct PictureFile {
    QString path;                // relative to the program's folder, e.g. "Images/exit.jpg"
    std::function<QImage()> draw;
};

// One list per subject; main() writes them all.
std::vector<PictureFile> spinePictures();
std::vector<PictureFile> telescopicPictures();     // by eye and through a small telescope
std::vector<PictureFile> spaceTelescopePictures(); // photographs from orbit
std::vector<PictureFile> earPictures();
std::vector<PictureFile> powerPictures();
std::vector<PictureFile> insulationPictures();
std::vector<PictureFile> spectrumPictures();
std::vector<PictureFile> wavesPictures();
std::vector<PictureFile> convectionPictures();
std::vector<PictureFile> islandPictures();
std::vector<PictureFile> sourcesPictures();
std::vector<PictureFile> iconPictures();           // the program's icon, PNG at 48, 128 and 256 pixels

// The program's icon as SVG under `folder`, in the hicolor theme's layout.
bool writeScalableIcon(const QString& folder);
std::vector<PictureFile> atomPictures();
std::vector<PictureFile> backgroundPictures();

} // namespace pictures
