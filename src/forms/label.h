#pragma once
#include "forms/control.h"

namespace forms {

// A label: caption, font, colours, an optional single border, alignment, an
// opaque or transparent background and optional auto-size. Text wraps at word
// boundaries and starts at the top of the box, as labels always have.
class Label : public Control {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(bool opaque READ isOpaque WRITE setOpaque)
    Q_PROPERTY(bool border READ hasBorder WRITE setBorder)
public:
    enum class Align { Left, Right, Center };

    Label(QWidget* parent, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    bool hasBorder() const { return border_; }
    void setBorder(bool border);
    Align alignment() const { return align_; }
    void setAlignment(Align align);
    void setAutoSize(bool autoSize);

    // Everything a run-time copy of element 0 of a group takes over.
    void copyFrom(const Label& other);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fitToText();

    QString caption_;
    bool opaque_ = false;
    bool border_ = false;
    bool autoSize_ = false;
    bool keyboardFocus_ = false; // came by the keyboard, so it shows
    Align align_ = Align::Left;
};

} // namespace forms
