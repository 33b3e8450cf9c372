#pragma once
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <array>

namespace jotter {

// The pad colour, which is also the eraser's.
inline const QColor PadColour{49, 135, 215};

// Where the pad goes for a window of the given outer size (frame and title
// bar included) on a display of the given size, all in twips: the frame is
// taken off, the pad is kept small enough for the whole window to fit on the
// display, and the window is centred on it.
forms::TwipRect padPlacement(float outerWidth, float outerHeight, QSizeF display, float scale);

// One of the Jotter's two tool panels, each with the same tools: a strip
// along the foot of the wide pad or a column down the right of the tall one.
struct ToolPanel {
    // Buttons in the order exit, write, erase, clear, flip; the first swatch
    // of the palette where it goes, the others lined up when the pad loads.
    ToolPanel(forms::Screen& screen, const QString& name, const forms::TwipRect& at,
              const std::array<forms::TwipRect, 5>& buttons, const forms::TwipRect& firstSwatch);

    forms::Frame& frame;
    forms::Button& exit;
    forms::Button& write;
    forms::Button& erase;
    forms::Button& clear;
    forms::Button& flip;
    forms::ControlGroup<forms::Label> swatches; // the sixteen palette colours
};

// The Jotter: a drawing pad that stays above the program's other screens.
// The teacher writes with the left button in a palette colour, rubs out with
// a broad pen in the pad colour, wipes the pad, and flips it between a wide
// window with a tool strip along the bottom and a tall one with a tool
// column at the right. Strokes are painted into a picture of the pad, so
// they survive the window being covered.
class Notepad : public forms::Screen {
    Q_OBJECT
public:
    explicit Notepad(forms::Screens& screens);
    void load() override;
    void pressOnBackground(const forms::MouseArgs& args) override;
    void moveOverBackground(const forms::MouseArgs& args) override;
    void rescaled(QSizeF displayBefore, QSizeF displayNow) override;

    void pickColour(const QColor& colour);
    void usePen();
    void useEraser();
    void clearPad();
    void flipTo(bool portrait);

    QColor penColor() const { return penColor_; }
    int penWidth() const { return penWidth_; } // pixels
    QPointF currentPoint() const { return current_; } // twips
    const QImage& pad() const { return pad_; }
    ToolPanel& tools(bool portrait) { return portrait ? column : strip; }

    ToolPanel strip;
    ToolPanel column;

    // The writing colour, kept while the eraser is in use.
    QColor writingColour;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void wipe();

    QImage pad_;
    QColor penColor_;
    int penWidth_ = 3;
    QPointF current_;
};

} // namespace jotter
