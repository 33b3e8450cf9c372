#pragma once
// The values shared by the whole program, and the set-up routine that every
// full-size screen runs first in its load.

#include <QtGlobal>
#include <optional>

namespace forms { class Screen; }

namespace Module1 {

// Empty at start; 1 while "Hide Desktop" is ticked, 0 after it is unticked.
// It outlives the opening screen, which restores the tick from it.
inline std::optional<qint16> HideDesktop;

// The number of answer labels of the labelling screen loaded last; empty until
// the first one loads.
inline std::optional<qint16> LabelCount;

// Gives a screen the common look and place: background, no icon of its own,
// 12000 x 9000 twips, centred on the whole display, and the fixed pictures and
// places of the optional standard buttons it may carry. Every step after the
// icon is tried on its own: a control the screen lacks, a property a control
// lacks or a picture that cannot be read skips that one step silently.
void PrepareForm(forms::Screen& screen);

// LabelCount as a loop bound: 0 while it is still empty.
inline int labelCount() { return LabelCount.value_or(0); }

} // namespace Module1
