#pragma once
#include "forms/buttons.h"
#include "forms/label.h"
#include "forms/screen.h"

namespace app {

// The start-up screen, which later serves as the exit confirmation.
class Titlefrm : public forms::Screen {
    Q_OBJECT
public:
    explicit Titlefrm(forms::Screens& screens);
    void load() override;
    void Command1_Click();
    void Command2_Click();

    forms::Frame& Frame1;
    forms::Label& Label4;
    forms::PictureBox& Picture1;
    forms::Label& Label3;
    forms::Button& Command1;
    forms::Button& Command2;
    forms::Label& Label2;
};

} // namespace app
