// The labelling topics, numbered as activity/topiclist.h orders the menus.
#include "labelling/topics.h"

#include <stdexcept>

namespace labelling {

#define LABELLING(make) LabellingTopic make();
#define OTHER_KIND
#include "activity/topiclist.h"

namespace {

const std::vector<LabellingTopic>& list()
{
    static const std::vector<LabellingTopic> all = [] {
        std::vector<LabellingTopic> made;
        activity::MenuPlaces places;
#define MENU places.nextMenu();
#define LABELLING(make) places.place(made.emplace_back(make()).topic);
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
        for (const LabellingTopic& t : list())
            topics.push_back(t.topic);
        return topics;
    }();
    return all;
}

const std::vector<const ActivityData*>& tables()
{
    static const std::vector<const ActivityData*> all = [] {
        std::vector<const ActivityData*> tables;
        for (const LabellingTopic& t : list())
            for (const ActivityData& table : t.tables)
                tables.push_back(&table);
        return tables;
    }();
    return all;
}

const ActivityData& table(const QString& screen)
{
    for (const ActivityData* t : tables())
        if (t->screen == screen)
            return *t;
    throw std::logic_error("no labelling screen " + screen.toStdString());
}

} // namespace labelling
