#include "jotter/notepad.h"
#include "jotter/register.h"
#include "forms/palette.h"
#include "forms/screens.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace jotter {

namespace {

constexpr int PenPixels = 3;
constexpr int EraserPixels = 30;
constexpr int WritingColour = 14; // yellow

// Window sizes of the two layouts, frame and title bar included. A screen's
// size here is its pad alone, so the frame those sizes allow for (45 twips a
// side and a title bar) comes off: the wide pad is 9915 x 3660, as its strip
// is laid out, and the tall one 3910 x 11520.
constexpr float LandscapeWidth = 10005, LandscapeHeight = 4140;
constexpr float PortraitWidth = 4000, PortraitHeight = 12000;
constexpr float FrameAllowanceWidth = 90, FrameAllowanceHeight = 480;
constexpr float FrameSide = FrameAllowanceWidth / 2;
constexpr float TitleBar = FrameAllowanceHeight - FrameSide;

// Swatch pitches of the two palettes.
constexpr float RowPitch = 305;
constexpr float ColumnGap = 50, ColumnPitch = 400;

const QColor ExitFace{255, 224, 192}, WriteFace{255, 255, 192}, EraseFace{192, 192, 0};
const QColor ClearFace{255, 192, 128}, FlipFace{128, 128, 255};

forms::Button& toolButton(forms::Frame& panel, const char* name, const char* caption, const forms::TwipRect& at,
                          const QColor& face)
{
    auto* button = new forms::Button(&panel, QLatin1String(name));
    button->setCaption(QLatin1String(caption));
    button->place(at.left, at.top, at.width, at.height);
    button->setBackColor(face);
    button->setDesignFont(QStringLiteral("Tahoma"), 12);
    return *button;
}

forms::Frame& panel(forms::Screen& screen, const char* name, const forms::TwipRect& at)
{
    auto* frame = new forms::Frame(&screen, QLatin1String(name));
    frame->place(at.left, at.top, at.width, at.height);
    return *frame;
}

} // namespace

forms::TwipRect padPlacement(float outerWidth, float outerHeight, QSizeF display, float scale)
{
    const float displayWidth = static_cast<float>(display.width());
    const float displayHeight = static_cast<float>(display.height());
    const float windowWidth = std::min(outerWidth, displayWidth);
    const float windowHeight = std::min(outerHeight, displayHeight);
    // On whole pixels, so that the pad and the panels on it round alike.
    const auto wholePixels = [scale](float twips) { return static_cast<float>(forms::toPixels(twips, scale)) * forms::twipsPerPixel(scale); };
    const float windowLeft = std::max(0.0f, wholePixels((displayWidth - windowWidth) / 2));
    const float windowTop = std::max(0.0f, wholePixels((displayHeight - windowHeight) / 2));
    return {windowLeft + FrameSide, windowTop + TitleBar, windowWidth - FrameAllowanceWidth,
            windowHeight - FrameAllowanceHeight};
}

Notepad::Notepad(forms::Screens& screens)
    : Screen(screens, ScreenName),
      Frame_landscape(panel(*this, "Frame_landscape", {0, 2910, 9920, 750})),
      Command1(toolButton(Frame_landscape, "Command1", "Exit", {60, 180, 930, 480}, ExitFace)),
      Command2(toolButton(Frame_landscape, "Command2", "Write", {1120, 180, 930, 480}, WriteFace)),
      Command5(toolButton(Frame_landscape, "Command5", "Erase", {2180, 180, 930, 480}, EraseFace)),
      Command6(toolButton(Frame_landscape, "Command6", "Clear", {3240, 180, 930, 480}, ClearFace)),
      Command3(toolButton(Frame_landscape, "Command3", "Flip", {4305, 180, 585, 480}, FlipFace)),
      Frame_portrait(panel(*this, "Frame_portrait", {0, 0, 1035, 5250})),
      Command9(toolButton(Frame_portrait, "Command9", "Exit", {60, 180, 930, 480}, ExitFace)),
      Command10(toolButton(Frame_portrait, "Command10", "Write", {60, 705, 930, 480}, WriteFace)),
      Command8(toolButton(Frame_portrait, "Command8", "Erase", {60, 1230, 930, 480}, EraseFace)),
      Command7(toolButton(Frame_portrait, "Command7", "Clear", {60, 1755, 930, 480}, ClearFace)),
      Command4(toolButton(Frame_portrait, "Command4", "Flip", {60, 2280, 930, 480}, FlipFace))
{
    setCaption(QStringLiteral("Jotter"));
    place(0, 0, 9915, 3660);
    Frame_portrait.hide();
    // The first swatch of each palette is placed as designed; load lines up the rest.
    Label1.create(&Frame_landscape, 0).place(5010, 285, 240, 240);
    Label11.create(&Frame_portrait, 0).place(180, 2820, 240, 240);
    for (int i = 1; i < 16; ++i) {
        Label1.create(&Frame_landscape, i);
        Label11.create(&Frame_portrait, i);
    }

    connect(&Command1, &forms::Control::clicked, this, [this] { Command1_Click(); });
    connect(&Command2, &forms::Control::clicked, this, [this] { Command2_Click(); });
    connect(&Command3, &forms::Control::clicked, this, [this] { Command3_Click(); });
    connect(&Command4, &forms::Control::clicked, this, [this] { Command4_Click(); });
    connect(&Command5, &forms::Control::clicked, this, [this] { Command5_Click(); });
    connect(&Command6, &forms::Control::clicked, this, [this] { Command6_Click(); });
    connect(&Command7, &forms::Control::clicked, this, [this] { Command7_Click(); });
    connect(&Command8, &forms::Control::clicked, this, [this] { Command8_Click(); });
    connect(&Command9, &forms::Control::clicked, this, [this] { Command9_Click(); });
    connect(&Command10, &forms::Control::clicked, this, [this] { Command10_Click(); });
    connect(&Label1, &forms::GroupSignals::clicked, this, [this](int index) { Label1_Click(index); });
    connect(&Label11, &forms::GroupSignals::clicked, this, [this](int index) { Label11_Click(index); });
}

void Notepad::load()
{
    setBackColor(PadColour);
    Frame_landscape.setBackColor(PadColour);
    Frame_portrait.setBackColor(PadColour);
    penWidth_ = PenPixels;

    // Above the program's other screens for as long as it is open.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    for (int i = 0; i < 16; ++i) {
        for (forms::Label* swatch : {&Label1(i), &Label11(i)}) {
            swatch->setBackColor(forms::paletteColour(i));
            swatch->setOpaque(true);
        }
    }

    // One row of sixteen along the strip.
    for (int i = 0; i < 16; ++i) {
        Label1(i).setWidth(Label1(0).Width());
        Label1(i).setHeight(Label1(0).Height());
    }
    for (int i = 1; i < 16; ++i) {
        Label1(i).setTop(285);
        Label1(i).setLeft(Label1(i - 1).Left() + RowPitch);
    }
    // Two columns of eight down the column: swatch i beside swatch i + 8.
    for (int i = 0; i < 16; ++i) {
        Label11(i).setWidth(Label11(0).Width());
        Label11(i).setHeight(Label11(0).Height());
    }
    for (int i = 1; i < 8; ++i) {
        Label11(i).setLeft(Label11(0).Left());
        Label11(i).setTop(Label11(i - 1).Top() + Label11(0).Height() + ColumnGap);
    }
    for (int i = 8; i < 16; ++i) {
        Label11(i).setTop(Label11(i - 8).Top());
        Label11(i).setLeft(Label11(i - 8).Left() + ColumnPitch);
    }

    penColor_ = forms::paletteColour(WritingColour);
    pencolor = penColor_;

    const forms::TwipRect at = padPlacement(LandscapeWidth, LandscapeHeight, screens().displaySize(), scale());
    place(at.left, at.top, at.width, at.height);
    Frame_landscape.setTop(Height() - Frame_landscape.Height());
    wipe();
}

void Notepad::pressOnBackground(const forms::MouseArgs& args) { current_ = QPointF(args.x, args.y); }

// Only the left button alone draws; a stroke is a chain of short segments
// following the pointer.
void Notepad::moveOverBackground(const forms::MouseArgs& args)
{
    if (args.button != forms::LeftButton)
        return;
    const QPoint from(forms::toPixels(static_cast<float>(current_.x()), scale()), forms::toPixels(static_cast<float>(current_.y()), scale()));
    const QPoint to(forms::toPixels(args.x, scale()), forms::toPixels(args.y, scale()));
    QPainter painter(&pad_);
    // The pad is in the display's pixels, so the pen grows with the scale.
    const double width = penWidth_ * scale();
    painter.setPen(QPen(penColor_, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, to);
    painter.end();
    current_ = QPointF(args.x, args.y);
    const int reach = static_cast<int>(std::ceil(width / 2)) + 2;
    update(QRect(from, to).normalized().adjusted(-reach, -reach, reach, reach));
}

void Notepad::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), BackColor());
    painter.drawImage(0, 0, pad_);
}

void Notepad::pickcolour(const QColor& colour)
{
    penWidth_ = PenPixels;
    penColor_ = colour;
    pencolor = colour;
}

void Notepad::usepen()
{
    penColor_ = pencolor;
    penWidth_ = PenPixels;
}

void Notepad::useeraser()
{
    // Pressed twice, the eraser must not forget the colour written with.
    if (penColor_ != PadColour)
        pencolor = penColor_;
    penColor_ = PadColour;
    penWidth_ = EraserPixels;
}

void Notepad::clearpad()
{
    wipe();
    setBackColor(PadColour);
    if (penColor_ == PadColour)
        penColor_ = forms::paletteColour(WritingColour);
    penWidth_ = PenPixels;
}

// Flipping resizes the window and starts an empty pad; the tool panel goes to
// the bottom edge of the wide pad or the right-hand edge of the tall one.
void Notepad::flipto(bool portrait)
{
    const forms::TwipRect at = portrait ? padPlacement(PortraitWidth, PortraitHeight, screens().displaySize(), scale())
                                        : padPlacement(LandscapeWidth, LandscapeHeight, screens().displaySize(), scale());
    place(at.left, at.top, at.width, at.height);
    wipe();
    if (portrait)
        Frame_portrait.setLeft(Width() - Frame_portrait.Width());
    else
        Frame_landscape.setTop(Height() - Frame_landscape.Height());
    Frame_landscape.setVisible(!portrait);
    Frame_portrait.setVisible(portrait);
}

// What is written stays, stretched to the pad's new pixels.
void Notepad::rescaled(QSizeF displayBefore, QSizeF displayNow)
{
    Screen::rescaled(displayBefore, displayNow);
    if (pad_.size() != size())
        pad_ = pad_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    update();
}

void Notepad::wipe()
{
    pad_ = QImage(size(), QImage::Format_RGB32);
    pad_.fill(PadColour);
    update();
}

void Notepad::Command1_Click() { unloadSelf(); }
void Notepad::Command9_Click() { unloadSelf(); }
void Notepad::Command2_Click() { usepen(); }
void Notepad::Command10_Click() { usepen(); }
void Notepad::Command5_Click() { useeraser(); }
void Notepad::Command8_Click() { useeraser(); }
void Notepad::Command6_Click() { clearpad(); }
void Notepad::Command7_Click() { clearpad(); }
void Notepad::Command3_Click() { flipto(true); }
void Notepad::Command4_Click() { flipto(false); }
void Notepad::Label1_Click(int index) { pickcolour(Label1(index).BackColor()); }
void Notepad::Label11_Click(int index) { pickcolour(Label11(index).BackColor()); }

} // namespace jotter
