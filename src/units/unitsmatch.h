#pragma once
// The board of every units topic: quantity names to drag under the large
// symbols of their units. "Level 1" reshuffles the topic's fixed pairs;
// "Level 2" draws as many pairs from its unit table, and "New Question" draws
// again. The board's drag, drop pass and completion test are the labelling
// boards'; the marking goes by symbol, since several quantities share a unit.

#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"
#include <QTimer>
#include "activity/board.h"
#include "activity/placing.h"
#include "activity/touchdrags.h"
#include "units/unitsdata.h"

#include <vector>

namespace units {

class UnitsMatch : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, StartAgain = 1, CheckScore = 2, NewQuestion = 3 };
    static constexpr int MostPairs = 8; // the places the board has

    // `data` outlives the screen.
    UnitsMatch(forms::Screens& screens, const UnitsData& data);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void revealLevels();
    void switchLevel();
    void dragAnswer(int index, const forms::MouseArgs& args);
    void dropAnswer(int index);
    void runCommand(int index);

    // A Level 1 question: the fixed pairs in a new order.
    void drawLevelOne();
    // A Level 2 question: distinct pairs of the unit table.
    void drawLevelTwo();
    // Every answer label home, every target blank.
    void resetBoard();

    const UnitsData& data;
    forms::Label& instruction;
    forms::Label& scoreLine;
    forms::ControlGroup<forms::OptionButton> levels{QStringLiteral("levels")};
    forms::ControlGroup<forms::Label> symbols{QStringLiteral("symbols")}; // the unit's symbol above target i
    forms::ControlGroup<forms::Label> targets{QStringLiteral("targets")}; // the quantities' places
    forms::ControlGroup<forms::Label> homes{QStringLiteral("homes")};     // where the answers start
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    forms::ControlGroup<forms::Label> answers{QStringLiteral("answers")}; // the quantities' names
    QTimer& showLevels; // reveals the level buttons once the screen is up

    // The order in which the last question took its pairs.
    std::vector<int> drawOrder;

    activity::AnswerBoard board{targets, answers, homes};
    // Tapping and the keyboard place answer labels as a drag would.
    activity::Placing placing{*this, board, [this](int i) {
        scoreLine.hide();
        dropAnswer(i);
    }};
    // Each finger on a multi-touch board drags a label of its own.
    activity::TouchDrags touches{*this, board, [this](int i) {
        scoreLine.hide();
        dropAnswer(i);
    }};

private:
    // Pair i of the question: symbol i above target i, and answer label i.
    void setPair(int i, const UnitPair& pair);
};

// Registers the screen made from `data`, which must outlive the registry.
void addScreen(forms::Screens& screens, const UnitsData& data);

} // namespace units
