#pragma once
// Units and their Symbols: eight quantity names to drag under the large
// symbols of their units. "Level 1" reshuffles one fixed set of eight pairs;
// "Level 2" draws eight pairs from the unit table, and "New Question" draws
// again. The board's drag, drop pass and completion test are the labelling
// boards'; the marking goes by symbol, since several quantities share a unit.

#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"
#include <QTimer>
#include "activity/board.h"
#include "activity/placing.h"
#include "activity/topic.h"
#include "activity/touchdrags.h"

#include <QStringList>
#include <vector>

namespace units {

class Symbols : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, StartAgain = 1, CheckScore = 2, NewQuestion = 3 };
    static constexpr int Items = 8;
    static inline const QString Title = QStringLiteral("Units and their Symbols");
    static inline const QString ScreenId = QStringLiteral("symbols");

    explicit Symbols(forms::Screens& screens);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void revealLevels();
    void switchLevel();
    void dragAnswer(int index, const forms::MouseArgs& args);
    void dropAnswer(int index);
    void runCommand(int index);

    // Fills the unit table.
    void fillUnitTable();
    // A Level 1 question: the fixed eight pairs in a new order.
    void drawLevelOne();
    // A Level 2 question: eight distinct pairs of the unit table.
    void drawLevelTwo();
    // Every answer label home, every target blank.
    void resetBoard();

    forms::Label& instruction;
    forms::Label& scoreLine;
    forms::ControlGroup<forms::OptionButton> levels{QStringLiteral("levels")};
    forms::ControlGroup<forms::Label> symbols{QStringLiteral("symbols")}; // the unit's symbol above target i
    forms::ControlGroup<forms::Label> targets{QStringLiteral("targets")}; // the quantities' places
    forms::ControlGroup<forms::Label> homes{QStringLiteral("homes")};     // where the answers start
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    forms::ControlGroup<forms::Label> answers{QStringLiteral("answers")}; // the quantities' names
    QTimer& showLevels; // reveals the level buttons once the screen is up

    // The unit table, parallel lists of quantity and symbol.
    QStringList unitQuantities;
    QStringList unitSymbols;
    int unitCount = 0;
    // The Level 1 set, read from the design captions at load.
    QStringList levelOneQuantities;
    QStringList levelOneSymbols;
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
    void setPair(int i, const QString& quantity, const QString& symbol);
};

// Its menu topic.
activity::Topic symbolsTopic();

} // namespace units
