#include "calculations/fresh.h"

#include <algorithm>
#include <cmath>

namespace calculations {

bool RecentQuestions::contains(const QString& text) const
{
    return std::find(texts_.begin(), texts_.end(), text) != texts_.end();
}

void RecentQuestions::remember(const QString& text)
{
    texts_.push_back(text);
    while (int(texts_.size()) > Remembered)
        texts_.pop_front();
}

Question freshQuestion(const Generator& generate, const Random& random, int level, RecentQuestions& recent)
{
    constexpr int Tries = 200; // far more than any topic needs: each has hundreds of questions
    constexpr double GoldenRatio = 0.6180339887498949;
    constexpr double SilverStep = 0.4142135623730951;
    Question question;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        // The k-th draw of a later try moves on by k times another irrational
        // step, so that draws stuck on one value still vary within a question.
        const Random shifted = [&random, attempt, k = 0]() mutable {
            const double r = random() + attempt * (GoldenRatio + (k++) * SilverStep);
            return r - std::floor(r);
        };
        question = generate(shifted, level);
        if (!recent.contains(question.text))
            break;
    }
    recent.remember(question.text);
    return question;
}

} // namespace calculations
