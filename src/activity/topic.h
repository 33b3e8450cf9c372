#pragma once
// A menu topic: everything the program knows of one topic, kept in that
// topic's own file in its kind's folder. activity/topiclist.h lists every
// topic, one a line, in the menus' order; the program's catalogue is the
// kinds' topics together, and the menus, the Teachers' Guide, the
// registration of screens, "--open" and the picture generator are all made
// from it.

#include <QString>
#include <functional>
#include <vector>

namespace forms { class Screens; }

namespace activity {

struct Topic {
    int menu = 0;                  // the menu that lists it, from 1, as topiclist.h places it
    int row = 0;                   // its place on that menu, from 0 at the top
    QString title{};               // "Heat Transfer": also the caption of its screens
    std::vector<QString> screens{}; // the first opens; with `atRandom`, any one of them
    bool atRandom = false;         // the menu picks one of `screens` at random
    std::vector<QString> guide{};  // its row in the Teachers' Guide, after the title
    std::vector<QString> pictures{}; // the picture files its screens show, as they name them
    // Registers the topic's screens; the table behind them outlives the registry.
    std::function<void(forms::Screens&)> addScreens{};
};

using Topics = std::vector<Topic>;

// Numbers a kind's topics as topiclist.h orders the menus: call nextMenu() at
// each MENU, place() for each of the kind's own lines and skip() for another
// kind's.
class MenuPlaces {
public:
    void nextMenu() { ++menu_, row_ = 0; }
    void skip() { ++row_; }
    void place(Topic& topic) { topic.menu = menu_, topic.row = row_++; }

private:
    int menu_ = 0, row_ = 0;
};

// The topic one of whose screens is `screen`; null if none.
const Topic* topicOfScreen(const Topics& topics, const QString& screen);

} // namespace activity
