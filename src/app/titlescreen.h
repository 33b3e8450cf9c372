#pragma once
#include "forms/buttons.h"
#include "forms/label.h"
#include "forms/screen.h"

namespace app {

// The start-up screen, which later serves as the exit confirmation.
class TitleScreen : public forms::Screen {
    Q_OBJECT
public:
    // The screen id, as "--open" and the screens registry know it.
    static inline const QString Id = QStringLiteral("Titlefrm");

    explicit TitleScreen(forms::Screens& screens);
    void load() override;
    void goToOpeningScreen();
    void exitProgram();

    forms::Frame& frame;
    forms::Label& title;
    forms::PictureBox& picture;
    forms::Label& credit;
    forms::Button& okButton; // "OK"; "Cancel" when the screen asks before exit
    forms::Button& exitButton;
    forms::Label& notice;
};

} // namespace app
