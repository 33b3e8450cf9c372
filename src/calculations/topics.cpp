// The four calculation topics: each is its screen, its instruction, its
// generator and its levels.
#include "calculations/drill.h"
#include "calculations/efficiency.h"
#include "calculations/energycalc.h"
#include "calculations/moments.h"
#include "calculations/wavespeed.h"

namespace calculations {

const std::vector<DrillData>& drills()
{
    static const QString Instruction = QStringLiteral("Work it out on your whiteboard, then click Answer.");
    static const std::vector<DrillData> table{
        {"efficiency", Instruction, efficiencyQuestion, {}},
        {"energycalc", Instruction, energyQuestion, {"Level 1", "Level 2"}},
        {"wavespeed", Instruction, waveQuestion, {}},
        {"moments", Instruction, momentsQuestion, {}},
    };
    return table;
}

} // namespace calculations
