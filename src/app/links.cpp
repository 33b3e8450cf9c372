#include "app/links.h"
#include "forms/accessible.h"
#include "forms/screens.h"
#include "jotter/register.h"

#include <algorithm>

namespace app {

void openJotter(forms::Screens& screens)
{
    if (screens.knows(jotter::ScreenName))
        screens.show(jotter::ScreenName);
}

void lightUnderPointer(forms::Label& label)
{
    QObject::connect(&label, &forms::Control::moved, &label, [&label](const forms::MouseArgs&) { label.setOpaque(true); });
}

void lightUnderPointer(forms::ControlGroup<forms::Label>& group)
{
    QObject::connect(&group, &forms::GroupSignals::moved, &group,
                     [&group](int index, const forms::MouseArgs&) { group(index).setOpaque(true); });
}

void showLinks(forms::ControlGroup<forms::Label>& group, int count)
{
    for (int index = 0; index < count; ++index) {
        group(index).show();
        forms::setAccessibleRole(group(index), QAccessible::Link);
    }
}

void dimLinks(forms::Label& title, const forms::ControlGroup<forms::Label>& links, std::initializer_list<forms::Label*> others)
{
    title.setOpaque(false);
    links.forEach([](int, forms::Label& link) { link.setOpaque(false); });
    for (forms::Label* other : others)
        other->setOpaque(false);
}

int rowsThatFit(float top, float height) { return std::max(1, static_cast<int>((ListFoot - top - height) / RowPitch) + 1); }

QPointF listPlace(int index, QPointF first, float height, float columnStep)
{
    const int rows = rowsThatFit(static_cast<float>(first.y()), height);
    return {first.x() + static_cast<double>(columnStep) * (index / rows),
            first.y() + static_cast<double>(RowPitch) * (index % rows)};
}

void placeAt(forms::Label& label, QPointF at) { label.moveTo(static_cast<float>(at.x()), static_cast<float>(at.y())); }

} // namespace app
