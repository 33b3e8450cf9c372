#include "app/menu.h"
#include "activity/setup.h"
#include "app/catalogue.h"
#include "app/links.h"
#include "app/openingscreen.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/pictures.h"
#include "forms/screens.h"

#include <algorithm>
#include <array>

namespace app {

namespace {
using forms::Label;
const forms::LabelLook TitleLook{"Tahoma", 36, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook TopicLook{"Tahoma", 15.75, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook LinkLook{"Tahoma", 18, true, forms::Yellow, forms::Blue, false, true, Label::Align::Center};
constexpr float ScreenWidth = 12000;
constexpr float FirstRowTop = 2400, RowHeight = 495;
constexpr float LinksLeft = 9600, LinkWidth = 2235, LinkColumnStep = -2400;

// The topic labels' widths of the first menus, as designed; a later menu's
// are as wide as the widest of them.
constexpr std::array<float, 5> DesignedTopicWidths{4455, 4935, 4575, 4335, 3975};
constexpr float WidestTopicWidth = 4935;

float topicWidth(int menu)
{
    const auto designed = static_cast<std::size_t>(menu - 1);
    return designed < DesignedTopicWidths.size() ? DesignedTopicWidths[designed] : WidestTopicWidth;
}

// One column of topics stands centred on the screen; a menu too long for one
// shares the room left of the menu links among its columns.
QPointF firstTopicPlace(int columns, float width)
{
    if (columns == 1)
        return {(ScreenWidth - width) / 2, FirstRowTop};
    return {LinksLeft / static_cast<float>(2 * columns) - width / 2, FirstRowTop};
}
} // namespace

std::vector<MenuData> makeMenus(const activity::Topics& topics)
{
    std::vector<MenuData> menus;
    for (int number = 1; number <= menuCount(topics); ++number)
        menus.push_back({QStringLiteral("menu%1").arg(number), QStringLiteral("Menu %1").arg(number), topicWidth(number),
                         menuTopics(topics, number)});
    return menus;
}

const std::vector<MenuData>& menuTable()
{
    static const std::vector<MenuData> menus = makeMenus(catalogue());
    return menus;
}

Menu::Menu(forms::Screens& screens, const std::vector<MenuData>& menus, int number)
    : Screen(screens, menus.at(static_cast<std::size_t>(number - 1)).screen),
      title(*new Label(this, "title")),
      exitButton(*new forms::Button(this, "exitButton")),
      jotterButton(*new forms::Button(this, "jotterButton")),
      menus_(menus),
      number_(number)
{
    setCaption(QStringLiteral("Quorvanta"));
    forms::design(title, data().title, {2797.5f, 120, 6405, 1020}, TitleLook);
    forms::design(topics.create(this, 0), data().topics.empty() ? QString() : data().topics.front()->title,
                  {0, FirstRowTop, data().topicWidth, RowHeight}, TopicLook);
    forms::design(menuLinks.create(this, 0), menus.front().title, {LinksLeft, FirstRowTop, LinkWidth, RowHeight}, LinkLook);
    exitButton.place(60, 7950, 1785, 495);
    exitButton.setWord(QStringLiteral("Exit"));
    // The set-up routine gives the Jotter button its picture and column; with
    // no button below it, it stays here, level with the exit button.
    jotterButton.place(10050, 7950, 1785, 495);

    connect(&exitButton, &forms::Control::clicked, this, &Menu::backToOpeningScreen);
    connect(&menuLinks, &forms::GroupSignals::clicked, this, &Menu::openMenu);
    connect(&topics, &forms::GroupSignals::clicked, this, &Menu::openTopic);
    connect(&jotterButton, &forms::Control::clicked, this, [this] { openJotter(this->screens()); });
    lightUnderPointer(title);
    lightUnderPointer(menuLinks);
}

void prepareLikeMenu(forms::Screen& screen, forms::Button& exitButton, forms::Button& jotterButton)
{
    activity::prepareScreen(screen, {.jotter = &jotterButton});
    screen.setBackColor(QColor(49, 135, 215));
    // The opening screen is loaded beneath; its background is shared, and
    // each screen reads it again at a new scale.
    const forms::Screen* hub = screen.screens().find(OpeningScreen::Id);
    const QString backdrop = QStringLiteral("Images\\cassini.jpg");
    screen.setPicture(hub && hub->pictureFile() == backdrop ? hub->picture() : forms::loadPicture(backdrop, screen.scale()),
                      backdrop);
    exitButton.loadPicture(QStringLiteral("Images\\exit.jpg"));
    exitButton.place(60, 7950, 1785, 495);
}

void Menu::load()
{
    prepareLikeMenu(*this, exitButton, jotterButton);
    title.setLeft((ScreenWidth - title.twipWidth()) / 2);

    const int topicCount = static_cast<int>(data().topics.size());
    const int linkCount = static_cast<int>(menus_.size());
    const int rows = rowsThatFit(FirstRowTop, RowHeight);
    const int columns = std::max(1, (topicCount + rows - 1) / rows);
    const QPointF firstTopic = firstTopicPlace(columns, topics(0).twipWidth());
    const QPointF firstLink(menuLinks(0).left(), menuLinks(0).top());
    placeAt(topics(0), firstTopic);
    for (int index = 1; index < std::max(topicCount, linkCount); ++index) {
        if (index < linkCount) {
            placeAt(menuLinks.load(index), listPlace(index, firstLink, RowHeight, LinkColumnStep));
            menuLinks(index).setCaption(menus_[static_cast<std::size_t>(index)].title);
        }
        if (index < topicCount) {
            placeAt(topics.load(index), listPlace(index, firstTopic, RowHeight, LinksLeft / static_cast<float>(columns)));
            topics(index).setCaption(data().topics[static_cast<std::size_t>(index)]->title);
        }
    }
    showLinks(menuLinks, linkCount);
    showLinks(topics, topicCount);
}

void Menu::backToOpeningScreen() { showInstead(OpeningScreen::Id); }

void Menu::openMenu(int index)
{
    if (index + 1 == number_ || index < 0 || index >= static_cast<int>(menus_.size()))
        return;
    showInstead(menus_[static_cast<std::size_t>(index)].screen);
}

void Menu::openTopic(int row)
{
    if (row < 0 || row >= static_cast<int>(data().topics.size()))
        return;
    const activity::Topic& topic = *data().topics[static_cast<std::size_t>(row)];
    const std::vector<QString>& choices = topic.screens;
    if (choices.empty())
        return;
    std::size_t pick = 0;
    if (topic.atRandom) {
        pick = static_cast<std::size_t>(screens().platform().random() * static_cast<double>(choices.size()));
        pick = std::min(pick, choices.size() - 1);
    }
    if (screens().knows(choices[pick]))
        screens().show(choices[pick]);
}

void Menu::moveOverBackground(const forms::MouseArgs&) { dimLinks(title, menuLinks); }

} // namespace app
