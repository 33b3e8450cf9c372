#pragma once
// Drawing numbers for a question from the random source: a whole choice, a
// value on a grid of steps, one entry of a table.

#include "calculations/numbers.h"
#include "calculations/question.h"

#include <algorithm>
#include <cmath>

namespace calculations {

// 0 to count - 1, evenly.
inline int pick(const Random& random, int count)
{
    return std::clamp(int(random() * count), 0, count - 1);
}

// One of low, low + step, ... high, evenly, without floating-point noise.
inline double stepIn(const Random& random, double low, double high, double step)
{
    const int steps = int(std::lround((high - low) / step));
    return roundFigures(low + step * pick(random, steps + 1), 9);
}

template <class T, std::size_t N>
const T& oneOf(const Random& random, const T (&table)[N])
{
    return table[std::size_t(pick(random, int(N)))];
}

} // namespace calculations
