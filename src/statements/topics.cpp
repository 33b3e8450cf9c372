// The statement-quiz topics, in the order of the list.
#include "statements/topics.h"
#include "statements/quiztopic.h"

#include <algorithm>
#include <stdexcept>

namespace statements {

#define TOPIC(make) QuizTopic make();
#include "statements/topiclist.h"
#undef TOPIC

namespace {

const std::vector<QuizTopic>& list()
{
    static const std::vector<QuizTopic> all{
#define TOPIC(make) make(),
#include "statements/topiclist.h"
#undef TOPIC
    };
    return all;
}

} // namespace

const activity::Topics& topics()
{
    static const activity::Topics all = [] {
        activity::Topics topics;
        for (const QuizTopic& t : list())
            topics.push_back(t.topic);
        return topics;
    }();
    return all;
}

const QuizData& quizOf(const QString& screen)
{
    const auto it = std::find_if(list().begin(), list().end(), [&](const QuizTopic& t) { return t.quiz.screen == screen; });
    if (it == list().end())
        throw std::logic_error("no statement quiz " + screen.toStdString());
    return it->quiz;
}

} // namespace statements
