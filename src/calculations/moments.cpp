#include "calculations/moments.h"
#include "calculations/drill.h"
#include "calculations/draw.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

namespace calculations {

namespace {

const QString NewtonMetres = QStringLiteral("N\u00A0m");
const QString Unknown = QStringLiteral("?");

QString newtons(double value) { return withUnit(value, "N"); }
QString metres(double value) { return withUnit(value, "m"); }

// ---- One force turning something about a pivot ---------------------------

enum Find { Moment, Force, Distance };

// Texts for finding the moment, the force and the distance; %1 and %2 are the
// two givens in the order the text names them (see `order`).
struct Turner {
    Beam::Pivot pivot;
    const char* name;    // the diagram's name for a listener: "Spanner"
    const char* pivotAt; // "the centre of the nut"
    const char* force;   // "pull"
    double forceLow, forceHigh, forceStep;
    double distanceLow, distanceHigh, distanceStep;
    const char* texts[3];
    Find order[3][2]; // the givens of each text, in order
};
const Turner Turners[] = {
    {Beam::Nut, "Spanner", "the centre of the nut", "pull", 20, 150, 10, 0.15, 0.4, 0.05,
     {"A mechanic pulls on a spanner with a force of %1 at right angles to the spanner, %2 from the centre of the nut. "
      "Calculate the moment of the force about the nut.",
      "A nut needs a moment of %1 to loosen it. A mechanic pulls at right angles to a spanner, %2 from the centre of the nut. "
      "What is the smallest force that will loosen the nut?",
      "A mechanic pulls at right angles to a spanner with a force of %1. The nut needs a moment of %2 to loosen it. "
      "How far from the centre of the nut must the mechanic pull?"},
     {{Force, Distance}, {Moment, Distance}, {Force, Moment}}},
    {Beam::Hinge, "Door", "the hinges", "push", 5, 40, 5, 0.5, 0.8, 0.05,
     {"A pupil pushes on a door at right angles with a force of %1, %2 from the hinges. "
      "Calculate the moment of the force about the hinges.",
      "A door needs a moment of %1 about its hinges to open it. A pupil pushes at right angles to the door, %2 from the hinges. "
      "What is the smallest force needed?",
      "A pupil pushes at right angles to a door with a force of %1. The moment about the hinges is %2. "
      "How far from the hinges does the pupil push?"},
     {{Force, Distance}, {Moment, Distance}, {Force, Moment}}},
};

const char* const PedalText = "A cyclist pushes straight down with a force of %1 on a pedal. The crank is level and %2 long. "
                              "Calculate the moment of the force about the axle.";

Question turning(const Random& random)
{
    const bool pedal = pick(random, 3) == 0;
    const Turner& t = Turners[pick(random, int(std::size(Turners)))];
    const double force = pedal ? stepIn(random, 100, 500, 50) : stepIn(random, t.forceLow, t.forceHigh, t.forceStep);
    const double distance = pedal ? stepIn(random, 0.165, 0.175, 0.005)
                                  : stepIn(random, t.distanceLow, t.distanceHigh, t.distanceStep);
    const double moment = roundFigures(force * distance, 9);
    const Find find = pedal ? Moment : Find(pick(random, 3));
    const Find* order = pedal ? t.order[Moment] : t.order[find];

    const double values[3] = {moment, force, distance};
    const QString units[3] = {NewtonMetres, "N", "m"};
    const QString roles[3] = {"moment", "force", "distance"};
    const auto text = [&](Find f) { return withUnit(values[f], units[f]); };

    Question q;
    q.text = QString::fromUtf8(pedal ? PedalText : t.texts[find]).arg(text(order[0]), text(order[1]));
    q.given = {{roles[order[0]], values[order[0]], units[order[0]]}, {roles[order[1]], values[order[1]], units[order[1]]}};
    const Shown result = shownResult(find == Moment ? force * distance : find == Force ? moment / distance : moment / force);
    q.answer = {{roles[find], result.value, units[find]}};
    q.rounding = result.rounding;
    q.working[0] = QStringLiteral("moment of a force = force \u00D7 distance (normal to direction of force)");
    switch (find) {
    case Moment:
        q.working[1] = QStringLiteral("moment = %1 \u00D7 %2").arg(text(Force), text(Distance));
        break;
    case Force:
        q.working[1] = QStringLiteral("%1 = force \u00D7 %2").arg(text(Moment), text(Distance));
        break;
    case Distance:
        q.working[1] = QStringLiteral("%1 = %2 \u00D7 distance").arg(text(Moment), text(Force));
        break;
    }
    const QString answer = withUnit(result.text, units[find]) + roundingNote(result.rounding);
    q.working[2] = find == Moment ? QStringLiteral("moment = ") + answer
                 : find == Force  ? QStringLiteral("force = %1 \u00F7 %2 = ").arg(text(Moment), text(Distance)) + answer
                                  : QStringLiteral("distance = %1 \u00F7 %2 = ").arg(text(Moment), text(Force)) + answer;
    q.diagram = Beam{pedal ? Beam::Axle : t.pivot,
                     {{distance, false, find == Force ? Unknown : text(Force), find == Distance ? Unknown : text(Distance),
                       QString::fromUtf8(pedal ? "push" : t.force)}},
                     QString::fromUtf8(pedal ? "Pedal crank" : t.name), QString::fromUtf8(pedal ? "the axle" : t.pivotAt)};
    return q;
}

// ---- Balance: total clockwise moment = total anticlockwise moment ----------

// A force on a balanced beam; the unknown is a force or a distance of one of them.
struct Push {
    double newtons, metres; // metres from the pivot, negative to its left
    bool up = false;
    QString name = {};      // who or what pushes: "Amir", "load"
    bool clockwise() const { return (metres > 0) != up; }
};

enum class Missing { Force, Distance };

// Writes the working for the balance of `pushes`, where push `unknown` lacks
// its force or its distance, called `name` ("W", "F", "d"), and fills the
// diagram and the answer.
void balance(Question& q, const std::vector<Push>& pushes, int unknown, Missing missing, const QString& name)
{
    const auto term = [&](int i) {
        const Push& p = pushes[std::size_t(i)];
        const QString f = i == unknown && missing == Missing::Force ? name : newtons(p.newtons);
        const QString d = i == unknown && missing == Missing::Distance ? name : metres(std::fabs(p.metres));
        return f + QStringLiteral(" \u00D7 ") + d;
    };
    QStringList clockwise, anticlockwise;
    double known = 0, other = 0; // moments: the known total on the far side, the known part on the unknown's side
    const bool unknownClockwise = pushes[std::size_t(unknown)].clockwise();
    for (int i = 0; i < int(pushes.size()); ++i) {
        const Push& p = pushes[std::size_t(i)];
        (p.clockwise() ? clockwise : anticlockwise) << term(i);
        if (i == unknown)
            continue;
        (p.clockwise() == unknownClockwise ? other : known) += p.newtons * std::fabs(p.metres);
    }
    const Push& u = pushes[std::size_t(unknown)];
    const double remaining = roundFigures(known - other, 9);
    const double by = missing == Missing::Force ? std::fabs(u.metres) : u.newtons;
    const Shown result = shownResult(remaining / by);
    const QString unit = missing == Missing::Force ? QStringLiteral("N") : QStringLiteral("m");

    q.answer = {{missing == Missing::Force ? "force" : "distance", result.value, unit}};
    q.rounding = result.rounding;
    q.working[0] = QStringLiteral("total clockwise moment = total anticlockwise moment");
    q.working[1] = clockwise.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + anticlockwise.join(QStringLiteral(" + "));
    const QString moments = other == 0 ? withUnit(remaining, NewtonMetres)
                                       : withUnit(QStringLiteral("(%1 \u2212 %2)").arg(plain(roundFigures(known, 9)), plain(roundFigures(other, 9))), NewtonMetres);
    q.working[2] = QStringLiteral("%1 = %2 \u00F7 %3 = %4").arg(name, moments, missing == Missing::Force ? metres(by) : newtons(by),
                                                              withUnit(result.text, unit))
                   + roundingNote(result.rounding);

    Beam beam;
    beam.pivot = Beam::Triangle;
    beam.name = QStringLiteral("See-saw");
    beam.pivotAt = QStringLiteral("the middle");
    for (int i = 0; i < int(pushes.size()); ++i) {
        const Push& p = pushes[std::size_t(i)];
        const bool noForce = i == unknown && missing == Missing::Force;
        const bool noDistance = i == unknown && missing == Missing::Distance;
        beam.forces.push_back({p.metres, p.up, noForce ? Unknown : newtons(p.newtons), noDistance ? Unknown : metres(std::fabs(p.metres)),
                               p.name});
    }
    q.diagram = beam;
}

// The balanced beam's own pivot and names, in place of the see-saw's.
void nameBeam(Question& q, Beam::Pivot pivot, const char* what, const char* pivotAt)
{
    Beam& beam = std::get<Beam>(q.diagram);
    beam.pivot = pivot;
    beam.name = QString::fromUtf8(what);
    beam.pivotAt = QString::fromUtf8(pivotAt);
}

const char* const Names[] = {"Amir", "Bella", "Chloe", "Dev", "Ella", "Femi", "Grace", "Harry", "Isla", "Jack", "Kiran", "Leah"};

// Three different names.
std::array<QString, 3> people(const Random& random)
{
    std::vector<const char*> left(std::begin(Names), std::end(Names));
    std::array<QString, 3> chosen;
    for (QString& name : chosen) {
        const auto at = left.begin() + pick(random, int(left.size()));
        name = QString::fromUtf8(*at);
        left.erase(at);
    }
    return chosen;
}

// The weight (from 300 N to 600 N) and distance (0.5 m to 2.5 m) of someone
// on the right who balances `moment`, exactly; the search starts at a drawn
// weight so that any of them may come.
std::optional<std::pair<double, double>> balancingSeat(const Random& random, double moment)
{
    const int start = pick(random, 7);
    for (int k = 0; k < 7; ++k) {
        const double weight = 300 + 50 * ((start + k) % 7);
        const double distance = roundFigures(moment / weight, 9);
        if (distance >= 0.5 && distance <= 2.5 && fitsFigures(distance, 3))
            return std::pair{weight, distance};
    }
    return std::nullopt;
}

// Two people who balance, of different weights: the left one's distance
// (1 m to 2.5 m) and the right one's weight are searched from drawn starts
// for a right-hand distance that is exact.
struct Pair {
    double leftDistance, rightWeight, rightDistance;
};
Pair balancedPair(const Random& random, double w1)
{
    const int startDistance = pick(random, 7), startWeight = pick(random, 7);
    for (int k = 0; k < 49; ++k) {
        const double d1 = 1 + 0.25 * ((startDistance + k / 7) % 7);
        const double w3 = 300 + 50 * ((startWeight + k) % 7);
        const double d3 = roundFigures(w1 * d1 / w3, 9);
        if (w3 != w1 && d3 >= 0.5 && d3 <= 2.5 && fitsFigures(d3, 3))
            return {d1, w3, d3};
    }
    return {1.5, w1, 1.5};
}

Question seeSaw(const Random& random)
{
    const auto [a, b, c] = people(random);
    const double w1 = stepIn(random, 250, 550, 50);
    double d1 = stepIn(random, 1, 2.5, 0.25);
    // A second person on the left sits nearer the pivot than the first, never on the same spot.
    const double w2 = stepIn(random, 250, 550, 50), d2 = stepIn(random, 0.5, d1 - 0.25, 0.25);
    bool three = pick(random, 2) == 0;
    const auto seat = three ? balancingSeat(random, roundFigures(w1 * d1 + w2 * d2, 9)) : std::nullopt;
    three = seat.has_value(); // when no one on the right balances three exactly, two people
    double w3 = 0, d3 = 0;
    if (three)
        std::tie(w3, d3) = *seat;
    else {
        const Pair pair = balancedPair(random, w1);
        d1 = pair.leftDistance, w3 = pair.rightWeight, d3 = pair.rightDistance;
    }
    const bool findDistance = pick(random, 2) == 0;
    const QString right = three ? c : b;

    Question q;
    std::vector<Push> pushes{{w1, -d1, false, a}};
    q.given = {{"acw force", w1, "N"}, {"acw distance", d1, "m"}};
    if (three) {
        pushes.push_back({w2, -d2, false, b});
        q.given.insert(q.given.end(), {{"acw force", w2, "N"}, {"acw distance", d2, "m"}});
        q.text = QStringLiteral("A see-saw balances. %1 (weight %2) sits %3 left of the pivot and %4 (weight %5) %6 left of it. ")
                     .arg(a, newtons(w1), metres(d1), b, newtons(w2), metres(d2));
    } else {
        q.text = QStringLiteral("A see-saw balances. %1 (weight %2) sits %3 left of the pivot. ").arg(a, newtons(w1), metres(d1));
    }
    pushes.push_back({w3, d3, false, right});
    if (findDistance) {
        q.text += QStringLiteral("%1 (weight %2) sits on the right. How far from the pivot is %1?").arg(right, newtons(w3));
        q.given.push_back({"cw force", w3, "N"});
    } else {
        q.text += QStringLiteral("%1 sits %2 right of the pivot. What is %1's weight?").arg(right, metres(d3));
        q.given.push_back({"cw distance", d3, "m"});
    }
    balance(q, pushes, int(pushes.size()) - 1, findDistance ? Missing::Distance : Missing::Force, findDistance ? "d" : "W");
    return q;
}

Question wheelbarrow(const Random& random)
{
    const double load = stepIn(random, 300, 800, 50);
    const double at = stepIn(random, 0.3, 0.6, 0.1);
    const double handles = stepIn(random, 1.2, 1.5, 0.1);
    Question q;
    q.text = QStringLiteral("A loaded wheelbarrow's weight of %1 acts %2 from the axle of its wheel. "
                            "A gardener holds it still by the handles, %3 from the axle. "
                            "What upward force does the gardener apply?")
                 .arg(newtons(load), metres(at), metres(handles));
    q.given = {{"cw force", load, "N"}, {"cw distance", at, "m"}, {"acw distance", handles, "m"}};
    balance(q, {{load, at, false, "load"}, {0, handles, true, "effort"}}, 1, Missing::Force, "F");
    nameBeam(q, Beam::Wheel, "Wheelbarrow", "the wheel");
    return q;
}

Question crane(const Random& random)
{
    double counterweight = stepIn(random, 100000, 200000, 10000);
    double back = stepIn(random, 5, 10, 1);
    // The load whose place on the jib, 15 m to 60 m out, balances exactly.
    double load = 0, reach = 0;
    const int start = pick(random, 16);
    for (int k = 0; k < 16 && reach == 0; ++k) {
        const double l = 10000 + 2000 * ((start + k) % 16);
        const double out = roundFigures(counterweight * back / l, 9);
        if (out >= 15 && out <= 60 && fitsFigures(out, 3))
            load = l, reach = out;
    }
    if (reach == 0) // no load fits: a crane known to balance
        counterweight = 100000, back = 8, load = 20000, reach = 40;
    const std::vector<Push> pushes{{counterweight, -back, false, "counterweight"}, {load, reach, false, "load"}};
    Question q;
    if (pick(random, 2) == 0) {
        q.text = QStringLiteral("A tower crane lifts a load of %1, %2 from the tower. Its counterweight sits on the other side, "
                                "%3 from the tower. What counterweight balances the crane?")
                     .arg(newtons(load), metres(reach), metres(back));
        q.given = {{"cw force", load, "N"}, {"cw distance", reach, "m"}, {"acw distance", back, "m"}};
        balance(q, pushes, 0, Missing::Force, "W");
    } else {
        q.text = QStringLiteral("A tower crane has a counterweight of %1, %2 from the tower. It lifts a load of %3 on the "
                                "other side. How far from the tower must the load hang for the crane to balance?")
                     .arg(newtons(counterweight), metres(back), newtons(load));
        q.given = {{"acw force", counterweight, "N"}, {"acw distance", back, "m"}, {"cw force", load, "N"}};
        balance(q, pushes, 1, Missing::Distance, "d");
    }
    nameBeam(q, Beam::Tower, "Tower crane", "the tower");
    return q;
}

} // namespace

Question momentsQuestion(const Random& random, int)
{
    switch (pick(random, 6)) {
    case 0:
    case 1:
        return turning(random);
    case 2:
    case 3:
        return seeSaw(random);
    case 4:
        return wheelbarrow(random);
    default:
        return crane(random);
    }
}

activity::Topic momentsTopic()
{
    static const DrillData drill{.screen = "moments", .title = "Calculating Moments", .generate = momentsQuestion, .levels = {}};
    return drillTopic({
                       .guide = {"Pupils calculate the moment, distance or force for different systems. When the answer button is "
                                 "clicked, the program shows how to do the calculation.",
                                 "Give the pupils A4 whiteboards, washable pens and erasers. Ask the pupils to write their answer "
                                 "on their board and show the teacher.  If they are unsure they could refer to their books or wait "
                                 "until other pupils have written their responses - as it is not a test. This provides the "
                                 "teacher with instant feedback."}},
                      drill);
}

} // namespace calculations
