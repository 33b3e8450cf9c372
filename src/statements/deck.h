#pragma once
// The order in which a screen deals its statements: shuffled from the
// program's one random source, each statement once a round.

#include <functional>
#include <vector>

namespace statements {

class Deck {
public:
    // A fresh round of `count` cards in random order. A round never starts
    // with `avoidFirst`, the card last shown, when it has another card.
    void shuffle(int count, const std::function<double()>& random, int avoidFirst = -1);
    // Deals the next card; the first deal of a round gives its first card.
    int deal();
    bool usedUp() const { return dealt_ >= int(order_.size()); }
    int dealt() const { return dealt_; }   // cards dealt this round, the current one included
    int size() const { return int(order_.size()); }
    int current() const { return dealt_ > 0 ? order_[std::size_t(dealt_ - 1)] : -1; }

private:
    std::vector<int> order_;
    int dealt_ = 0;
};

} // namespace statements
