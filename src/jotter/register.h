#pragma once
#include <QString>

namespace forms { class Screens; }

namespace jotter {
inline const QString ScreenName = QStringLiteral("notepad");
// The Jotter, "notepad".
void registerScreens(forms::Screens& screens);
} // namespace jotter
