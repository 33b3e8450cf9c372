// Units and their Symbols: the screen's design data and its handlers.
#include "units/symbols.h"
#include "activity/setup.h"
#include "forms/design.h"
#include "forms/screens.h"
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
    : Screen(screens, ScreenId),
      instruction(*new Label(this, "instruction")),
      scoreLine(*new Label(this, "scoreLine")),
      showLevels(*new QTimer(this))
{
    setCaption(Title);
    forms::design(instruction, "Match the variables with the symbols for their units.", {2040, 120, 7800, 1305}, InstructionLook);
    forms::design(scoreLine, "12 out of 12 correct", {3720, 5280, 4320, 555}, ScoreLook);
    scoreLine.hide();
    activity::buildOptions(this, levels, {LevelCaptions, LevelPlaces, forms::Orange, 14.25, 0});
    levels.forEach([](int, forms::OptionButton& level) { level.hide(); });
    // Created bottom to top, so that a dragged answer label passes over everything.
    for (int i = 0; i < Items; ++i) {
        const Place& p = Places[i];
        forms::design(symbols.create(this, i), QString::fromUtf8(Level1[i].symbol),
                      {p.symbolLeft, p.symbolTop, SymbolWidth, SymbolHeight}, SymbolLook);
        forms::design(targets.create(this, i), QString::fromUtf8(Level1[i].quantity),
                      {p.targetLeft, p.targetTop, BoxWidth, BoxHeight}, BoxLook);
    }
    for (int i = 0; i < Items; ++i) {
        Label& home = homes.create(this, i);
        home.setBorder(true);
        home.place(Places[i].homeLeft, Places[i].homeTop, BoxWidth, BoxHeight);
    }
    activity::buildCommands(this, commands, Commands);
    commands(CheckScore).hide();
    commands(NewQuestion).hide();
    for (int i = 0; i < Items; ++i)
        forms::design(answers.create(this, i), QString(),
                      {Places[i].homeLeft, Places[i].homeTop, BoxWidth, BoxHeight}, BoxLook);

    connect(&answers, &forms::GroupSignals::moved, this, &Symbols::dragAnswer);
    connect(&answers, &forms::GroupSignals::released, this, [this](int i) { dropAnswer(i); });
    connect(&commands, &forms::GroupSignals::clicked, this, &Symbols::runCommand);
    connect(&levels, &forms::GroupSignals::clicked, this, &Symbols::switchLevel);
    showLevels.setTimerType(Qt::PreciseTimer);
    showLevels.setInterval(1);
    connect(&showLevels, &QTimer::timeout, this, &Symbols::revealLevels);
}

void Symbols::load()
{
    activity::prepareScreen(*this);
    setBackColor(Background);
    levels.forEach([](int, forms::OptionButton& level) { level.setBackColor(Background); });
    levelOneSymbols.clear();
    levelOneQuantities.clear();
    for (int i = 0; i < Items; ++i) {
        levelOneSymbols << symbols(i).Caption();
        levelOneQuantities << targets(i).Caption();
    }
    fillUnitTable();
    board.setCount(Items);
    board.sizeHomes();
    board.dealAnswers();
    // The level buttons appear on the first tick, once the screen is up.
    showLevels.start();
    placing.attach();
    touches.attach();
}

void Symbols::fillUnitTable()
{
    unitQuantities.clear();
    unitSymbols.clear();
    for (const Pair& entry : UnitTable) {
        unitQuantities << QString::fromUtf8(entry.quantity);
        unitSymbols << QString::fromUtf8(entry.symbol);
    }
    unitCount = static_cast<int>(unitQuantities.size());
}

void Symbols::setPair(int i, const QString& quantity, const QString& symbol)
{
    symbols(i).setCaption(symbol);
    answers(i).setCaption(quantity);
}

void Symbols::drawLevelOne()
{
    const int items = std::min<int>(board.count(), int(levelOneQuantities.size()));
    drawOrder = pickOrder(items, screens().platform().random);
    for (int i = 0; i < items; ++i)
        setPair(i, levelOneQuantities[drawOrder[i]], levelOneSymbols[drawOrder[i]]);
}

void Symbols::drawLevelTwo()
{
    drawOrder = pickOrder(unitCount, screens().platform().random);
    for (int i = 0; i < std::min(Items, unitCount); ++i)
        setPair(i, unitQuantities[drawOrder[i]], unitSymbols[drawOrder[i]]);
}

void Symbols::resetBoard()
{
    board.sendHome();
    for (int i = 0; i < board.count(); ++i) {
        targets(i).setCaption(QString());
        targets(i).setOpaque(false);
        targets(i).show();
    }
    for (int i = 0; i < board.count(); ++i) {
        answers(i).show();
        homes(i).show();
    }
}

void Symbols::revealLevels()
{
    levels(0).show();
    levels(1).show();
    // Nothing changes on later ticks: a running timer would only wake the program.
    showLevels.stop();
}

void Symbols::switchLevel()
{
    const bool level1 = levels(0).Value();
    commands(NewQuestion).setVisible(!level1);
    commands(CheckScore).hide();
    scoreLine.hide();
    resetBoard();
    if (level1)
        drawLevelOne();
    else
        drawLevelTwo();
}

void Symbols::dragAnswer(int index, const forms::MouseArgs& args)
{
    scoreLine.hide();
    board.drag(index, args);
}

void Symbols::dropAnswer(int index)
{
    if (board.drop(index))
        commands(CheckScore).show();
}

void Symbols::runCommand(int command)
{
    switch (command) {
    case Exit:
        scoreLine.hide();
        unloadSelf();
        break;
    case StartAgain:
        board.sendHome();
        scoreLine.hide();
        commands(CheckScore).hide();
        break;
    case CheckScore: {
        std::vector<QString> shown;
        for (int i = 0; i < board.count(); ++i)
            shown.push_back(symbols(i).Caption());
        const int score = symbolScore(board.answerCorners(), board.targetCorners(), shown);
        scoreLine.setCaption(activity::scoreText(score, board.count()));
        scoreLine.show();
        break;
    }
    case NewQuestion:
        commands(CheckScore).hide();
        scoreLine.hide();
        resetBoard();
        drawLevelTwo();
        break;
    default:
        break;
    }
}

void Symbols::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(commands);
}

activity::Topic symbolsTopic()
{
    const auto addScreens = [](forms::Screens& screens) {
        screens.add(Symbols::ScreenId, [](forms::Screens& s) { return std::make_unique<Symbols>(s); });
    };
    return {.menu = 4, .row = 3, .title = Symbols::Title, .screens = {Symbols::ScreenId},
            .atRandom = false,
            .guide = {"Drag and drop to match units with their symbols. When all the labels are in position, the "
                      "scores can be checked.",
                      "Level 1 includes units that are used in Year 10, Level 2 also includes units that are used in "
                      "Year 11.",
                      "Different pieces of equipment that are used to measure each type of unit could be shown to the "
                      "pupils."},
            .pictures = {}, .addScreens = addScreens};
}

} // namespace units
