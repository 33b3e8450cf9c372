#pragma once
// A Qt input widget (a line of text, a list, a drop-down) held in twips like
// every control: it fills its control, and its text grows with the screens'
// scale as painted captions do.

#include "forms/control.h"
#include "forms/twips.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFont>
#include <QScrollBar>
#include <type_traits>

namespace statements {

template <class Widget>
class Hosted : public forms::Control {
public:
    Hosted(QWidget* parent, const QString& name, const forms::TwipRect& at, double points = 12)
        : Control(parent, name), widget(*new Widget(this)), points_(points)
    {
        widget.setObjectName(name);
        if constexpr (std::is_base_of_v<QAbstractScrollArea, Widget>)
            withoutScrollBarMenus(widget);
        if constexpr (std::is_base_of_v<QComboBox, Widget>)
            withoutScrollBarMenus(*widget.view());
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

} // namespace statements
