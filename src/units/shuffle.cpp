#include "units/shuffle.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace units {

namespace {
constexpr int Rounds = 50;
} // namespace

std::vector<int> pickOrder(int count, const std::function<double()>& random)
{
    std::vector<int> order(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    for (int round = 0; round < Rounds; ++round)
        for (int i = 0; i < count; ++i) {
            const int j = static_cast<int>(std::clamp(count * random(), 0.0, count - 1.0));
            std::swap(order[static_cast<std::size_t>(i)], order[static_cast<std::size_t>(j)]);
        }
    return order;
}

} // namespace units
