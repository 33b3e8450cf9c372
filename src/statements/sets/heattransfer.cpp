// Heat Transfer: true or false, about conduction, convection and radiation.
#include "statements/quiz.h"
#include "statements/quiztopic.h"

namespace statements {

QuizTopic heatTransfer()
{
    static const QuizData quiz{"heattransfer", "Is this statement true or false?", "Statement", trueFalse(), 24,
                               {"heattransfer.txt"}, {}};
    return quizTopic<StatementQuiz>({.title = "Heat Transfer",
            .guide = {"Pupils decide the truth of statements about radiation, conduction and convection.",
                      "Read each statement out. If the pupils think it is true, ask them to put their thumbs up; if "
                      "they think it is false, ask them to put their thumbs down."}}, quiz);
}

} // namespace statements
