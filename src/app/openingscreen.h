#pragma once
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

namespace app {

// The opening screen: the hub that links to the menus, the guide, the web
// site, and hides the desktop behind a backdrop.
class OpeningScreen : public forms::Screen {
    Q_OBJECT
public:
    static inline const QString Id = QStringLiteral("intro0");
    static inline const QString WebAddress = QStringLiteral("https://www.quorvanta.example/");

    explicit OpeningScreen(forms::Screens& screens);
    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void toggleHideDesktop();
    void toggleFitToScreen();
    void askBeforeExit();
    void openMenu(int index);
    void openGuide();
    void openMyActivities();
    // Where no browser can be had, the teacher gets the address to type in elsewhere.
    void openWebSite();

    forms::Label& title;
    forms::CheckBox& hideDesktop;
    forms::CheckBox& fitToScreen;
    forms::ControlGroup<forms::Label> menuLinks{QStringLiteral("menuLinks")};
    forms::Image& logo;
    forms::Button& exitButton;
    forms::Label& copyright;
    forms::Button& jotterButton;
    forms::Label* guideLink = nullptr;
    forms::Label* webLink = nullptr;
    // Below the menu links: the activities teachers made themselves.
    forms::Label* myActivitiesLink = nullptr;
};

} // namespace app
