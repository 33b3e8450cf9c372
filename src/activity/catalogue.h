#pragma once
// The catalogue of every topic on the five menus: where it stands, its title
// (also the caption of its screens), the screens it opens and what kind of
// activity they are. The menus, the Teachers' Guide, the registration and the
// tests all read this one table.

#include <QString>
#include <vector>

namespace activity {

enum class Kind { Labelling, Units, Statements, Calculations };

struct Topic {
    int menu;                     // 1 to 5
    int row;                      // 0 to 4, top to bottom on its menu
    QString title;                // "Heat Transfer"
    Kind kind;
    std::vector<QString> screens; // the first opens; with `atRandom`, any one of them
    bool atRandom = false;        // the menu picks one of `screens` at random
    bool built = true;            // false: the topic is listed, its activity is still to come
};

inline constexpr int MenuCount = 5;
inline constexpr int TopicsPerMenu = 5;

const std::vector<Topic>& catalogue();
// The topic at a menu's row; null if there is none.
const Topic* topicAt(int menu, int row);
// The topic titled `title`; throws std::logic_error if there is none, since a
// screen table that names a topic the catalogue lacks is a fault of the build.
const Topic& topic(const QString& title);
// The topic one of whose screens is `screen`; null if none.
const Topic* topicOf(const QString& screen);

} // namespace activity
