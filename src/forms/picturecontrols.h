#pragma once
#include "forms/control.h"

#include <QPixmap>

namespace forms {

// Base of the controls that show a picture loaded from a file.
class PictureHolder : public Control {
    Q_OBJECT
public:
    using Control::Control;
    const QPixmap& picture() const { return picture_; }
    // The design name of the file the picture came from; empty when set directly.
    const QString& pictureFile() const { return pictureFile_; }
    virtual void setPicture(const QPixmap& picture);
    // Loads the file; on failure the picture stays as it was and false comes back.
    bool loadPicture(const QString& designPath);

private:
    QPixmap picture_;
    QString pictureFile_;
};

// A picture: stretched to the control, or shown at its own size, in which
// case the control takes the picture's size.
class Image : public PictureHolder {
    Q_OBJECT
public:
    Image(QWidget* parent, const QString& name, int index = -1);
    bool stretches() const { return stretch_; }
    void setStretch(bool stretch);
    void setPicture(const QPixmap& picture) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool stretch_ = false;
};

// A picture box: a coloured area showing its picture at its own size from the
// top-left corner.
class PictureBox : public PictureHolder {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QString& name, int index = -1);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace forms
