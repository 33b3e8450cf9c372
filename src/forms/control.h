#pragma once
// The base of every control: geometry in twips relative to the parent (held in
// single precision, as designed), the control's design name and index, mouse
// events in twips, and properties set or read by name.

#include "forms/mouse.h"
#include "forms/twips.h"

#include <QColor>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <optional>

namespace forms {

class Control : public QWidget {
    Q_OBJECT
public:
    // index is the element number in an indexed group, or -1 for a lone control.
    Control(QWidget* parent, const QString& name, int index = -1);

    const QString& name() const { return name_; }
    int index() const { return index_; }

    float Left() const { return twips_.left; }
    float Top() const { return twips_.top; }
    float Width() const { return twips_.width; }
    float Height() const { return twips_.height; }
    TwipRect twips() const { return twips_; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void moveTo(float left, float top);
    void place(float left, float top, float width, float height);
    // Takes the pixels of the current scale; the twips stay as they are.
    void rescale();

    bool Visible() const { return !isHidden(); }

    QColor BackColor() const { return backColor_; }
    QColor ForeColor() const { return foreColor_; }
    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour);
    // Family as designed ("Arial", "Tahoma", "Times New Roman"), size in points.
    void setDesignFont(const QString& family, double points, bool bold = false);

    // Set or read a property by its design name ("Left", "BackColor", "Picture", ...).
    // Fails (false or nullopt) when this kind of control has no such property or
    // the value cannot be taken, as when a picture file cannot be read.
    virtual bool setByName(const QString& property, const QVariant& value);
    virtual std::optional<QVariant> byName(const QString& property) const;

    // Event handlers, named as on the design. A click is a left press and
    // release on the control.
    std::function<void(const MouseArgs&)> MouseDown, MouseMove, MouseUp;
    std::function<void()> Click;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    virtual void clicked();
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
