#pragma once
// The looks the activity screens share.

#include "forms/design.h"
#include "forms/label.h"
#include "forms/palette.h"

namespace activity {

inline forms::LabelLook timesText(double points, QColor colour = forms::Yellow)
{
    return {"Times New Roman", points, false, colour, forms::Black, false, false, forms::Label::Align::Center};
}
// Answer labels and targets: yellow on black in a bordered box, Arial bold.
inline forms::LabelLook answerBox(double points)
{
    return {"Arial", points, true, forms::Yellow, forms::Black, true, true, forms::Label::Align::Center};
}
// The command labels "Exit", "Start Again", "Check Score".
inline const forms::LabelLook CommandLook{"Tahoma", 15.75, true, forms::Yellow, forms::Black, true, true,
                                          forms::Label::Align::Center};
// A command that cannot be used now, greyed on the editors' screens.
inline const QColor UnavailableGrey{150, 150, 150};

inline forms::LabelLook noteText()
{
    return {"Arial", 15.75, false, forms::Orange, forms::Black, false, false, forms::Label::Align::Center};
}

} // namespace activity
