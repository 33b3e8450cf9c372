// The eight statement-quiz screens as data.
#include "statements/quizdata.h"

namespace statements {

namespace {

// A row of buttons of one size, centred on the screen.
std::vector<Choice> row(const QStringList& captions, float top, float width, float height, float gap)
{
    std::vector<Choice> choices;
    const float total = captions.size() * width + (captions.size() - 1) * gap;
    for (int k = 0; k < int(captions.size()); ++k)
        choices.push_back({captions[k], {(12000 - total) / 2 + k * (width + gap), top, width, height}});
    return choices;
}

std::vector<Choice> trueFalse() { return row({"True", "False"}, 4200, 3000, 600, 1200); }

std::vector<Choice> radiationCards()
{
    std::vector<Choice> cards = row({"Alpha", "Beta", "Gamma"}, 4200, 3000, 600, 480);
    // Red, yellow and green, like the cards the pupils hold up.
    cards[0].back = QColor(200, 30, 30), cards[0].fore = QColor(255, 255, 255);
    cards[1].back = QColor(255, 215, 0), cards[1].fore = QColor(0, 0, 0);
    cards[2].back = QColor(0, 140, 60), cards[2].fore = QColor(255, 255, 255);
    return cards;
}

std::vector<Choice> telescopeSides()
{
    std::vector<Choice> top = row({"Land-based advantage", "Space-based advantage"}, 4020, 5040, 600, 480);
    const std::vector<Choice> bottom = row({"Land-based disadvantage", "Space-based disadvantage"}, 4740, 5040, 600, 480);
    return {top[0], bottom[0], top[1], bottom[1]};
}

// In spectrum order, longest wavelength first.
std::vector<Choice> spectrum()
{
    // Soft hyphens let the long names break over two lines on the narrow buttons.
    return row({"Radio waves", "Micro\u00ADwaves", "Infrared", "Visible light", "Ultra\u00ADviolet", "X-rays", "Gamma rays"},
               4140, 1620, 840, 30);
}

std::vector<Choice> energyValues() { return row({"", "", "", ""}, 5100, 2160, 600, 360); }

} // namespace

const std::vector<QuizData>& quizzes()
{
    static const std::vector<QuizData> table{
        {"heattransfer", "Is this statement true or false?", "Statement", trueFalse(), 24, {"heattransfer.txt"}, {}},
        {"energytransfer", "Find the missing energy on this diagram.", "Diagram", energyValues(), 20.25,
         {}, {}, true, 5820},
        {"resources", "Is this statement true or false?", "Statement", trueFalse(), 24, {"resources.txt"}, {}},
        {"emradiation", "Which type of electromagnetic radiation has this use?", "Use", spectrum(), 15.75,
         {"emradiation.txt"}, {}},
        {"radiationtypes", "Which type of radiation is this statement about?", "Statement", radiationCards(), 24,
         {"radiationtypes.txt"}, {}},
        {"telescopes", "Land-based or space-based? An advantage or a disadvantage?", "Statement",
         telescopeSides(), 18, {"telescopes.txt"}, {}, false, 5460},
        {"gravitation", "Is this statement true or false?", "Statement", trueFalse(), 24,
         {"gravitation-level1.txt", "gravitation-level2.txt"}, {"Level 1", "Level 2"}},
        {"bigbang", "Is this statement true or false?", "Statement", trueFalse(), 24, {"bigbang.txt"}, {}},
    };
    return table;
}

} // namespace statements
