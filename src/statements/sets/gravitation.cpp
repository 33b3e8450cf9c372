// Gravitation: true or false, at two levels.
#include "statements/quiz.h"
#include "statements/quiztopic.h"

namespace statements {

QuizTopic gravitation()
{
    static const QuizData quiz{"gravitation", "Is this statement true or false?", "Statement", trueFalse(), 24,
                               {"gravitation-level1.txt", "gravitation-level2.txt"}, {"Level 1", "Level 2"}};
    return quizTopic<StatementQuiz>({.title = "Gravitation",
            .guide = {"Pupils decide whether statements are true or false.",
                      "Read each statement out. If the pupils think it is true, ask them to put their thumbs up; if "
                      "they think it is false, ask them to put their thumbs down. Level 1 questions are easier than level 2."}}, quiz);
}

} // namespace statements
