#include "forms/screen.h"
#include "forms/control.h"
#include "forms/picturecontrols.h"
#include "forms/pictures.h"
#include "forms/screens.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QPainter>

namespace forms {

Screen::Screen(Screens& screens, const QString& name) : QWidget(nullptr), screens_(screens), name_(name)
{
    setObjectName(name);
    setMouseTracking(true);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    applyGeometry();
}

void Screen::setLeft(float left) { twips_.left = left; applyGeometry(); }
void Screen::setTop(float top) { twips_.top = top; applyGeometry(); }
void Screen::setTwipWidth(float width) { twips_.width = width; applyGeometry(); }
void Screen::setTwipHeight(float height) { twips_.height = height; applyGeometry(); }
void Screen::place(float left, float top, float width, float height)
{
    twips_ = {left, top, width, height};
    applyGeometry();
}

void Screen::rescaled(QSizeF displayBefore, QSizeF displayNow)
{
    const QPointF offset(twips_.left + twips_.width / 2 - displayBefore.width() / 2,
                         twips_.top + twips_.height / 2 - displayBefore.height() / 2);
    twips_.left = static_cast<float>(displayNow.width() / 2 + offset.x()) - twips_.width / 2;
    twips_.top = static_cast<float>(displayNow.height() / 2 + offset.y()) - twips_.height / 2;
    applyGeometry();
    rescaleControls();
}

void Screen::rescaleControls()
{
    for (Control* c : findChildren<Control*>()) {
        c->rescale();
        // A picture from a file is read again at the resolution that now suits.
        if (auto* holder = qobject_cast<PictureHolder*>(c); holder && !holder->pictureFile().isEmpty())
            holder->loadPicture(holder->pictureFile());
    }
    if (!pictureFile_.isEmpty())
        setPictureFile(pictureFile_);
    update();
}

float Screen::scale() const { return screens_.scale(); }

float scaleOf(const QWidget& widget)
{
    const auto* screen = qobject_cast<const Screen*>(widget.window());
    return screen ? screen->scale() : 1.0f;
}

void Screen::applyGeometry()
{
    const QRect r = toPixels(twips_, scale());
    setFixedSize(r.size());
    setGeometry(r);
}

void Screen::setBackColor(const QColor& colour) { backColor_ = colour; update(); }
void Screen::setPicture(const QPixmap& picture, const QString& designPath)
{
    picture_ = picture;
    pictureFile_ = designPath;
    update();
}

void Screen::setPictureFile(const QString& designPath) { setPicture(loadPicture(designPath, scale()), designPath); }

void Screen::setBorderless()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus);
}

Control* Screen::control(const QString& name) const
{
    for (Control* c : findChildren<Control*>(name))
        if (c->index() < 0)
            return c;
    return nullptr;
}

void Screen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor_);
    paintInDesignPixels(painter, twips_, size());
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
}

void Screen::mousePressEvent(QMouseEvent* event) { pressOnBackground(mouseArgs(*event, true, scale())); }
void Screen::mouseMoveEvent(QMouseEvent* event) { moveOverBackground(mouseArgs(*event, false, scale())); }

// A window moved by the desktop (dragged by its title bar) keeps its Left and
// Top true; a move the screen made itself changes nothing.
void Screen::moveEvent(QMoveEvent* event)
{
    const QPoint at = geometry().topLeft();
    if (at != toPixels(twips_, scale()).topLeft()) {
        twips_.left = toTwips(at.x(), scale());
        twips_.top = toTwips(at.y(), scale());
    }
    QWidget::moveEvent(event);
}

// Closing a window from its frame unloads the screen, as its own exit would.
void Screen::closeEvent(QCloseEvent* event)
{
    event->ignore();
    screens_.closedByUser(name_);
}

void Screen::showInstead(const QString& next)
{
    if (screens_.knows(next))
        screens_.show(next);
    screens_.unload(name_);
}

void Screen::unloadSelf() { screens_.unload(name_); }

} // namespace forms
