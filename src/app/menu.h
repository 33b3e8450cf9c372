#pragma once
#include "activity/topic.h"
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <vector>

namespace app {

// One menu: its screen, its title, the width of its topic labels and the
// topics it lists, top row first.
struct MenuData {
    QString screen;   // "menu1"
    QString title;    // "Menu 1"
    float topicWidth; // twips
    std::vector<const activity::Topic*> topics;
};

// A menu for each menu number the topics name, menu 1 first.
std::vector<MenuData> makeMenus(const activity::Topics& topics);
// The program's menus, made from its catalogue.
const std::vector<MenuData>& menuTable();

// The look of a screen reached from the opening screen (a menu, My Activities):
// the set-up routine, the opening screen's blue and backdrop, and Exit in its corner.
void prepareLikeMenu(forms::Screen& screen, forms::Button& exitButton, forms::Button& jotterButton);

// The menu design, shared by every menu screen: its topics down the middle,
// links to every menu down the right.
class Menu : public forms::Screen {
    Q_OBJECT
public:
    // number: from 1, the menu's place in `menus`, which outlives the screen.
    Menu(forms::Screens& screens, const std::vector<MenuData>& menus, int number);
    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void openTopic(int row);
    void openMenu(int index);
    void backToOpeningScreen();

    int number() const { return number_; }

    forms::Label& title;
    forms::ControlGroup<forms::Label> topics{QStringLiteral("topics")};
    forms::ControlGroup<forms::Label> menuLinks{QStringLiteral("menuLinks")};
    forms::Button& exitButton;
    forms::Button& jotterButton;

private:
    const MenuData& data() const { return menus_.at(static_cast<std::size_t>(number_ - 1)); }

    const std::vector<MenuData>& menus_;
    int number_;
};

} // namespace app
