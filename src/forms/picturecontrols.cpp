#include "forms/picturecontrols.h"
#include "forms/pictures.h"

#include <QPainter>

namespace forms {

void PictureHolder::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

bool PictureHolder::loadPicture(const QString& designPath)
{
    const QPixmap picture = forms::loadPicture(designPath, scale());
    if (picture.isNull())
        return false;
    setPicture(picture);
    pictureFile_ = designPath;
    return true;
}

Image::Image(QWidget* parent, const QString& name, int index) : PictureHolder(parent, name, index) {}

void Image::setStretch(bool stretch)
{
    stretch_ = stretch;
    setPicture(picture());
}

void Image::setPicture(const QPixmap& picture)
{
    PictureHolder::setPicture(picture);
    if (!stretch_ && !picture.isNull()) {
        const QSizeF own = picture.deviceIndependentSize();
        setTwipWidth(designTwips(own.width()));
        setTwipHeight(designTwips(own.height()));
    }
}

void Image::paintEvent(QPaintEvent*)
{
    if (picture().isNull())
        return;
    QPainter painter(this);
    paintInDesignPixels(painter, twips(), size());
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(designArea(twips()), picture());
    } else {
        painter.drawPixmap(0, 0, picture());
    }
}

PictureBox::PictureBox(QWidget* parent, const QString& name, int index) : PictureHolder(parent, name, index)
{
    setBackColor(QColor(192, 192, 192));
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    paintInDesignPixels(painter, twips(), size());
    if (!picture().isNull())
        painter.drawPixmap(0, 0, picture());
}

} // namespace forms
