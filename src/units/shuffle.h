#pragma once
// The order in which a question takes its pairs.

#include <functional>
#include <vector>

namespace units {

// A permutation of 0 .. count-1: starting from the identity, fifty rounds in
// which each place i in turn swaps with a place drawn from `random` (uniform
// in [0, 1)). A draw of 1 or more, which a uniform source never gives, is
// held to the last place rather than reaching past the end.
std::vector<int> pickOrder(int count, const std::function<double()>& random);

} // namespace units
