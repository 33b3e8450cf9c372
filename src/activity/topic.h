#pragma once
// A menu topic: everything the program knows of one topic, kept in that
// topic's own file in its kind's folder. Each kind lists its topics (one line
// a topic); the program's catalogue is those lists together, and the menus,
// the Teachers' Guide, the registration of screens, "--open" and the picture
// generator are all made from it.

#include <QString>
#include <functional>
#include <vector>

namespace forms { class Screens; }

namespace activity {

struct Topic {
    int menu = 0;                  // the menu that lists it, from 1
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

// The topic titled `title`, or one of whose screens is `screen`; null if none.
const Topic* findTopic(const Topics& topics, const QString& title);
const Topic* topicOfScreen(const Topics& topics, const QString& screen);

} // namespace activity
