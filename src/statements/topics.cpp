// The statement-quiz topics, numbered as activity/topiclist.h orders the menus.
#include "statements/topics.h"
#include "statements/quiztopic.h"

#include <algorithm>
#include <stdexcept>

namespace statements {

#define STATEMENTS(make) QuizTopic make();
#define OTHER_KIND
#include "activity/topiclist.h"

namespace {

const std::vector<QuizTopic>& list()
{
    static const std::vector<QuizTopic> all = [] {
        std::vector<QuizTopic> made;
        activity::MenuPlaces places;
#define MENU places.nextMenu();
#define STATEMENTS(make) places.place(made.emplace_back(make()).topic);
#define OTHER_KIND places.skip();
#include "activity/topiclist.h"
        return made;
    }();
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

const std::vector<const QuizData*>& quizzes()
{
    static const std::vector<const QuizData*> all = [] {
        std::vector<const QuizData*> quizzes;
        for (const QuizTopic& t : list())
            quizzes.push_back(&t.quiz);
        return quizzes;
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
