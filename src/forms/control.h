#pragma once
// The base of every control: geometry in twips relative to the parent (held in
// single precision), the control's name and its index in a group, and the
// pointer's presses, moves, releases and clicks as signals in twips.

#include "forms/mouse.h"
#include "forms/twips.h"

#include <QColor>
#include <QWidget>

namespace forms {

class Control : public QWidget {
    Q_OBJECT
    // The design geometry, in twips; QWidget's own geometry holds the pixels.
    Q_PROPERTY(float left READ left WRITE setLeft)
    Q_PROPERTY(float top READ top WRITE setTop)
    Q_PROPERTY(float twipWidth READ twipWidth WRITE setTwipWidth)
    Q_PROPERTY(float twipHeight READ twipHeight WRITE setTwipHeight)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
public:
    // index is the element number in an indexed group, or -1 for a lone control.
    Control(QWidget* parent, const QString& name, int index = -1);

    const QString& name() const { return name_; }
    int index() const { return index_; }

    float left() const { return twips_.left; }
    float top() const { return twips_.top; }
    float twipWidth() const { return twips_.width; }
    float twipHeight() const { return twips_.height; }
    TwipRect twips() const { return twips_; }
    void setLeft(float left);
    void setTop(float top);
    void setTwipWidth(float width);
    void setTwipHeight(float height);
    void moveTo(float left, float top);
    void place(float left, float top, float width, float height);
    // Takes the pixels of the current scale; the twips stay as they are.
    void rescale();
    // Display pixels for each design pixel on this control's screen; 1 while
    // it is on none.
    float scale() const;

    QColor backColor() const { return backColor_; }
    QColor foreColor() const { return foreColor_; }
    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour);
    // Family as designed ("Arial", "Tahoma", "Times New Roman"), size in points.
    void setDesignFont(const QString& family, double points, bool bold = false);

signals:
    void pressed(const forms::MouseArgs& args);
    void moved(const forms::MouseArgs& args);
    void released(const forms::MouseArgs& args);
    // A left press and release on the control, or its key; for a check box or
    // an option button, a change of its value.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // What a click does; by default it is only told.
    virtual void activate();
    virtual void twipsChanged() {}

private:
    void applyGeometry();

    QString name_;
    int index_;
    TwipRect twips_;
    QColor backColor_{0, 0, 0};
    QColor foreColor_{0, 0, 0};
    bool leftPressed_ = false;
};

} // namespace forms
