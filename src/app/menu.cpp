#include "app/menu.h"
#include "app/links.h"
#include "activity/catalogue.h"
#include "activity/setup.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/pictures.h"
#include "forms/screens.h"

namespace app {

const std::array<MenuData, 5>& menuTable()
{
    static const std::array<MenuData, 5> table{{
        {"menu1", "Menu 1", 4455},
        {"menu2", "Menu 2", 4935},
        {"menu3", "Menu 3", 4575},
        {"menu4", "Menu 4", 4335},
        {"menu5", "Menu 5", 3975},
    }};
    return table;
}

namespace {
using forms::Label;
const forms::LabelLook TitleLook{"Tahoma", 36, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook TopicLook{"Tahoma", 15.75, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook LinkLook{"Tahoma", 18, true, forms::Yellow, forms::Blue, false, true, Label::Align::Center};
constexpr float ScreenWidth = 12000;
constexpr float RowPitch = 750;
} // namespace

Menu::Menu(forms::Screens& screens, const MenuData& data)
    : Screen(screens, data.screen),
      Label1(*new Label(this, "Label1")),
      Command1(*new forms::Button(this, "Command1")),
      cmdjotter(*new forms::Button(this, "cmdjotter")),
      data_(data)
{
    setCaption(QStringLiteral("Quorvanta"));
    forms::design(Label1, data.title, {2797.5f, 120, 6405, 1020}, TitleLook);
    forms::design(Label3.create(this, 0), activity::topicAt(number(), 0)->title, {0, 2400, data.topicWidth, 495}, TopicLook);
    forms::design(Label2.create(this, 0), "Menu 1", {9600, 2400, 2235, 495}, LinkLook);
    Command1.place(60, 7950, 1785, 495);
    Command1.setWord(QStringLiteral("Exit"));
    // The set-up routine gives the Jotter button its picture and column; with
    // no button below it, it stays here, level with the exit button.
    cmdjotter.place(10050, 7950, 1785, 495);

    connect(&Command1, &forms::Control::clicked, this, [this] { Command1_Click(); });
    connect(&Label1, &forms::Control::moved, this, [this](const forms::MouseArgs&) { Label1_MouseMove(); });
    connect(&Label2, &forms::GroupSignals::clicked, this, [this](int index) { Label2_Click(index); });
    connect(&Label2, &forms::GroupSignals::moved, this, [this](int index, const forms::MouseArgs&) { Label2_MouseMove(index); });
    connect(&Label3, &forms::GroupSignals::clicked, this, [this](int index) { Label3_Click(index); });
    connect(&cmdjotter, &forms::Control::clicked, this, [this] { cmdjotter_Click(); });
}

int Menu::number() const { return static_cast<int>(&data_ - menuTable().data()) + 1; }

void Menu::load()
{
    activity::prepareScreen(*this, {.jotter = &cmdjotter});
    setBackColor(QColor(49, 135, 215));
    // The opening screen is loaded beneath every menu; its background is
    // shared, and each reads it again at a new scale.
    const forms::Screen* hub = screens().find(QStringLiteral("intro0"));
    const QString backdrop = QStringLiteral("Images\\cassini.jpg");
    setPicture(hub && hub->PictureFile() == backdrop ? hub->Picture() : forms::loadPicture(backdrop, scale()), backdrop);
    Command1.loadPicture(QStringLiteral("Images\\exit.jpg"));
    Command1.place(60, 7950, 1785, 495);
    Label1.setLeft((ScreenWidth - Label1.Width()) / 2);
    Label3(0).setLeft((ScreenWidth - Label3(0).Width()) / 2);
    for (int index = 1; index <= 4; ++index) {
        Label2.load(index).moveTo(Label2(0).Left(), Label2(0).Top() + RowPitch * index);
        Label3.load(index).moveTo(Label3(0).Left(), Label3(0).Top() + RowPitch * index);
        Label2(index).setCaption(QStringLiteral("Menu %1").arg(index + 1));
        Label3(index).setCaption(activity::topicAt(number(), index)->title);
    }
    for (int index = 0; index <= 4; ++index) {
        Label2(index).show();
        Label3(index).show();
        forms::setAccessibleRole(Label2(index), QAccessible::Link);
        forms::setAccessibleRole(Label3(index), QAccessible::Link);
    }
}

void Menu::Command1_Click()
{
    showInstead(QStringLiteral("intro0"));
}

void Menu::Label2_Click(int index)
{
    if (index + 1 == number())
        return;
    showInstead(menuTable()[index].screen);
}

void Menu::Label3_Click(int index)
{
    const activity::Topic* topic = activity::topicAt(number(), index);
    if (!topic || !topic->built)
        return;
    const std::vector<QString>& choices = topic->screens;
    std::size_t pick = 0;
    if (topic->atRandom) {
        pick = static_cast<std::size_t>(screens().platform().random() * static_cast<double>(choices.size()));
        pick = std::min(pick, choices.size() - 1);
    }
    if (screens().knows(choices[pick]))
        screens().show(choices[pick]);
}

void Menu::cmdjotter_Click() { openJotter(screens()); }

void Menu::moveOverBackground(const forms::MouseArgs&) { dimLinks(Label1, Label2, {0, 1, 2, 3, 4}); }

void Menu::Label1_MouseMove() { Label1.setOpaque(true); }
void Menu::Label2_MouseMove(int index) { Label2(index).setOpaque(true); }

} // namespace app
