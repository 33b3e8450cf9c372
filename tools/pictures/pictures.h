#pragma once
// The build-time picture generator: every picture the screens show is drawn
// here with QPainter and written beside the program.

#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace pictures {

struct PictureFile {
    QString path;                // relative to the program's folder, e.g. "Images/exit.jpg"
    std::function<QImage(int resolution)> draw; // at that many pixels to each design pixel
};

// The files one drawing source draws.
using PictureList = std::vector<PictureFile> (*)();

// Each drawing source registers its list as the generator starts, e.g.
// `const Subject registered{atomPictures};`; the lists are read only in main().
struct Subject {
    explicit Subject(PictureList list);
};

// Every registered file's drawer, by its path ("Images/atom.jpg").
std::map<QString, std::function<QImage(int resolution)>> drawers();

// The program's icon as SVG under `folder`, in the hicolor theme's layout.
bool writeScalableIcon(const QString& folder);

} // namespace pictures
