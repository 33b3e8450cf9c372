#pragma once
// Every equation a GCSE physics pupil recalls or is given on the equation
// sheet, in the sheet's words and symbols, with each quantity's unit. Each
// equation is held in one form, "subject = coefficient × the others, each to
// its power" (a divisor's power is negative), from which every rearrangement
// is made; the one equation of another shape, (final velocity)² −
// (initial velocity)² = 2 × acceleration × distance, is marked as such.

#include <QString>
#include <functional>
#include <vector>

namespace calculations {

enum class Area { Energy, Electricity, ParticleModel, Forces, Waves, Magnetism };
// "Energy", "Particle model" ...
QString areaName(Area area);

struct Quantity {
    QString name;     // "kinetic energy", as the sheet writes it
    QString symbol;   // "Eₖ"
    QString unitName; // "joules"
    QString unit;     // "J"; empty for a ratio such as efficiency
    int power = 1;    // in the subject's form; the subject's own is 1
};

struct Equation {
    QString id;      // "kineticenergy": how settings and files name it
    QString name;    // "kinetic energy": its short name on the choosing screen
    QString words;   // "kinetic energy = 0.5 × mass × (speed)²"
    QString symbols; // "Eₖ = ½ m v²"
    Area area;
    bool higher;     // Higher tier only
    bool onSheet;    // given on the equation sheet; otherwise recalled
    std::vector<Quantity> quantities; // the subject first
    double coefficient = 1;
    bool squaresDifference = false; // v² − u² = 2as: quantities v, u, a, s
};

// The table, in the order the choosing screen lists them within each area.
const std::vector<Equation>& equations();
const Equation* findEquation(const QString& id);

// The value of quantity `find` from the others (values[find] is not read).
double solveFor(const Equation& equation, int find, const std::vector<double>& values);

// The form that gives quantity `find`: "mass = kinetic energy ÷ (0.5 × (speed)²)".
// Where `find` is squared the form gives its square: "(speed)² = ...".
// `text(k)` writes quantity k: its name, its symbol or its value with unit.
QString formFor(const Equation& equation, int find, const std::function<QString(int)>& text);
// `formFor` in words: the form the working writes when it is not the sheet's own.
QString wordsFor(const Equation& equation, int find);
// The sheet's words without the asides that say which distance is meant:
// "work done = force × distance".
QString withoutQualifiers(const QString& words);
// Whether the quantity found appears squared, so its square is found first.
bool foundAsSquare(const Equation& equation, int find);

// "kinetic energy, mass and speed", for "Write down the equation that links ...".
QString linkedQuantities(const Equation& equation);

} // namespace calculations
