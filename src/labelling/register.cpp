#include "labelling/register.h"
#include "labelling/activity.h"
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
}

} // namespace labelling
