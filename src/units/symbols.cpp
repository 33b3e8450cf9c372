// Units and their Symbols: the screen's design data and its handlers.
#include "units/symbols.h"
#include "activity/setup.h"
#include "forms/design.h"
#include "forms/screens.h"
#include "activity/catalogue.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/rules.h"
#include "units/marking.h"
#include "units/shuffle.h"

#include <algorithm>

namespace units {

namespace {
using forms::Label;

struct Pair {
    const char* quantity;
    const char* symbol;
};

// Every quantity the activity knows, with the symbol of its unit. "J", "m/s"
// and "N" each belong to two quantities.
const Pair UnitTable[] = {
    {"Energy", "J"},
    {"Power", "W"},
    {"Energy Consumed", "kWh"},
    {"Time", "s"},
    {"Speed", "m/s"},
    {"Frequency", "Hz"},
    {"Wavelength", "m"},
    {"Acceleration", "m/s\u00B2"},
    {"Velocity", "m/s"},
    {"Weight", "N"},
    {"Force", "N"},
    {"Mass", "kg"},
    {"Gravitational Field Strength", "N/kg"},
    {"Work Done", "J"},
    {"Momentum", "kgm/s"},
    {"Potential Difference", "V"},
    {"Current", "A"},
    {"Resistance", "Ohm"},
    {"Charge", "C"},
};

// The Level 1 set: the design captions of target i and of the symbol above it.
const Pair Level1[Symbols::Items] = {
    {"Energy", "J"},
    {"Power", "W"},
    {"Energy Consumed", "kWh"},
    {"Time", "s"},
    {"Wave Speed", "m/s"},
    {"Frequency", "Hz"},
    {"Wavelength", "m"},
    {"Mass", "kg"},
};

// Two rows of four symbols over their targets; below them two rows of four
// home boxes in an order of their own.
struct Place {
    float symbolLeft, symbolTop;
    float targetLeft, targetTop;
    float homeLeft, homeTop;
};
const Place Places[Symbols::Items] = {
    //  symbol       target       answer label at start
    {480, 1560,  480, 2490,  3480, 6000},
    {3360, 1560, 3360, 2490, 840, 6000},
    {6240, 1560, 6240, 2490, 8760, 6960},
    {9120, 1560, 9120, 2490, 3480, 6960},
    {480, 3390,  480, 4320,  8760, 6000},
    {3360, 3390, 3360, 4320, 6120, 6960},
    {6240, 3390, 6240, 4320, 6120, 6000},
    {9120, 3390, 9120, 4320, 840, 6960},
};
constexpr float SymbolWidth = 2160, SymbolHeight = 945;
constexpr float BoxWidth = 2280, BoxHeight = 750;

const QString LevelCaptions[] = {"Level 1", "Level 2"};
const forms::TwipRect LevelPlaces[] = {{240, 240, 1335, 495}, {240, 840, 1335, 495}};

const activity::Command Commands[] = {activity::ExitCommand, activity::StartAgainCommand,
                                      activity::CheckScoreCommand, activity::NewQuestionCommand};

const QColor Background(41, 65, 137);
const forms::LabelLook InstructionLook{"Times New Roman", 27.75, false, forms::Yellow, forms::Black, false, false, Label::Align::Center};
const forms::LabelLook SymbolLook{"Arial", 36, false, forms::Yellow, forms::Black, false, false, Label::Align::Center};
const forms::LabelLook BoxLook = activity::answerBox(14.25);
const forms::LabelLook ScoreLook{"Times New Roman", 24, false, forms::Yellow, forms::Black, false, false, Label::Align::Center};
} // namespace

Symbols::Symbols(forms::Screens& screens)
    : Screen(screens, activity::topic(Title).screens.front()),
      Label7(*new Label(this, "Label7")),
      Label9(*new Label(this, "Label9")),
      Timer1(*new QTimer(this))
{
    setCaption(Title);
    forms::design(Label7, "Match the variables with the symbols for their units.", {2040, 120, 7800, 1305}, InstructionLook);
    forms::design(Label9, "12 out of 12 correct", {3720, 5280, 4320, 555}, ScoreLook);
    Label9.hide();
    activity::buildOptions(this, Option1, {LevelCaptions, LevelPlaces, forms::Orange, 14.25, 0});
    Option1.forEach([](int, forms::OptionButton& level) { level.hide(); });
    // Created bottom to top, so that a dragged answer label passes over everything.
    for (int i = 0; i < Items; ++i) {
        const Place& p = Places[i];
        forms::design(Label5.create(this, i), QString::fromUtf8(Level1[i].symbol),
                      {p.symbolLeft, p.symbolTop, SymbolWidth, SymbolHeight}, SymbolLook);
        forms::design(Label1.create(this, i), QString::fromUtf8(Level1[i].quantity),
                      {p.targetLeft, p.targetTop, BoxWidth, BoxHeight}, BoxLook);
    }
    for (int i = 0; i < Items; ++i) {
        Label& home = Label4.create(this, i);
        home.setBorder(true);
        home.place(Places[i].homeLeft, Places[i].homeTop, BoxWidth, BoxHeight);
    }
    activity::buildCommands(this, Label3, Commands);
    Label3(CheckScore).hide();
    Label3(NewQuestion).hide();
    for (int i = 0; i < Items; ++i)
        forms::design(Label2.create(this, i), QStringLiteral("Label2"),
                      {Places[i].homeLeft, Places[i].homeTop, BoxWidth, BoxHeight}, BoxLook);

    connect(&Label2, &forms::GroupSignals::moved, this, [this](int i, const forms::MouseArgs& a) { Label2_MouseMove(i, a); });
    connect(&Label2, &forms::GroupSignals::released, this, [this](int i, const forms::MouseArgs&) { Label2_MouseUp(i); });
    connect(&Label3, &forms::GroupSignals::clicked, this, [this](int k) { Label3_Click(k); });
    connect(&Option1, &forms::GroupSignals::clicked, this, [this](int k) { Option1_Click(k); });
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Symbols::load()
{
    activity::prepareScreen(*this);
    setBackColor(Background);
    Option1.forEach([](int, forms::OptionButton& level) { level.setBackColor(Background); });
    level1symbols.clear();
    level1quantities.clear();
    for (int i = 0; i < Items; ++i) {
        level1symbols << Label5(i).Caption();
        level1quantities << Label1(i).Caption();
    }
    unitnames();
    board.setCount(Items);
    board.sizeHomes();
    board.dealAnswers();
    // The level buttons appear on the first tick, once the screen is up.
    Timer1.start();
    placing.attach();
    touches.attach();
}

void Symbols::unitnames()
{
    unitquantities.clear();
    unitsymbols.clear();
    for (const Pair& entry : UnitTable) {
        unitquantities << QString::fromUtf8(entry.quantity);
        unitsymbols << QString::fromUtf8(entry.symbol);
    }
    unitcount = static_cast<int>(unitquantities.size());
}

void Symbols::setPair(int i, const QString& quantity, const QString& symbol)
{
    Label5(i).setCaption(symbol);
    Label2(i).setCaption(quantity);
}

void Symbols::calculate1()
{
    const int items = std::min<int>(board.count(), int(level1quantities.size()));
    pickorder = pickOrder(items, screens().platform().random);
    for (int i = 0; i < items; ++i)
        setPair(i, level1quantities[pickorder[i]], level1symbols[pickorder[i]]);
}

void Symbols::calculate()
{
    pickorder = pickOrder(unitcount, screens().platform().random);
    for (int i = 0; i < std::min(Items, unitcount); ++i)
        setPair(i, unitquantities[pickorder[i]], unitsymbols[pickorder[i]]);
}

void Symbols::resetlabels()
{
    board.sendHome();
    for (int i = 0; i < board.count(); ++i) {
        Label1(i).setCaption(QString());
        Label1(i).setOpaque(false);
        Label1(i).show();
    }
    for (int i = 0; i < board.count(); ++i) {
        Label2(i).show();
        Label4(i).show();
    }
}

void Symbols::Timer1_Timer()
{
    Option1(0).show();
    Option1(1).show();
    // Nothing changes on later ticks: a running timer would only wake the program.
    Timer1.stop();
}

void Symbols::Option1_Click(int)
{
    const bool level1 = Option1(0).Value();
    Label3(NewQuestion).setVisible(!level1);
    Label3(CheckScore).hide();
    Label9.hide();
    resetlabels();
    if (level1)
        calculate1();
    else
        calculate();
}

void Symbols::Label2_MouseMove(int index, const forms::MouseArgs& args)
{
    Label9.hide();
    board.drag(index, args);
}

void Symbols::Label2_MouseUp(int index)
{
    if (board.drop(index))
        Label3(CheckScore).show();
}

void Symbols::Label3_Click(int index)
{
    switch (index) {
    case Exit:
        Label9.hide();
        unloadSelf();
        break;
    case StartAgain:
        board.sendHome();
        Label9.hide();
        Label3(CheckScore).hide();
        break;
    case CheckScore: {
        std::vector<QString> symbols;
        for (int i = 0; i < board.count(); ++i)
            symbols.push_back(Label5(i).Caption());
        const int score = symbolScore(board.answerCorners(), board.targetCorners(), symbols);
        Label9.setCaption(activity::scoreText(score, board.count()));
        Label9.show();
        break;
    }
    case NewQuestion:
        Label3(CheckScore).hide();
        Label9.hide();
        resetlabels();
        calculate();
        break;
    default:
        break;
    }
}

void Symbols::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(Label3);
}

} // namespace units
