#include "activity/owneditor.h"
#include "forms/notice.h"

namespace activity {

void openOwnEditor(forms::Screens& screens, const QString& id, forms::Screens::Factory make, const QString& busy)
{
    if (auto* open = dynamic_cast<OwnEditor*>(screens.find(id)); open && open->hasChanges()) {
        screens.show(id);
        forms::Notice::post(*open, busy);
        return;
    }
    screens.unload(id);
    screens.add(id, std::move(make));
    screens.show(id);
}

} // namespace activity
