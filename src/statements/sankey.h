#pragma once
// Energy transfer diagrams made at run time: a device, its total input energy
// and where it goes, one value hidden for the pupils to find among four.

#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace statements {

struct Device {
    QString name;        // "filament lamp"
    QString input;       // what the input energy is: "energy transferred electrically"
    QString useful;      // "light"
    QString wasted;      // "thermal energy to the surroundings"
    int lowest, highest; // its efficiency in per cent, in steps of 5
};

// Every device the diagrams are drawn for.
const std::vector<Device>& devices();

enum class Branch { Input, Useful, Wasted };

struct SankeyQuestion {
    int device = 0;
    int input = 0, useful = 0, wasted = 0; // joules; useful + wasted = input
    Branch missing = Branch::Wasted;
    std::array<int, 4> choices{};           // joules, all different
    int answer = 0;                         // the choice that is the missing value

    int valueOf(Branch b) const { return b == Branch::Input ? input : b == Branch::Useful ? useful : wasted; }
    int efficiencyPercent() const { return useful * 100 / input; }
};

// A diagram of device `device`, its numbers and the hidden branch drawn from `random`.
SankeyQuestion makeSankey(int device, const std::function<double()>& random);

// The hidden branch worked from the other two: "wasted = 100 J − 20 J = 80 J".
QString missingWorking(const SankeyQuestion& q);
// The working shown after an answer: the hidden branch's line, then
// "efficiency = useful output energy transfer ÷ total input energy transfer"
// and "= 20 J ÷ 100 J = 0.2 (20%)".
QString efficiencyWorking(const SankeyQuestion& q);

} // namespace statements
