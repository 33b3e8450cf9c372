#pragma once
// A screen: a top-level window whose geometry is held in twips. Width and
// Height are the client area (the desktop's frame lies around it), Left and Top
// its position on the display. Each screen kind derives from Screen once and
// overrides the handlers it has.

#include "forms/mouse.h"
#include "forms/twips.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace forms {

class Control;
class Screens;

class Screen : public QWidget {
    Q_OBJECT
    // The design geometry, in twips; QWidget's own geometry holds the pixels.
    Q_PROPERTY(float left READ left WRITE setLeft)
    Q_PROPERTY(float top READ top WRITE setTop)
    Q_PROPERTY(float twipWidth READ twipWidth WRITE setTwipWidth)
    Q_PROPERTY(float twipHeight READ twipHeight WRITE setTwipHeight)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
public:
    Screen(Screens& screens, const QString& name);

    Screens& screens() const { return screens_; }
    const QString& name() const { return name_; }
    // Shows `next` (when it is registered), then unloads this screen.
    void showInstead(const QString& next);
    // Unloads this screen.
    void unloadSelf();

    // Runs once, when the screen is first shown or touched: what is laid out
    // from the screen's data rather than fixed in its constructor.
    virtual void load() {}
    // The pointer on the screen's bare background, not on a control.
    virtual void pressOnBackground(const MouseArgs&) {}
    virtual void moveOverBackground(const MouseArgs&) {}

    // Display pixels for each design pixel, as the screens object has it.
    float scale() const;

    float left() const { return twips_.left; }
    float top() const { return twips_.top; }
    float twipWidth() const { return twips_.width; }
    float twipHeight() const { return twips_.height; }
    void setLeft(float left);
    void setTop(float top);
    void setTwipWidth(float width);
    void setTwipHeight(float height);
    void place(float left, float top, float width, float height);
    // The scale changed, and with it the display's size in twips: the screen
    // keeps its centre where it was relative to the display's centre (a
    // centred screen stays centred) and every control takes its new pixels.
    virtual void rescaled(QSizeF displayBefore, QSizeF displayNow);

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    const QPixmap& picture() const { return picture_; }
    // A backdrop read from the picture file `designPath` (by its design name)
    // is read again at the resolution that suits whenever the scale changes.
    void setPicture(const QPixmap& picture, const QString& designPath = {});
    void setPictureFile(const QString& designPath);
    const QString& pictureFile() const { return pictureFile_; }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    // A window without border or title bar.
    void setBorderless();

    // The lone control of this name, searched through frames too; null when the
    // screen has none.
    Control* control(const QString& name) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

protected:
    // Every control of the screen, frames' too, takes the pixels of the scale.
    void rescaleControls();

private:
    void applyGeometry();

    Screens& screens_;
    QString name_;
    TwipRect twips_{0, 0, 12000, 9000};
    QColor backColor_{49, 135, 214};
    QPixmap picture_;
    QString pictureFile_;
};

// Display pixels for each design pixel on the screen `widget` is part of; 1
// while it is on none.
float scaleOf(const QWidget& widget);

} // namespace forms
