#include "statements/deck.h"

#include <algorithm>
#include <numeric>

namespace statements {

void Deck::shuffle(int count, const std::function<double()>& random, int avoidFirst)
{
    order_.resize(std::size_t(std::max(count, 0)));
    std::iota(order_.begin(), order_.end(), 0);
    for (int i = count - 1; i > 0; --i) {
        const int j = std::clamp(int(random() * (i + 1)), 0, i);
        std::swap(order_[std::size_t(i)], order_[std::size_t(j)]);
    }
    if (count > 1 && order_.front() == avoidFirst)
        std::swap(order_.front(), order_.back());
    dealt_ = 0;
}

int Deck::deal()
{
    if (usedUp())
        return -1;
    return order_[std::size_t(dealt_++)];
}

} // namespace statements
