// Analysis of Energy Resources: true or false.
#include "statements/quiz.h"
#include "statements/quiztopic.h"

namespace statements {

QuizTopic energyResources()
{
    static const QuizData quiz{"resources", "Is this statement true or false?", "Statement", trueFalse(), 24,
                               {"resources.txt"}, {}};
    return quizTopic<StatementQuiz>({.title = "Analysis of Energy Resources",
            .guide = {"Statements about different energy sources are displayed. Pupils decide whether each "
                      "statement is true or false.",
                      "On one side of the classroom pin up the word 'TRUE' and on the other side the word 'FALSE'. "
                      "Pupils stand along the line between them to show how sure they are about each statement."}}, quiz);
}

} // namespace statements
