// The statement-quiz topics, one a line, in menu order.
#include "statements/topics.h"
#include "statements/quiztopic.h"

#include <algorithm>
#include <stdexcept>

namespace statements {

// Each made in its own file in sets/.
QuizTopic heatTransfer(), energyTransfer(), energyResources(), emRadiation(), radiationTypes(), telescopes(),
    gravitation(), bigBang();

namespace {

const std::vector<QuizTopic>& list()
{
    static const std::vector<QuizTopic> all{
        heatTransfer(),
        energyTransfer(),
        energyResources(),
        emRadiation(),
        radiationTypes(),
        telescopes(),
        gravitation(),
        bigBang(),
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
