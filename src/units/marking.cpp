#include "units/marking.h"

#include <algorithm>

namespace units {

int symbolScore(std::span<const activity::Corner> answers, std::span<const activity::Corner> targets,
                std::span<const QString> symbols)
{
    const std::size_t items = std::min({answers.size(), targets.size(), symbols.size()});
    int score = 0;
    for (std::size_t target = 0; target < items; ++target)
        for (std::size_t answer = 0; answer < items; ++answer)
            if (answers[answer] == targets[target] && symbols[answer] == symbols[target]) {
                ++score;
                break; // this target has given its credit
            }
    return score;
}

} // namespace units
