#include "calculations/efficiency.h"
#include "calculations/drill.h"
#include "calculations/draw.h"

namespace calculations {

namespace {

// A force moving something along its line of action: %1 is the force, %2 the distance.
struct Task {
    const char* text;
    double forceLow, forceHigh, forceStep;
    double distanceLow, distanceHigh, distanceStep;
};
const Task Tasks[] = {
    {"A shopper pushes a trolley with a steady force of %1 for %2 along a level floor. How much work does the shopper do?",
     20, 60, 5, 5, 40, 5},
    {"A crane lifts a load weighing %1 through a height of %2. How much work does the crane do on the load?",
     2000, 9000, 500, 5, 30, 1},
    {"A removal worker lifts a box weighing %1 onto a shelf %2 above the floor. How much work is done on the box?",
     80, 250, 10, 1.2, 2.0, 0.1},
    {"A child pulls a sledge with a force of %1 along the rope. The sledge moves %2 in the direction of the rope. "
     "How much work does the child do?",
     20, 80, 5, 10, 60, 5},
    {"A lift motor raises a lift weighing %1 through a height of %2. How much work does the motor do on the lift?",
     5000, 12000, 500, 3, 30, 3},
    {"A weightlifter lifts a barbell weighing %1 through a height of %2. How much work does the weightlifter do?",
     500, 1500, 100, 1.6, 2.0, 0.1},
};

// A device, the energy supplied to it and its efficiency in whole percent.
// Input steps and percent steps are chosen so that the useful output is exact.
struct Device {
    const char* name;   // at the start of a sentence
    const char* useful; // how the useful output goes, after "transfers ... "
    const char* unit;
    double inputLow, inputHigh, inputStep;
    int percentLow, percentHigh, percentStep;
};
const Device Devices[] = {
    {"A filament lamp", "usefully by light", "J", 100, 200, 100, 5, 10, 1},
    {"An LED lamp", "usefully by light", "J", 20, 100, 20, 30, 50, 5},
    {"An electric motor", "usefully to lift a load", "J", 200, 2000, 100, 60, 85, 1},
    {"An electric kettle", "usefully to the thermal energy store of the water", "kJ", 100, 400, 20, 80, 95, 5},
    {"A car engine", "usefully to the kinetic energy store of the car", "kJ", 100, 500, 100, 20, 35, 1},
    {"A coal-fired power station", "usefully by an electric current", "MJ", 100, 900, 100, 30, 40, 1},
    {"A solar panel", "usefully by an electric current", "J", 200, 1000, 100, 15, 22, 1},
    {"A wind turbine", "usefully by an electric current", "kJ", 100, 900, 100, 35, 45, 1},
};

const QString Efficiency = QStringLiteral("efficiency");
const QString Useful = QStringLiteral("useful output energy transfer");
const QString Total = QStringLiteral("total input energy transfer");
const QString Equation = Efficiency + QStringLiteral(" = ") + Useful + QStringLiteral(" \u00F7 ") + Total;
// The equation rearranged for the useful output and for the total input,
// written before the numbers go in.
const QString ForUseful = Useful + QStringLiteral(" = ") + Efficiency + QStringLiteral(" \u00D7 ") + Total;
const QString ForTotal = Total + QStringLiteral(" = ") + Useful + QStringLiteral(" \u00F7 ") + Efficiency;

Question workDone(const Random& random)
{
    const Task& task = oneOf(random, Tasks);
    const double force = stepIn(random, task.forceLow, task.forceHigh, task.forceStep);
    const double distance = stepIn(random, task.distanceLow, task.distanceHigh, task.distanceStep);
    const Shown work = shownResult(force * distance);
    Question q;
    q.text = QString::fromUtf8(task.text).arg(withUnit(force, "N"), withUnit(distance, "m"));
    q.given = {{"force", force, "N"}, {"distance", distance, "m"}};
    q.answer = {{"work done", work.value, "J"}};
    q.rounding = work.rounding;
    q.working = {QStringLiteral("work done = force \u00D7 distance (along the line of action of the force)"),
                 QStringLiteral("work done = %1 \u00D7 %2").arg(withUnit(force, "N"), withUnit(distance, "m")),
                 QStringLiteral("work done = %1").arg(withUnit(work.text, "J")) + roundingNote(work.rounding)};
    return q;
}

Question deviceQuestion(const Random& random)
{
    const Device& device = oneOf(random, Devices);
    const QString unit = QString::fromUtf8(device.unit);
    const double input = stepIn(random, device.inputLow, device.inputHigh, device.inputStep);
    const int percent = int(stepIn(random, device.percentLow, device.percentHigh, device.percentStep));
    const double output = roundFigures(input * percent / 100.0, 9);
    const double decimal = percent / 100.0;
    const QString name = QString::fromUtf8(device.name);
    const QString useful = QString::fromUtf8(device.useful);
    const QString decimalText = plain(decimal); // 0.3, not 0.30
    const QString conversion = QStringLiteral("\n%1% = %2").arg(percent).arg(decimalText);

    Question q;
    const int find = pick(random, 3);
    q.diagram = Transfer{find == 2 ? QStringLiteral("?") : withUnit(input, unit), find == 1 ? QStringLiteral("?") : withUnit(output, unit),
                         decimal};
    switch (find) {
    case 0: { // the efficiency, as a decimal and as a percentage
        const Shown e = shownResult(output / input);
        q.text = QStringLiteral("%1 is supplied with %2 of energy. It transfers %3 %4. "
                                "Calculate its efficiency as a decimal and as a percentage.")
                     .arg(name, withUnit(input, unit), withUnit(output, unit), useful);
        q.given = {{"input", input, unit}, {"output", output, unit}};
        const double shownPercent = roundFigures(e.value * 100, 9);
        q.answer = {{"efficiency", e.value, ""}, {"efficiency", shownPercent, "%"}};
        q.rounding = e.rounding;
        q.working = {Equation, QStringLiteral("efficiency = %1 \u00F7 %2").arg(withUnit(output, unit), withUnit(input, unit)),
                     QStringLiteral("efficiency = %1 = %2%").arg(e.text, plain(shownPercent))
                         + roundingNote(e.rounding)};
        break;
    }
    case 1: { // the useful output
        const Shown out = shownResult(decimal * input);
        q.text = QStringLiteral("%1 is supplied with %2 of energy. Its efficiency is %3%. "
                                "How much energy does it transfer %4?")
                     .arg(name, withUnit(input, unit)).arg(percent).arg(useful);
        q.given = {{"input", input, unit}, {"efficiency", double(percent), "%"}};
        q.answer = {{"output", out.value, unit}};
        q.rounding = out.rounding;
        // The rearranged equation takes the working's room: the numbers go in
        // on the result's line.
        q.working = {Equation, ForUseful + conversion,
                     QStringLiteral("%1 = %2 \u00D7 %3 = %4")
                             .arg(Useful, decimalText, withUnit(input, unit), withUnit(out.text, unit))
                         + roundingNote(out.rounding)};
        break;
    }
    default: { // the total input
        const Shown in = shownResult(output / decimal);
        q.text = QStringLiteral("%1 transfers %2 %3. Its efficiency is %4%. "
                                "How much energy is supplied to it?")
                     .arg(name, withUnit(output, unit), useful).arg(percent);
        q.given = {{"output", output, unit}, {"efficiency", double(percent), "%"}};
        q.answer = {{"input", in.value, unit}};
        q.rounding = in.rounding;
        q.working = {Equation, ForTotal + conversion,
                     QStringLiteral("%1 = %2 \u00F7 %3 = %4")
                             .arg(Total, withUnit(output, unit), decimalText, withUnit(in.text, unit))
                         + roundingNote(in.rounding)};
        break;
    }
    }
    return q;
}

} // namespace

Question efficiencyQuestion(const Random& random, int)
{
    // Work done as often as each of the three efficiency questions.
    return pick(random, 4) == 0 ? workDone(random) : deviceQuestion(random);
}

activity::Topic efficiencyTopic()
{
    static const DrillData drill{.screen = "efficiency", .title = "Efficiency Calculations", .generate = efficiencyQuestion, .levels = {}};
    return drillTopic({
                       .guide = {"Pupils calculate the work done, the efficiency, or the useful output or total input "
                                 "energy transfer. Clicking the answer button shows how the answer is worked out.",
                                 "Give pupils A4 whiteboards, washable pens and erasers. Ask them to write their answer on their "
                                 "board and hold it up together, so the teacher gets instant feedback and can see at a glance "
                                 "who needs help."}},
                      drill);
}

} // namespace calculations
