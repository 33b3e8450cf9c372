#include "activity/topic.h"

#include <algorithm>

namespace activity {

const Topic* topicOfScreen(const Topics& topics, const QString& screen)
{
    const auto it = std::find_if(topics.begin(), topics.end(), [&](const Topic& t) {
        return std::find(t.screens.begin(), t.screens.end(), screen) != t.screens.end();
    });
    return it == topics.end() ? nullptr : &*it;
}

} // namespace activity
