// Types of Radiation: alpha, beta or gamma.
#include "statements/quiz.h"
#include "statements/quiztopic.h"

namespace statements {

namespace {
std::vector<Choice> radiationCards()
{
    std::vector<Choice> cards = choiceRow({"Alpha", "Beta", "Gamma"}, 4200, 3000, 600, 480);
    // Red, yellow and green, like the cards the pupils hold up.
    cards[0].back = QColor(200, 30, 30), cards[0].fore = QColor(255, 255, 255);
    cards[1].back = QColor(255, 215, 0), cards[1].fore = QColor(0, 0, 0);
    cards[2].back = QColor(0, 140, 60), cards[2].fore = QColor(255, 255, 255);
    return cards;
}
} // namespace

QuizTopic radiationTypes()
{
    static const QuizData quiz{"radiationtypes", "Which type of radiation is this statement about?", "Statement",
                               radiationCards(), 24, {"radiationtypes.txt"}, {}};
    return quizTopic<StatementQuiz>({.title = "Types of Radiation",
            .guide = {"Different statements about radiation are shown. Pupils must select the type of radiation to "
                      "which the statements refer.",
                      "Give pupils red, yellow and green cards. Give each type of radiation a colour. Pupils then "
                      "indicate their answer by showing one of the coloured cards."}}, quiz);
}

} // namespace statements
