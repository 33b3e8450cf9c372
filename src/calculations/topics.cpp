// Each topic lives in its generator's own file.
#include "calculations/topics.h"
#include "calculations/efficiency.h"
#include "calculations/energycalc.h"
#include "calculations/moments.h"
#include "calculations/wavespeed.h"

namespace calculations {

const activity::Topics& topics()
{
    static const activity::Topics list{
        efficiencyTopic(),
        energyTopic(),
        waveTopic(),
        momentsTopic(),
    };
    return list;
}

} // namespace calculations
