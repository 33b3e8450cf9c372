#include "statements/quizdata.h"

namespace statements {

std::vector<Choice> choiceRow(const QStringList& captions, float top, float width, float height, float gap)
{
    std::vector<Choice> choices;
    const float total = captions.size() * width + (captions.size() - 1) * gap;
    for (int k = 0; k < int(captions.size()); ++k)
        choices.push_back({captions[k], {(12000 - total) / 2 + k * (width + gap), top, width, height}});
    return choices;
}

std::vector<Choice> trueFalse() { return choiceRow({"True", "False"}, 4200, 3000, 600, 1200); }

} // namespace statements
