#pragma once
// The facts of one units topic, which are all that sets its screen apart:
// every units topic shows the same board (units/unitsmatch.h).

#include <QString>
#include <vector>

namespace units {

// A quantity and the symbol of its unit.
struct UnitPair {
    QString quantity;
    QString symbol;
};

struct UnitsData {
    QString screen;      // its screen id
    QString title;       // the screen's caption, and its topic's title
    QString instruction; // across the top of the screen
    // "Level 1": the fixed pairs, in the order first shown. One target each,
    // so at most the board's eight.
    std::vector<UnitPair> levelOne;
    // "Level 2" draws as many pairs as Level 1 has from these.
    std::vector<UnitPair> unitTable;
};

} // namespace units
