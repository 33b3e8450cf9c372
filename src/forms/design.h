#pragma once
// Shorthands for laying out a screen's design data: a label's look in one
// line, as the design tables give it.

#include "forms/label.h"

namespace forms {

struct LabelLook {
    QString family;
    double points = 12;
    bool bold = false;
    QColor fore{0, 0, 0};
    QColor back{0, 0, 0};
    bool opaque = false;
    bool border = false;
    Label::Align align = Label::Align::Left;
};

inline Label& style(Label& label, const LabelLook& look)
{
    label.setDesignFont(look.family, look.points, look.bold);
    label.setForeColor(look.fore);
    label.setBackColor(look.back);
    label.setOpaque(look.opaque);
    label.setBorder(look.border);
    label.setAlignment(look.align);
    return label;
}

inline Label& design(Label& label, const QString& caption, const TwipRect& at, const LabelLook& look)
{
    style(label, look);
    label.place(at.left, at.top, at.width, at.height);
    label.setCaption(caption);
    return label;
}

inline const QColor Yellow{255, 255, 0};
inline const QColor Black{0, 0, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Orange{255, 128, 0};
inline const QColor Green{0, 255, 0};

} // namespace forms
