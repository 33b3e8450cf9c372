#pragma once
// The labelling activities teachers make themselves, as "My Activities" sees
// them: ".tavlabel" files, listed, played, made and edited.

#include "activity/ownkind.h"

namespace labelling {

const activity::OwnKind& ownLabellingKind();

} // namespace labelling
