// The units board: its layout, its looks and its handlers; the topic's
// facts come from its UnitsData.
#include "units/unitsmatch.h"
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

// Two rows of four symbols over their targets; below them two rows of four
// home boxes in an order of their own.
struct Place {
    float symbolLeft, symbolTop;
    float targetLeft, targetTop;
    float homeLeft, homeTop;
};
const Place Places[UnitsMatch::MostPairs] = {
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
constexpr float BoxWidth = 2280, BoxHeight = 750;
// As wide as the box below, so that a symbol stands centred over it and the
// widest ("kg m/s") has room at every size.
constexpr float SymbolWidth = BoxWidth, SymbolHeight = 945;

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

UnitsMatch::UnitsMatch(forms::Screens& screens, const UnitsData& data)
    : Screen(screens, data.screen),
      data(data),
      instruction(*new Label(this, "instruction")),
      scoreLine(*new Label(this, "scoreLine")),
      showLevels(*new QTimer(this))
{
    const int pairs = static_cast<int>(data.levelOne.size());
    Q_ASSERT(pairs <= MostPairs && data.unitTable.size() >= data.levelOne.size());
    setCaption(data.title);
    forms::design(instruction, data.instruction, {2040, 120, 7800, 1305}, InstructionLook);
    forms::design(scoreLine, "12 out of 12 correct", {3720, 5280, 4320, 555}, ScoreLook);
    scoreLine.hide();
    activity::buildOptions(this, levels, {LevelCaptions, LevelPlaces, forms::Orange, 14.25, 0});
    levels.forEach([](int, forms::OptionButton& level) { level.hide(); });
    // Created bottom to top, so that a dragged answer label passes over everything.
    for (int i = 0; i < pairs; ++i) {
        const Place& p = Places[i];
        forms::design(symbols.create(this, i), data.levelOne[i].symbol,
                      {p.symbolLeft, p.symbolTop, SymbolWidth, SymbolHeight}, SymbolLook);
        forms::design(targets.create(this, i), data.levelOne[i].quantity,
                      {p.targetLeft, p.targetTop, BoxWidth, BoxHeight}, BoxLook);
    }
    for (int i = 0; i < pairs; ++i) {
        Label& home = homes.create(this, i);
        home.setBorder(true);
        home.place(Places[i].homeLeft, Places[i].homeTop, BoxWidth, BoxHeight);
    }
    activity::buildCommands(this, commands, Commands);
    commands(CheckScore).hide();
    commands(NewQuestion).hide();
    for (int i = 0; i < pairs; ++i)
        forms::design(answers.create(this, i), QString(),
                      {Places[i].homeLeft, Places[i].homeTop, BoxWidth, BoxHeight}, BoxLook);

    connect(&answers, &forms::GroupSignals::moved, this, &UnitsMatch::dragAnswer);
    connect(&answers, &forms::GroupSignals::released, this, [this](int i) { dropAnswer(i); });
    connect(&commands, &forms::GroupSignals::clicked, this, &UnitsMatch::runCommand);
    connect(&levels, &forms::GroupSignals::clicked, this, &UnitsMatch::switchLevel);
    showLevels.setTimerType(Qt::PreciseTimer);
    showLevels.setInterval(1);
    connect(&showLevels, &QTimer::timeout, this, &UnitsMatch::revealLevels);
}

void UnitsMatch::load()
{
    activity::prepareScreen(*this);
    setBackColor(Background);
    levels.forEach([](int, forms::OptionButton& level) { level.setBackColor(Background); });
    board.setCount(static_cast<int>(data.levelOne.size()));
    board.sizeHomes();
    board.dealAnswers();
    // The level buttons appear on the first tick, once the screen is up.
    showLevels.start();
    placing.attach();
    touches.attach();
    // Tab: the answer labels, the commands along the foot from the left, the levels.
    std::vector<QWidget*> order;
    answers.forEach([&order](int, forms::Label& answer) { order.push_back(&answer); });
    for (const int command : {NewQuestion, StartAgain, CheckScore, Exit})
        order.push_back(&commands(command));
    levels.forEach([&order](int, forms::OptionButton& level) { order.push_back(&level); });
    activity::chainTabOrder(order);
}

void UnitsMatch::setPair(int i, const UnitPair& pair)
{
    symbols(i).setCaption(pair.symbol);
    answers(i).setCaption(pair.quantity);
}

void UnitsMatch::drawLevelOne()
{
    drawOrder = pickOrder(board.count(), screens().platform().random);
    for (int i = 0; i < board.count(); ++i)
        setPair(i, data.levelOne[drawOrder[i]]);
}

void UnitsMatch::drawLevelTwo()
{
    drawOrder = pickOrder(static_cast<int>(data.unitTable.size()), screens().platform().random);
    for (int i = 0; i < board.count(); ++i)
        setPair(i, data.unitTable[drawOrder[i]]);
}

void UnitsMatch::resetBoard()
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

void UnitsMatch::revealLevels()
{
    levels(0).show();
    levels(1).show();
    // Nothing changes on later ticks: a running timer would only wake the program.
    showLevels.stop();
}

void UnitsMatch::switchLevel()
{
    const bool level1 = levels(0).value();
    commands(NewQuestion).setVisible(!level1);
    commands(CheckScore).hide();
    scoreLine.hide();
    resetBoard();
    if (level1)
        drawLevelOne();
    else
        drawLevelTwo();
}

void UnitsMatch::dragAnswer(int index, const forms::MouseArgs& args)
{
    scoreLine.hide();
    board.drag(index, args);
}

void UnitsMatch::dropAnswer(int index)
{
    if (board.drop(index))
        commands(CheckScore).show();
}

void UnitsMatch::runCommand(int command)
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
            shown.push_back(symbols(i).caption());
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

void UnitsMatch::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(commands);
}

void addScreen(forms::Screens& screens, const UnitsData& data)
{
    screens.add(data.screen, [&data](forms::Screens& s) { return std::make_unique<UnitsMatch>(s, data); });
}

} // namespace units
