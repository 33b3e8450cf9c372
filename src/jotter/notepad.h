#pragma once
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <QImage>
#include <QPointF>
#include <QSizeF>

namespace jotter {

// The pad colour, which is also the eraser's.
inline const QColor PadColour{49, 135, 215};

// Where the pad goes for a window of the given outer size (frame and title
// bar included) on a display of the given size, all in twips: the frame is
// taken off, the pad is kept small enough for the whole window to fit on the
// display, and the window is centred on it.
forms::TwipRect padPlacement(float outerWidth, float outerHeight, QSizeF display, float scale);

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
    // Landscape strip                Portrait column
    void Command1_Click();            void Command9_Click();  // "Exit"
    void Command2_Click();            void Command10_Click(); // "Write"
    void Command5_Click();            void Command8_Click();  // "Erase"
    void Command6_Click();            void Command7_Click();  // "Clear"
    void Command3_Click();            void Command4_Click();  // "Flip"
    void Label1_Click(int index);     void Label11_Click(int index); // palette

    QColor PenColor() const { return penColor_; }
    int PenWidth() const { return penWidth_; } // pixels
    QPointF CurrentPoint() const { return current_; } // twips
    const QImage& pad() const { return pad_; }

    forms::Frame& Frame_landscape;
    forms::Button& Command1;
    forms::Button& Command2;
    forms::Button& Command5;
    forms::Button& Command6;
    forms::Button& Command3;
    forms::ControlGroup<forms::Label> Label1{QStringLiteral("Label1")};
    forms::Frame& Frame_portrait;
    forms::Button& Command9;
    forms::Button& Command10;
    forms::Button& Command8;
    forms::Button& Command7;
    forms::Button& Command4;
    forms::ControlGroup<forms::Label> Label11{QStringLiteral("Label11")};

    // The writing colour, kept while the eraser is in use.
    QColor pencolor;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void pickcolour(const QColor& colour);
    void usepen();
    void useeraser();
    void clearpad();
    void flipto(bool portrait);
    void wipe();

    QImage pad_;
    QColor penColor_;
    int penWidth_ = 3;
    QPointF current_;
};

} // namespace jotter
