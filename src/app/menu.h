#pragma once
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <array>
#include <vector>

namespace app {

// One row of the menu table: a menu's screen, its title and the width of its
// topic labels. Its topics come from the activity catalogue.
struct MenuData {
    QString screen;
    QString title;
    float topicWidth;
};

const std::array<MenuData, 5>& menuTable();

// The menu design, shared by the five menu screens.
class Menu : public forms::Screen {
    Q_OBJECT
public:
    Menu(forms::Screens& screens, const MenuData& data);
    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void Command1_Click();
    void Label1_MouseMove();
    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void Label3_Click(int index);
    void cmdjotter_Click();

    // 1 to 5.
    int number() const;

    forms::Label& Label1;
    forms::ControlGroup<forms::Label> Label3{QStringLiteral("Label3")};
    forms::ControlGroup<forms::Label> Label2{QStringLiteral("Label2")};
    forms::Button& Command1;
    forms::Button& cmdjotter;

private:
    const MenuData& data_;
};

} // namespace app
