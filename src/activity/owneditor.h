#pragma once
// A screen on which a teacher edits one of their files, and the rule that
// holds for every such editor: one at a time, and what is being made is
// never thrown away unasked by opening another.

#include "forms/screen.h"
#include "forms/screens.h"

namespace activity {

class OwnEditor : public forms::Screen {
    Q_OBJECT
public:
    using Screen::Screen;
    // Something typed or changed that is not saved yet.
    virtual bool hasChanges() const = 0;
};

// Shows the editor `make` makes under `id` in place of the one there, unless
// that one has changes not saved: then it is shown as it is, saying `busy`.
void openOwnEditor(forms::Screens& screens, const QString& id, forms::Screens::Factory make, const QString& busy);

} // namespace activity
