#pragma once
// Questions on any equation of the table, in a short real situation: Recall
// (write the equation down), Level 1 (find the subject), Level 2 (rearrange
// to find another quantity) and Level 3 (a given value in a unit to convert
// first). Each situation names every quantity's sentence and realistic range;
// one quantity is worked out from the others drawn, so that all of them are
// true to life together.

#include "calculations/equationtable.h"
#include "calculations/question.h"

#include <QStringList>
#include <vector>

namespace calculations {

enum EquationLevel { Recall = 0, FindSubject = 1, Rearrange = 2, ConvertFirst = 3 };

// One quantity as a situation gives it.
struct Amount {
    QString fact;      // "The car has a mass of %1."
    double low, high, step; // its range, in `unit`; a constant where low is high
    QString unit = {}; // the unit the question writes it in; the quantity's own when empty
    QString other = {}; // a unit it may be written in at Level 3: "kW", "minutes"
};

struct Situation {
    QString equation; // the equation's id
    QString scene;    // "A car travels along a straight road."
    std::vector<Amount> amounts; // one a quantity, in the equation's order
    int derived = 0;  // the quantity worked out from the others drawn
    std::vector<QString> asks = {}; // "Calculate ..." for a quantity; the plain one when empty or missing
};

const std::vector<Situation>& situations();
std::vector<const Situation*> situationsOf(const QString& equation);

// A unit conversion a pupil makes first: 1 `from` is `factor` `to`.
struct Conversion {
    QString from, to;
    double factor;
};
const Conversion* findConversion(const QString& from, const QString& to);

// The quantities a situation may ask for at `level`; none when it cannot be asked at it.
std::vector<int> askable(const Equation& equation, const Situation& situation, int level);

// A question on `situation` at `level` (Recall needs no situation: pass any).
Question equationQuestion(const Equation& equation, const Situation& situation, const Random& random, int level);
Question recallQuestion(const Equation& equation);

// Questions on the equations named by `ids`, each drawn as often, at the level asked.
Generator equationGenerator(const QStringList& ids);

} // namespace calculations
