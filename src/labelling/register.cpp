#include "labelling/register.h"
#include "labelling/activity.h"
#include "labelling/earsound.h"
#include "labelling/tuningfork.h"
#include "labelling/generator.h"
#include "labelling/insulation.h"
#include "labelling/telescopic.h"
#include "labelling/energysources.h"
#include "labelling/emspectrum.h"
#include "labelling/waves.h"
#include "labelling/convection.h"
#include "labelling/energyisland.h"
#include "labelling/atom.h"
#include "labelling/background.h"
#include "labelling/satellites.h"
#include "forms/screens.h"

namespace labelling {

namespace {
// The table must outlive the registry: each screen keeps a reference to it.
void add(forms::Screens& screens, const ActivityData& data)
{
    screens.add(data.screen, [&data](forms::Screens& s) { return std::make_unique<LabellingActivity>(s, data); });
}

void addAll(forms::Screens& screens, const std::vector<ActivityData>& activities)
{
    for (const ActivityData& data : activities)
        add(screens, data);
}
} // namespace

void registerScreens(forms::Screens& screens)
{
    addAll(screens, telescopicActivities());
    // The fork's step and frames outlive each opening of the screen.
    screens.add(earSoundActivity().screen, [fork = std::make_shared<TuningFork>()](forms::Screens& s) {
        return std::make_unique<EarSound>(s, fork);
    });
    add(screens, generatorActivity());
    addAll(screens, insulationActivities());
    add(screens, energySourcesActivity());
    add(screens, emSpectrumActivity());
    add(screens, wavesActivity());
    add(screens, convectionActivity());
    add(screens, energyIslandActivity());
    add(screens, atomActivity());
    add(screens, backgroundActivity());
    add(screens, satellitesActivity());
}

} // namespace labelling
