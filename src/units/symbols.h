#pragma once
#include "activity/topic.h"
#include "units/unitsdata.h"

namespace units {
// symbols: quantities matched with the symbols of their units, Year 10 at
// Level 1, Year 11 too at Level 2.
const UnitsData& symbolsUnits();
activity::Topic symbolsTopic();
} // namespace units
