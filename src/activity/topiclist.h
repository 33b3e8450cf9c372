// The menus' topics, in the order the menus list them. MENU starts the next
// menu and each line below it is that menu's next row, so moving a topic is
// moving its line. A line names the topic's kind and the function, in the
// topic's own file, that makes it. This is a list, not code: each kind's
// topics.cpp reads it, once to declare its own functions and once to number
// its topics, defining the macro of its own kind and OTHER_KIND for the rest.
// A new kind adds its macro to the defaults below.
#ifndef MENU
#define MENU
#endif
#ifndef LABELLING
#define LABELLING(make) OTHER_KIND
#endif
#ifndef STATEMENTS
#define STATEMENTS(make) OTHER_KIND
#endif
#ifndef CALCULATIONS
#define CALCULATIONS(make) OTHER_KIND
#endif
#ifndef UNITS
#define UNITS(make) OTHER_KIND
#endif

MENU
LABELLING(convectionTopic)
STATEMENTS(heatTransfer)
LABELLING(insulationTopic)
STATEMENTS(energyTransfer)
CALCULATIONS(efficiencyTopic)
CALCULATIONS(equationsTopic)

MENU
LABELLING(generatorTopic)
LABELLING(energyIslandTopic)
LABELLING(energySourcesTopic)
STATEMENTS(energyResources)
CALCULATIONS(energyTopic)

MENU
LABELLING(wavesTopic)
CALCULATIONS(waveTopic)
LABELLING(emSpectrumTopic)
STATEMENTS(emRadiation)
LABELLING(soundTopic)

MENU
LABELLING(atomTopic)
STATEMENTS(radiationTypes)
LABELLING(backgroundTopic)
UNITS(symbolsTopic)
CALCULATIONS(momentsTopic)

MENU
STATEMENTS(telescopes)
LABELLING(telescopicTopic)
STATEMENTS(gravitation)
LABELLING(satellitesTopic)
STATEMENTS(bigBang)

#undef MENU
#undef LABELLING
#undef STATEMENTS
#undef CALCULATIONS
#undef UNITS
#undef OTHER_KIND
