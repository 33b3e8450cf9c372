#include "labelling/topics.h"
#include "labelling/atom.h"
#include "labelling/background.h"
#include "labelling/convection.h"
#include "labelling/earsound.h"
#include "labelling/emspectrum.h"
#include "labelling/energyisland.h"
#include "labelling/energysources.h"
#include "labelling/generator.h"
#include "labelling/insulation.h"
#include "labelling/satellites.h"
#include "labelling/telescopic.h"
#include "labelling/waves.h"

namespace labelling {

const activity::Topics& topics()
{
    static const activity::Topics all{
        convectionTopic(),
        insulationTopic(),
        generatorTopic(),
        energyIslandTopic(),
        energySourcesTopic(),
        wavesTopic(),
        emSpectrumTopic(),
        soundTopic(),
        atomTopic(),
        backgroundTopic(),
        telescopicTopic(),
        satellitesTopic(),
    };
    return all;
}

} // namespace labelling
