#include "statements/register.h"
#include "forms/screens.h"
#include "statements/quiz.h"

void initStatementResources();

namespace statements {

void registerScreens(forms::Screens& screens)
{
    initStatementResources();
    // The table outlives the registry: each screen keeps a reference to its row.
    for (const QuizData& data : quizzes())
        screens.add(data.screen, [&data](forms::Screens& s) { return std::make_unique<StatementQuiz>(s, data); });
}

} // namespace statements
