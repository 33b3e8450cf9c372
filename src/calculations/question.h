#pragma once
// A calculation question as the drill shows it: the situation with its
// numbers, a small diagram where one helps, the three lines of working and the
// answer. Generators make questions from the one random source, so every
// question can be checked without a screen.

#include <QString>
#include <array>
#include <functional>
#include <variant>
#include <vector>

namespace calculations {

// Uniform in [0, 1): the program's random source.
using Random = std::function<double()>;

// A number as the question or the working shows it, after its rounding.
struct Value {
    QString role;   // what it stands for: "force", "input", "cw distance 2" ...
    double number;  // the value as written
    QString unit;   // the unit as written: "N", "kJ", "MHz", "p", "%"
};

// How the answer was rounded from the exact result of the numbers shown.
struct Rounding {
    enum Kind { Exact, Figures, Pennies } kind = Exact;
    int figures = 0; // significant figures, for Figures
};

// A beam turning about a pivot: a see-saw, spanner, door, pedal crank,
// wheelbarrow or crane jib, with the forces on it at their distances from the pivot.
struct BeamForce {
    double metres;   // along the beam from the pivot; negative to its left
    bool up;         // pushes up; otherwise down
    QString force;   // "450 N", or "?" for the unknown
    QString distance;
    QString name;    // what pushes, for those who cannot see it: "load", "Amir"
};
struct Beam {
    enum Pivot { Triangle, Nut, Axle, Hinge, Wheel, Tower } pivot = Triangle;
    std::vector<BeamForce> forces;
    QString name;    // "Wheelbarrow"
    QString pivotAt; // what turns about the pivot: "the wheel"
};
// A wave with one wavelength marked: between two crests of a transverse wave,
// between two compressions of a longitudinal one (sound).
struct Wave {
    QString wavelength; // "0.85 m", or "?"
    bool longitudinal = false;
};
// An energy transfer diagram: the input splits into the useful output and
// the energy wasted, the arrows as wide as the energy they carry.
struct Transfer {
    QString input;   // "1200 J", or "?"
    QString useful;
    double efficiency; // the useful share, 0 to 1, for the widths
};
using Diagram = std::variant<std::monostate, Beam, Wave, Transfer>;

struct Question {
    QString text;                  // the situation and what to find
    std::vector<Value> given;      // the numbers of `text`, in the order written
    std::vector<Value> answer;     // the result, as the last line writes it (several forms, e.g. 0.75 = 75%)
    Rounding rounding;
    std::array<QString, 3> working; // equation in words; numbers substituted; result
    Diagram diagram;
};

// A topic's questions: level 0 where it has no levels.
using Generator = std::function<Question(const Random&, int level)>;

} // namespace calculations
