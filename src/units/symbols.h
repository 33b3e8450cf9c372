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

    explicit Symbols(forms::Screens& screens);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void Timer1_Timer();
    void Option1_Click(int index);
    void Label2_MouseMove(int index, const forms::MouseArgs& args);
    void Label2_MouseUp(int index);
    void Label3_Click(int index);

    // Fills the unit table.
    void unitnames();
    // A Level 1 question: the fixed eight pairs in a new order.
    void calculate1();
    // A Level 2 question: eight distinct pairs of the unit table.
    void calculate();
    // Every answer label home, every target blank.
    void resetlabels();

    forms::Label& Label7; // instruction
    forms::Label& Label9; // score line
    forms::ControlGroup<forms::OptionButton> Option1{QStringLiteral("Option1")}; // levels
    forms::ControlGroup<forms::Label> Label5{QStringLiteral("Label5")}; // unit symbol above target i
    forms::ControlGroup<forms::Label> Label1{QStringLiteral("Label1")}; // targets
    forms::ControlGroup<forms::Label> Label4{QStringLiteral("Label4")}; // home boxes
    forms::ControlGroup<forms::Label> Label3{QStringLiteral("Label3")}; // commands
    forms::ControlGroup<forms::Label> Label2{QStringLiteral("Label2")}; // answer labels
    QTimer& Timer1;

    // The unit table, parallel lists of quantity and symbol.
    QStringList unitquantities;
    QStringList unitsymbols;
    int unitcount = 0;
    // The Level 1 set, read from the design captions at load.
    QStringList level1quantities;
    QStringList level1symbols;
    // The order in which the last question took its pairs.
    std::vector<int> pickorder;

    activity::AnswerBoard board{Label1, Label2, Label4};
    // Tapping and the keyboard place answer labels as a drag would.
    activity::Placing placing{*this, board, [this](int i) {
        Label9.hide();
        Label2_MouseUp(i);
    }};
    // Each finger on a multi-touch board drags a label of its own.
    activity::TouchDrags touches{*this, board, [this](int i) {
        Label9.hide();
        Label2_MouseUp(i);
    }};

private:
    // Pair i of the question: symbol i above target i, and answer label i.
    void setPair(int i, const QString& quantity, const QString& symbol);
};

} // namespace units
