// The Big Bang: true or false.
#include "statements/quiz.h"
#include "statements/quiztopic.h"

namespace statements {

QuizTopic bigBang()
{
    static const QuizData quiz{"bigbang", "Is this statement true or false?", "Statement", trueFalse(), 24,
                               {"bigbang.txt"}, {}};
    return quizTopic<StatementQuiz>({.title = "The Big Bang",
            .guide = {"Pupils read a statement and then decide whether they think it is true or false.",
                      "On one side of the classroom pin up the word 'TRUE' and on the other side the word 'FALSE'. "
                      "Pupils stand along the line between them to show how sure they are about each statement."}}, quiz);
}

} // namespace statements
