#include "labelling/register.h"
#include "labelling/activity.h"
#include "labelling/earsound.h"
#include "labelling/tuningfork.h"
#include "labelling/telescopic.h"
#include "forms/screens.h"

namespace labelling {

namespace {
void addAll(forms::Screens& screens, const std::vector<ActivityData>& activities)
{
    for (const ActivityData& data : activities)
        screens.add(data.screen, [&data](forms::Screens& s) { return std::make_unique<LabellingActivity>(s, data); });
}
} // namespace

void registerScreens(forms::Screens& screens)
{
    addAll(screens, telescopicActivities());
    // The fork's step and frames outlive each opening of the screen.
    screens.add(QStringLiteral("earsound"), [fork = std::make_shared<TuningFork>()](forms::Screens& s) {
        return std::make_unique<EarSound>(s, fork);
    });
}

} // namespace labelling
