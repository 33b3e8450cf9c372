#pragma once
#include "forms/picturecontrols.h"

namespace forms {

// A push button with a caption, a picture, or both, on a raised face.
class Button : public PictureHolder {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    Button(QWidget* parent, const QString& name, int index = -1);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    // The word the button shows while it has neither picture nor caption, so
    // that a picture which cannot be read leaves "Exit", not a blank face.
    const QString& word() const { return word_; }
    void setWord(const QString& word);
    bool hasTabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString caption_;
    QString word_;
    bool down_ = false;
};

// A check box; Value is 0 or 1. A click toggles it; every change of Value,
// by the pointer or by the program, emits clicked.
class CheckBox : public Control {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(int value READ value WRITE setValue)
public:
    CheckBox(QWidget* parent, const QString& name, int index = -1);
    int value() const { return value_; }
    void setValue(int value);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void activate() override;

private:
    QString caption_;
    int value_ = 0;
};

// An option button. Selecting one clears the others that share its parent.
// A click on it selects it and emits clicked; selecting it from the program
// emits clicked when it was not selected before.
class OptionButton : public Control {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(bool value READ value WRITE setValue)
public:
    OptionButton(QWidget* parent, const QString& name, int index = -1);
    bool value() const { return value_; }
    void setValue(bool value);
    // Selection while the screen is laid out: nothing is emitted.
    void setDesignValue(bool value);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void activate() override;

private:
    void select(bool value);
    QString caption_;
    bool value_ = false;
};

// A frame groups controls; its children are placed relative to it.
class Frame : public Control {
    Q_OBJECT
public:
    Frame(QWidget* parent, const QString& name, int index = -1);
    void setCaption(const QString& caption);
    void setBorder(bool border);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    bool border_ = true;
};

} // namespace forms
