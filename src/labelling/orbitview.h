#pragma once
// The moving part of the Satellites screen: the turning Earth and the two
// satellites, each with the leader line from its target, painted on the
// program's animation clock. What stays still (the orbits, the axis, the
// equator) is painted once into two layers, behind and in front of the globe;
// a frame repaints only the places where something moved. Everything is laid
// out in design pixels and painted at the screens' scale; the layers and the
// globe are made anew at the pixels of each scale.

#include "forms/control.h"
#include "labelling/globe.h"
#include "labelling/orbits.h"

#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <array>
#include <optional>

namespace labelling {

class OrbitView : public forms::Control {
    Q_OBJECT
public:
    // `area`: where the view lies on its screen (twips); `polarTarget` and
    // `geostationaryTarget`: the targets whose leader lines follow the satellites.
    // The view paints the screen's `background` beneath itself.
    OrbitView(QWidget* screen, const OrbitScene& scene, const forms::TwipRect& area, const QColor& background,
              const forms::TwipRect& polarTarget, const forms::TwipRect& geostationaryTarget);

    // Smooth enough for satellites a few pixels a frame apart, for little work.
    static constexpr double FramesPerSecond = 20;

    // Moves the diagram on by `seconds` of the screen's time.
    void advance(double seconds);
    double seconds() const { return seconds_; }

    enum Moving { Polar = 0, Geostationary = 1 };
    // Where the leader line of a satellite's target begins and ends as shown
    // (twips of the screen): on the satellite, to within a pixel.
    QPointF leaderStart(Moving satellite) const;
    QPointF leaderEnd(Moving satellite) const;
    // The region of the view the last step asked to repaint, in pixels of the view.
    const QRegion& lastRepaint() const { return lastRepaint_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void twipsChanged() override;

private:
    // A point of the screen (twips) in design pixels of the view.
    QPointF pixel(QPointF twips) const;
    // Design pixels of the view to its own pixels, as its painters are scaled.
    QSizeF designToPixels() const;
    QRegion inPixels(const QRectF& design) const;
    QRegion satelliteRegion(Moving satellite) const;
    ViewPoint shown(Moving satellite) const;
    int earthStep(double seconds) const;
    void paintLayers();
    void paintEarth(QPainter& p);

    const OrbitScene& scene_;
    QColor background_;
    std::array<forms::TwipRect, 2> targets_;
    QRegion targetsRegion_; // nothing of the view moves beneath them
    double seconds_ = 0;
    // The time each satellite was last drawn for: it is redrawn only once it
    // has moved a pixel.
    std::array<double, 2> shownAt_{0, 0};
    int shownEarthStep_ = 0;
    std::optional<Globe> globe_; // at the pixels of the view's scale
    double globeRatio_ = 0;      // its pixels to a design pixel
    QPixmap behind_, inFront_;
    QRegion lastRepaint_;
};

} // namespace labelling
