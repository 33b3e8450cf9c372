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

forms::Button& toolButton(forms::Frame& panel, const QString& name, const char* caption, const forms::TwipRect& at,
                          const QColor& face)
{
    auto* button = new forms::Button(&panel, name);
    button->setCaption(QLatin1String(caption));
    button->place(at.left, at.top, at.width, at.height);
    button->setBackColor(face);
    button->setDesignFont(QStringLiteral("Tahoma"), 12);
    return *button;
}

forms::Frame& panel(forms::Screen& screen, const QString& name, const forms::TwipRect& at)
{
    auto* frame = new forms::Frame(&screen, name);
    frame->place(at.left, at.top, at.width, at.height);
    return *frame;
}

} // namespace

ToolPanel::ToolPanel(forms::Screen& screen, const QString& name, const forms::TwipRect& at,
                     const std::array<forms::TwipRect, 5>& buttons, const forms::TwipRect& firstSwatch)
    : frame(panel(screen, name, at)),
      exit(toolButton(frame, name + QStringLiteral("Exit"), "Exit", buttons[0], ExitFace)),
      write(toolButton(frame, name + QStringLiteral("Write"), "Write", buttons[1], WriteFace)),
      erase(toolButton(frame, name + QStringLiteral("Erase"), "Erase", buttons[2], EraseFace)),
      clear(toolButton(frame, name + QStringLiteral("Clear"), "Clear", buttons[3], ClearFace)),
      flip(toolButton(frame, name + QStringLiteral("Flip"), "Flip", buttons[4], FlipFace)),
      swatches(name + QStringLiteral("Swatches"))
{
    swatches.create(&frame, 0).place(firstSwatch.left, firstSwatch.top, firstSwatch.width, firstSwatch.height);
    for (int i = 1; i < 16; ++i)
        swatches.create(&frame, i);
}

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
      strip(*this, QStringLiteral("strip"), {0, 2910, 9920, 750},
            {{{60, 180, 930, 480}, {1120, 180, 930, 480}, {2180, 180, 930, 480}, {3240, 180, 930, 480}, {4305, 180, 585, 480}}},
            {5010, 285, 240, 240}),
      column(*this, QStringLiteral("column"), {0, 0, 1035, 5250},
             {{{60, 180, 930, 480}, {60, 705, 930, 480}, {60, 1230, 930, 480}, {60, 1755, 930, 480}, {60, 2280, 930, 480}}},
             {180, 2820, 240, 240})
{
    setCaption(QStringLiteral("Jotter"));
    place(0, 0, 9915, 3660);
    column.frame.hide();
    for (ToolPanel* tools : {&strip, &column}) {
        connect(&tools->exit, &forms::Control::clicked, this, &Notepad::unloadSelf);
        connect(&tools->write, &forms::Control::clicked, this, &Notepad::usePen);
        connect(&tools->erase, &forms::Control::clicked, this, &Notepad::useEraser);
        connect(&tools->clear, &forms::Control::clicked, this, &Notepad::clearPad);
        connect(&tools->flip, &forms::Control::clicked, this, [this, tools] { flipTo(tools == &strip); });
        connect(&tools->swatches, &forms::GroupSignals::clicked, this,
                [this, tools](int index) { pickColour(tools->swatches(index).backColor()); });
    }
}

void Notepad::load()
{
    setBackColor(PadColour);
    strip.frame.setBackColor(PadColour);
    column.frame.setBackColor(PadColour);
    penWidth_ = PenPixels;

    // Above the program's other screens for as long as it is open.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    for (int i = 0; i < 16; ++i) {
        for (forms::Label* swatch : {&strip.swatches(i), &column.swatches(i)}) {
            swatch->setBackColor(forms::paletteColour(i));
            swatch->setOpaque(true);
        }
    }

    // One row of sixteen along the strip.
    forms::ControlGroup<forms::Label>& row = strip.swatches;
    for (int i = 0; i < 16; ++i) {
        row(i).setTwipWidth(row(0).twipWidth());
        row(i).setTwipHeight(row(0).twipHeight());
    }
    for (int i = 1; i < 16; ++i) {
        row(i).setTop(285);
        row(i).setLeft(row(i - 1).left() + RowPitch);
    }
    // Two columns of eight down the column: swatch i beside swatch i + 8.
    forms::ControlGroup<forms::Label>& columns = column.swatches;
    for (int i = 0; i < 16; ++i) {
        columns(i).setTwipWidth(columns(0).twipWidth());
        columns(i).setTwipHeight(columns(0).twipHeight());
    }
    for (int i = 1; i < 8; ++i) {
        columns(i).setLeft(columns(0).left());
        columns(i).setTop(columns(i - 1).top() + columns(0).twipHeight() + ColumnGap);
    }
    for (int i = 8; i < 16; ++i) {
        columns(i).setTop(columns(i - 8).top());
        columns(i).setLeft(columns(i - 8).left() + ColumnPitch);
    }

    penColor_ = forms::paletteColour(WritingColour);
    writingColour = penColor_;

    const forms::TwipRect at = padPlacement(LandscapeWidth, LandscapeHeight, screens().displaySize(), scale());
    place(at.left, at.top, at.width, at.height);
    strip.frame.setTop(twipHeight() - strip.frame.twipHeight());
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
    painter.fillRect(rect(), backColor());
    painter.drawImage(0, 0, pad_);
}

void Notepad::pickColour(const QColor& colour)
{
    penWidth_ = PenPixels;
    penColor_ = colour;
    writingColour = colour;
}

void Notepad::usePen()
{
    penColor_ = writingColour;
    penWidth_ = PenPixels;
}

void Notepad::useEraser()
{
    // Pressed twice, the eraser must not forget the colour written with.
    if (penColor_ != PadColour)
        writingColour = penColor_;
    penColor_ = PadColour;
    penWidth_ = EraserPixels;
}

void Notepad::clearPad()
{
    wipe();
    setBackColor(PadColour);
    if (penColor_ == PadColour)
        penColor_ = forms::paletteColour(WritingColour);
    penWidth_ = PenPixels;
}

// Flipping resizes the window and starts an empty pad; the tool panel goes to
// the bottom edge of the wide pad or the right-hand edge of the tall one.
void Notepad::flipTo(bool portrait)
{
    const forms::TwipRect at = portrait ? padPlacement(PortraitWidth, PortraitHeight, screens().displaySize(), scale())
                                        : padPlacement(LandscapeWidth, LandscapeHeight, screens().displaySize(), scale());
    place(at.left, at.top, at.width, at.height);
    wipe();
    if (portrait)
        column.frame.setLeft(twipWidth() - column.frame.twipWidth());
    else
        strip.frame.setTop(twipHeight() - strip.frame.twipHeight());
    strip.frame.setVisible(!portrait);
    column.frame.setVisible(portrait);
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

} // namespace jotter
