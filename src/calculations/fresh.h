#pragma once
// Questions that do not come back too soon: a new question differs from the
// last ten shown, so no question returns within ten "Next" clicks.

#include "calculations/question.h"

#include <QString>
#include <deque>

namespace calculations {

class RecentQuestions {
public:
    static constexpr int Remembered = 10;
    bool contains(const QString& text) const;
    void remember(const QString& text);

private:
    std::deque<QString> texts_;
};

// Draws from `generate` until the question is not among the recent ones, and
// remembers it. Each further try shifts its draws by irrational steps, so even
// a source that keeps returning one value soon gives a different question.
Question freshQuestion(const Generator& generate, const Random& random, int level, RecentQuestions& recent);

} // namespace calculations
