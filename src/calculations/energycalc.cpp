#include "calculations/energycalc.h"
#include "calculations/drill.h"
#include "calculations/draw.h"

#include <QStringList>

namespace calculations {

namespace {

// An appliance used for a while: power in kW and time in hours on Level 1;
// on Level 2 power in W and time in minutes (a multiple of 3, so that the
// hours come out exact).
struct Appliance {
    const char* name; // after "A 2 kW ..." / "An 800 W ..."
    double powerLow, powerHigh, powerStep;
    double timeLow, timeHigh, timeStep;
    bool minutes;
};
const Appliance Level1Appliances[] = {
    {"electric heater", 1, 3, 1, 1, 6, 0.5, false},
    {"immersion heater", 3, 3, 1, 1, 3, 0.5, false},
    {"electric oven", 2, 3, 1, 1, 3, 0.5, false},
    {"storage heater", 2, 3, 1, 5, 8, 1, false},
    {"tumble dryer", 2, 3, 1, 1, 2, 0.5, false},
    {"fan heater", 2, 2, 1, 1, 4, 0.5, false},
};
const Appliance Level2Appliances[] = {
    {"kettle", 1800, 3000, 100, 3, 3, 3, true}, // long enough to boil a full kettle
    {"microwave oven", 800, 1200, 100, 3, 12, 3, true},
    {"hairdryer", 1200, 2200, 100, 6, 15, 3, true},
    {"electric shower", 7500, 10500, 500, 6, 15, 3, true},
    {"iron", 1000, 2400, 200, 15, 45, 3, true},
    {"vacuum cleaner", 600, 900, 100, 15, 30, 3, true}, // new ones are limited to 900 W
    {"television", 60, 200, 10, 2, 5, 0.5, false},
    {"games console", 100, 200, 10, 1, 4, 0.5, false},
};

// Level 3: an appliance's power in watts and the time it is on, in seconds,
// minutes or hours, for the energy in joules. Powers are true to life; each
// time step keeps the energy to at most three significant figures.
struct Timed {
    const char* name;
    double powerLow, powerHigh, powerStep; // W
    double timeLow, timeHigh, timeStep;
    enum Unit { Seconds, Minutes, Hours } unit;
};
const Timed TimedAppliances[] = {
    {"kettle", 2000, 3000, 200, 2, 4, 1, Timed::Minutes},
    {"microwave oven", 800, 1000, 100, 30, 120, 30, Timed::Seconds},
    {"toaster", 800, 1200, 100, 2, 4, 1, Timed::Minutes},
    {"hairdryer", 1200, 2000, 200, 3, 8, 1, Timed::Minutes},
    {"blender", 300, 600, 100, 30, 60, 10, Timed::Seconds},
    {"electric shower", 8000, 10000, 500, 5, 10, 1, Timed::Minutes},
    {"LED lamp", 6, 12, 2, 2, 6, 1, Timed::Hours},
    {"television", 60, 120, 20, 2, 4, 1, Timed::Hours},
    {"electric heater", 2000, 3000, 1000, 1, 3, 1, Timed::Hours},
    {"phone charger", 10, 20, 5, 1, 3, 1, Timed::Hours},
};

// Something that used a whole number of kWh (Level 1) or tenths (Level 2)
// within a range true to life.
struct User {
    const char* text;
    double kWhLow, kWhHigh;
};
const User Users[] = {
    {"A tumble dryer uses %1 of energy to dry a load of washing.", 2, 5},
    {"An electric heater transfers %1 of energy in one evening.", 2, 12},
    {"A washing machine uses %1 of energy in a week.", 3, 8},
    {"A fridge-freezer uses %1 of energy in a week.", 4, 7},
    {"An electric oven transfers %1 of energy cooking a meal.", 1, 3},
    {"An immersion heater transfers %1 of energy heating water.", 3, 9},
};

// "An LED lamp": an initialism takes "an" where its first letter's name starts with a vowel sound.
QString article(const QString& name)
{
    const bool initialism = name.size() > 1 && name[1].isUpper();
    return (initialism ? QStringLiteral("AEFHILMNORSX") : QStringLiteral("aeiou")).contains(name.front()) ? "An" : "A";
}
QString kilowattHours(double kWh) { return withUnit(kWh, "kWh"); }

const QString EnergyEquation = QStringLiteral("energy transferred = power \u00D7 time");
const QString CostEquation = QStringLiteral("cost = energy transferred \u00D7 price per kWh");

Question energyUsed(const Random& random, int level)
{
    const Appliance& a = level == 0 ? oneOf(random, Level1Appliances) : oneOf(random, Level2Appliances);
    const double power = stepIn(random, a.powerLow, a.powerHigh, a.powerStep);
    const double time = stepIn(random, a.timeLow, a.timeHigh, a.timeStep);
    const bool watts = level > 0;
    const double kW = watts ? roundFigures(power / 1000, 9) : power;
    const double hours = a.minutes ? roundFigures(time / 60, 9) : time;
    const QString powerText = withUnit(power, watts ? "W" : "kW");
    const QString timeText = a.minutes ? withUnit(time, "minutes") : withUnit(time, time == 1 ? "hour" : "hours");
    const Shown energy = shownResult(kW * hours);

    Question q;
    const QString name = QString::fromUtf8(a.name);
    q.text = QStringLiteral("%1 %2 has a power of %3. It is switched on for %4. How much energy does it transfer, in kWh?")
                 .arg(article(name), name, powerText, timeText);
    q.given = {{"power", power, watts ? "W" : "kW"}, {"time", time, a.minutes ? "minutes" : "h"}};
    q.answer = {{"energy", energy.value, "kWh"}};
    q.rounding = energy.rounding;
    QStringList conversions;
    if (watts)
        conversions << QStringLiteral("%1 \u00F7 1000 = %2").arg(powerText, withUnit(kW, "kW"));
    if (a.minutes)
        conversions << QStringLiteral("%1 \u00F7 60 = %2").arg(timeText, withUnit(hours, "h"));
    const QString conversion = conversions.isEmpty() ? QString() : conversions.join(QStringLiteral(";  ")) + "\n";
    q.working = {EnergyEquation,
                 conversion + QStringLiteral("energy transferred = %1 \u00D7 %2").arg(withUnit(kW, "kW"), withUnit(hours, "h")),
                 QStringLiteral("energy transferred = %1").arg(withUnit(energy.text, "kWh"))
                     + roundingNote(energy.rounding)};
    return q;
}

// The time as the question writes it, and the line that turns it into seconds.
struct TimeInSeconds {
    QString written, conversion;
    double seconds;
    QString unit; // as the question's record writes it
};
TimeInSeconds inSeconds(double time, Timed::Unit unit)
{
    if (unit == Timed::Seconds)
        return {withUnit(time, "s"), {}, time, "s"};
    const bool minutes = unit == Timed::Minutes;
    const double each = minutes ? 60 : 3600;
    const QString written = withUnit(time, minutes ? "minutes" : time == 1 ? "hour" : "hours");
    const double seconds = roundFigures(time * each, 9);
    return {written, QStringLiteral("%1 = %2 \u00D7 %3 = %4\n").arg(written, plain(time), withUnit(each, "s"), withUnit(seconds, "s")),
            seconds, minutes ? "minutes" : "h"};
}

// E = P × t in joules: the energy from the power and time, or the power from
// the energy and time.
Question joules(const Random& random)
{
    const Timed& a = oneOf(random, TimedAppliances);
    const double power = stepIn(random, a.powerLow, a.powerHigh, a.powerStep);
    const double givenTime = stepIn(random, a.timeLow, a.timeHigh, a.timeStep);
    const TimeInSeconds time = inSeconds(givenTime, a.unit);
    const double energy = roundFigures(power * time.seconds, 9);
    const QString name = QString::fromUtf8(a.name);
    const QString powerText = withUnit(power, "W");

    Question q;
    q.working[0] = EnergyEquation;
    if (pick(random, 3) == 0) { // the power
        const Shown found = shownResult(energy / time.seconds);
        q.text = QStringLiteral("%1 %2 transfers %3 of energy in %4. Calculate its power.")
                     .arg(article(name), name, withUnit(energy, "J"), time.written);
        q.given = {{"energy transferred", energy, "J"}, {"time", givenTime, time.unit}};
        q.answer = {{"power", found.value, "W"}};
        q.rounding = found.rounding;
        q.working[1] = time.conversion + QStringLiteral("%1 = power \u00D7 %2").arg(withUnit(energy, "J"), withUnit(time.seconds, "s"));
        q.working[2] = QStringLiteral("power = %1 \u00F7 %2 = %3")
                           .arg(withUnit(energy, "J"), withUnit(time.seconds, "s"), withUnit(found.text, "W"))
                       + roundingNote(found.rounding);
        return q;
    }
    const Shown found = shownResult(energy);
    q.text = QStringLiteral("%1 %2 has a power of %3. It is switched on for %4. How much energy does it transfer, in joules?")
                 .arg(article(name), name, powerText, time.written);
    q.given = {{"power", power, "W"}, {"time", givenTime, time.unit}};
    q.answer = {{"energy transferred", found.value, "J"}};
    q.rounding = found.rounding;
    q.working[1] = time.conversion + QStringLiteral("energy transferred = %1 \u00D7 %2").arg(powerText, withUnit(time.seconds, "s"));
    q.working[2] = QStringLiteral("energy transferred = %1").arg(withUnit(found.text, "J"));
    // A large energy also in the prefix a teacher would use: 450 000 J = 450 kJ.
    if (found.value >= 1e4) {
        const bool mega = found.value >= 1e6;
        const Value prefixed{"energy transferred", roundFigures(found.value / (mega ? 1e6 : 1e3), 9), mega ? "MJ" : "kJ"};
        q.answer.push_back(prefixed);
        q.working[2] += QStringLiteral(" = ") + withUnit(prefixed.number, prefixed.unit);
    }
    q.working[2] += roundingNote(found.rounding);
    return q;
}

Question cost(const Random& random, int level)
{
    const User& user = oneOf(random, Users);
    const double kWh = stepIn(random, user.kWhLow, user.kWhHigh, level == 0 ? 1 : 0.1);
    // Prices as UK tariffs are today: 20p to 35p per kWh.
    const double price = level == 0 ? stepIn(random, 20, 35, 5) : stepIn(random, 24.5, 34.5, 0.5);
    // Tenths of a kWh times half pennies: the pence are exact to a thousandth.
    const double pence = roundFigures(kWh * price, 9);

    Question q;
    q.text = QString::fromUtf8(user.text).arg(kilowattHours(kWh)) + QStringLiteral(" Electricity costs %1 per kWh. ").arg(withUnit(price, "p"));
    q.given = {{"energy", kWh, "kWh"}, {"price", price, "p"}};
    q.working[0] = CostEquation;
    q.working[1] = QStringLiteral("cost = %1 \u00D7 %2 per kWh").arg(kilowattHours(kWh), withUnit(price, "p"));
    if (level == 0) {
        q.text += QStringLiteral("How much does this energy cost?");
        q.answer = {{"cost", pence, "p"}};
        q.working[2] = QStringLiteral("cost = %1").arg(withUnit(pence, "p"));
        if (pence >= 100) {
            q.answer.push_back({"cost", pence / 100, "\u00A3"});
            q.working[2] += QStringLiteral(" = %1").arg(withUnit(QString::number(pence / 100, 'f', 2), "\u00A3"));
        }
        return q;
    }
    // Half pennies and up go up, as the bill rounds them.
    const double pounds = std::floor(pence + 0.5 + 1e-9) / 100;
    q.text += QStringLiteral("How much does this energy cost, in pounds?");
    q.answer = {{"cost", pence, "p"}, {"cost", pounds, "\u00A3"}};
    q.rounding = std::fabs(pence - std::round(pence)) < 1e-9 ? Rounding{} : Rounding{Rounding::Pennies, 0};
    q.working[1] += QStringLiteral(" = %1").arg(withUnit(pence, "p"));
    q.working[2] = QStringLiteral("cost = %1 \u00F7 100 = %2").arg(withUnit(pence, "p"), withUnit(QString::number(pounds, 'f', 2), "\u00A3"))
                   + roundingNote(q.rounding);
    return q;
}

} // namespace

Question energyQuestion(const Random& random, int level)
{
    if (level >= 2)
        return joules(random);
    return pick(random, 2) == 0 ? energyUsed(random, level) : cost(random, level);
}

activity::Topic energyTopic()
{
    static const DrillData drill{.screen = "energycalc", .title = "Energy Calculations", .generate = energyQuestion,
                                 .levels = {"Level 1", "Level 2", "Level 3"}};
    return drillTopic({
                       .guide = {"Pupils calculate the energy used by different electrical appliances, what it costs, or "
                                 "their power. Level 1 offers questions with numbers that are easier to manipulate; Level 3 works "
                                 "in joules, with the time in seconds.",
                                 "Give the pupils A4 whiteboards, washable pens and erasers. Ask them to write their answer on "
                                 "their board and show the teacher; answers should give the units, kilowatt-hours, joules, "
                                 "watts, pence or pounds, as well as the number."}},
                      drill);
}

} // namespace calculations
