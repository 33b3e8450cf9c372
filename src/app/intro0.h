#pragma once
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

namespace app {

// The opening screen: the hub that links to the menus, the guide, the web
// site, and hides the desktop behind a backdrop.
class Intro0 : public forms::Screen {
    Q_OBJECT
public:
    static inline const QString WebAddress = QStringLiteral("https://www.quorvanta.example/");

    explicit Intro0(forms::Screens& screens);
    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
    void Label1_MouseMove();
    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void cmdjotter_Click();

    forms::Label& Label1;
    forms::CheckBox& Check1;
    forms::CheckBox& Check2; // "Fit to Screen"
    forms::ControlGroup<forms::Label> Label2{QStringLiteral("Label2")};
    forms::Image& Image2;
    forms::Button& Command1;
    forms::Label& Label3;
    forms::Button& cmdjotter;

private:
    void openWebSite();
};

} // namespace app
