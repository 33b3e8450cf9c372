#pragma once
#include "forms/screen.h"

namespace app {

// The backdrop: a borderless blue screen over the whole display that stands
// behind every other screen while "Hide Desktop" is ticked.
class Grey : public forms::Screen {
    Q_OBJECT
public:
    explicit Grey(forms::Screens& screens);
    void load() override;
    void rescaled(QSizeF displayBefore, QSizeF displayNow) override;
};

} // namespace app
