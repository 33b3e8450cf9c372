#pragma once
// A quiz topic: its place on the menus, and the quiz its one screen shows.
// Each topic's file (beside its statement set in sets/) makes one.

#include "activity/topic.h"
#include "forms/screens.h"
#include "statements/quizdata.h"

#include <memory>

namespace statements {

struct QuizTopic {
    activity::Topic topic;
    const QuizData& quiz; // outlives the registry: each screen keeps a reference to it
};

// A topic's title (also its screen's caption) and its row in the Teachers'
// Guide; activity/topiclist.h places it on the menus.
struct MenuPlace {
    QString title;
    std::vector<QString> guide;
};

// The topic at `place` with one screen, `quiz` shown by a `QuizScreen`.
template <class QuizScreen>
QuizTopic quizTopic(const MenuPlace& place, const QuizData& quiz)
{
    activity::Topic topic;
    topic.title = place.title;
    topic.guide = place.guide;
    topic.screens = {quiz.screen};
    topic.addScreens = [&quiz, title = place.title](forms::Screens& screens) {
        screens.add(quiz.screen, [&quiz, title](forms::Screens& s) { return std::make_unique<QuizScreen>(s, quiz, title); });
    };
    return {std::move(topic), quiz};
}

} // namespace statements
