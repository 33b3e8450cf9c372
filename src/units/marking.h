#pragma once
// Marking a symbols board: a quantity name is right on any target whose unit
// symbol reads the same as its own, since several quantities share a unit.

#include "activity/rules.h"

#include <QString>
#include <span>

namespace units {

// answers[j] and targets[k] are the top-left corners of answer label j and
// target k; symbols[i] is the symbol of pair i, shown above target i and
// belonging to answer label i. A target credits at most one answer label, so
// two names stacked on one target score one, however well they match.
int symbolScore(std::span<const activity::Corner> answers, std::span<const activity::Corner> targets,
                std::span<const QString> symbols);

} // namespace units
