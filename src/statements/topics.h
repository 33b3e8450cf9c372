#pragma once
// The statement-quiz topics: each one's facts in its own file beside its
// statement set in sets/, listed in topics.cpp.

#include "activity/topic.h"
#include "statements/quizdata.h"

namespace statements {

const activity::Topics& topics();
// The quiz shown on `screen`, which must be one of these topics' screens.
const QuizData& quizOf(const QString& screen);

} // namespace statements
