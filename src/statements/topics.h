#pragma once
// The statement-quiz topics: each one's facts in its own file beside its
// statement set in sets/, listed in topics.cpp.

#include "activity/topic.h"
#include "statements/quizdata.h"

#include <vector>

namespace statements {

const activity::Topics& topics();
// The quizzes of every topic's screen, in the topics' order.
const std::vector<const QuizData*>& quizzes();
// The quiz shown on `screen`, which must be one of these topics' screens.
const QuizData& quizOf(const QString& screen);

} // namespace statements
