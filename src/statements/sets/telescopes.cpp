// Comparing Telescopes: an advantage or a disadvantage, of a telescope on land or in space.
#include "statements/quiz.h"
#include "statements/quiztopic.h"

namespace statements {

namespace {
std::vector<Choice> telescopeSides()
{
    const std::vector<Choice> top = choiceRow({"Land-based advantage", "Space-based advantage"}, 4020, 5040, 600, 480);
    const std::vector<Choice> bottom =
        choiceRow({"Land-based disadvantage", "Space-based disadvantage"}, 4740, 5040, 600, 480);
    return {top[0], bottom[0], top[1], bottom[1]};
}
} // namespace

QuizTopic telescopes()
{
    static const QuizData quiz{"telescopes", "Land-based or space-based? An advantage or a disadvantage?", "Statement",
                               telescopeSides(), 18, {"telescopes.txt"}, {}, 5460};
    return quizTopic<StatementQuiz>({.title = "Comparing Telescopes",
            .guide = {"Different statements about telescopes are shown to the pupils in turn.",
                      "Pupils must decide whether a statement refers to land-based or space-based telescopes and "
                      "whether it is an advantage or a disadvantage.",
                      "Individual white boards can be used to display each answer."}}, quiz);
}

} // namespace statements
