#pragma once
// A Qt input widget (a line of text, a list, a drop-down) held in twips like
// every control: it fills its control, and its text grows with the screens'
// scale as painted captions do. The editors and My Activities type with them.

#include "activity/textlength.h"
#include "forms/control.h"
#include "forms/twips.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QScrollBar>
#include <cmath>
#include <type_traits>

namespace activity {

template <class Widget>
class Hosted : public forms::Control {
public:
    // `spoken` names the field for a screen reader ("Title").
    Hosted(QWidget* parent, const QString& name, const forms::TwipRect& at, double points, const QString& spoken = {})
        : Control(parent, name), widget(*new Widget(this)), points_(points)
    {
        widget.setObjectName(name);
        if (!spoken.isEmpty())
            widget.setAccessibleName(spoken);
        if constexpr (std::is_base_of_v<QAbstractScrollArea, Widget>)
            withoutScrollBarMenus(widget);
        if constexpr (std::is_base_of_v<QComboBox, Widget>)
            withoutScrollBarMenus(*widget.view());
        setFocusProxy(&widget);
        place(at.left, at.top, at.width, at.height);
    }

    Widget& widget;

protected:
    void twipsChanged() override
    {
        if (!points_)
            return; // still being made
        widget.setGeometry(rect());
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(std::max(1, int(std::lround(forms::fontPixels(points_) * scale()))));
        widget.setFont(font);
    }

private:
    // A scroll bar's own menu ("Scroll here", "Top", ...) has no place on a
    // board, where a long press is a right-click: the bars just scroll.
    static void withoutScrollBarMenus(QAbstractScrollArea& area)
    {
        area.horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
        area.verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    }

    double points_ = 0;
};

// One line of text: at most `longest` characters as a person sees them.
class TextField : public Hosted<QLineEdit> {
public:
    TextField(QWidget* parent, const QString& name, const forms::TwipRect& at, double points, const QString& spoken,
              int longest)
        : Hosted(parent, name, at, points, spoken)
    {
        widget.setValidator(new CharacterLimit(longest, &widget));
    }

    QString text() const { return widget.text(); }
    // Shows `text` unless it is shown already, so that the cursor stays
    // where the teacher is typing.
    void showText(const QString& text)
    {
        if (widget.text() != text)
            widget.setText(text);
    }
};

} // namespace activity
