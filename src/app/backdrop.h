#pragma once
#include "forms/screen.h"

namespace app {

// The backdrop: a borderless blue screen over the whole display that stands
// behind every other screen while "Hide Desktop" is ticked.
class Backdrop : public forms::Screen {
    Q_OBJECT
public:
    static inline const QString Id = QStringLiteral("Grey");

    explicit Backdrop(forms::Screens& screens);
    void load() override;
    void rescaled(QSizeF displayBefore, QSizeF displayNow) override;
};

} // namespace app
