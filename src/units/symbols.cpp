// Units and their Symbols: eight quantity names to drag under the symbols of
// their units.
#include "units/symbols.h"
#include "units/unitsmatch.h"

namespace units {

const UnitsData& symbolsUnits()
{
    static const UnitsData data{
        .screen = "symbols",
        .title = "Units and their Symbols",
        .instruction = "Match the variables with the symbols for their units.",
        .levelOne = {{"Energy", "J"},
                     {"Power", "W"},
                     {"Energy (in kilowatt-hours)", "kWh"},
                     {"Time", "s"},
                     {"Wave Speed", "m/s"},
                     {"Frequency", "Hz"},
                     {"Wavelength", "m"},
                     {"Mass", "kg"}},
        // Every quantity the activity knows, with the symbol of its unit. "J",
        // "m/s" and "N" each belong to two quantities.
        .unitTable = {{"Energy", "J"},
                      {"Power", "W"},
                      {"Energy (in kilowatt-hours)", "kWh"},
                      {"Time", "s"},
                      {"Speed", "m/s"},
                      {"Frequency", "Hz"},
                      {"Wavelength", "m"},
                      {"Acceleration", "m/s\u00B2"},
                      {"Velocity", "m/s"},
                      {"Weight", "N"},
                      {"Force", "N"},
                      {"Mass", "kg"},
                      {"Gravitational Field Strength", "N/kg"},
                      {"Work Done", "J"},
                      {"Momentum", "kg\u00A0m/s"},
                      {"Potential Difference", "V"},
                      {"Current", "A"},
                      {"Resistance", "\u03A9"},
                      {"Charge", "C"}},
    };
    return data;
}

activity::Topic symbolsTopic()
{
    return {.title = symbolsUnits().title, .screens = {symbolsUnits().screen},
            .atRandom = false,
            .guide = {"Drag and drop to match units with their symbols. When all the labels are in position, the "
                      "scores can be checked.",
                      "Level 1 includes units that are used in Year 10, Level 2 also includes units that are used in "
                      "Year 11.",
                      "Different pieces of equipment that are used to measure each type of unit could be shown to the "
                      "pupils."},
            .pictures = {}, .addScreens = [](forms::Screens& screens) { addScreen(screens, symbolsUnits()); }};
}

} // namespace units
