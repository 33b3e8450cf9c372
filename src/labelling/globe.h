#pragma once
// The turning Earth of the Satellites screen as a picture: oceans and rough
// outlines of the continents on the near hemisphere, lit from the upper left,
// seen as the orbit scene sees it. Drawn once for each whole degree of turn
// it is asked for, from a table of the globe's pixels made once.

#include "labelling/orbits.h"

#include <QImage>
#include <QPixmap>
#include <vector>

namespace labelling {

class Globe {
public:
    // `pixelRadius`: the globe's radius on the screen, in pixels.
    Globe(const OrbitScene& scene, double pixelRadius);

    // The globe turned `turnDegrees` west to east; its centre is the middle of the picture.
    const QPixmap& picture(int turnDegrees);
    // Whether land lies at a latitude and longitude (degrees; east and north positive).
    bool land(double latitude, double longitude) const;

private:
    // A pixel of the globe: the map's row and column seen there before any
    // turn, and its colour over sea and over land, lit.
    struct Spot {
        int x, y;
        int row, column;
        unsigned sea, land;
    };
    std::vector<Spot> spots_;
    QImage map_; // land, equirectangular: one pixel a degree
    QImage image_;
    QPixmap picture_;
    int pictureTurn_ = -1;
};

} // namespace labelling
