#pragma once
// The program's catalogue: the topics of every activity kind together. The
// menus, the Teachers' Guide, "--open" and the registration of screens are
// all made from it.

#include "activity/ownkind.h"
#include "activity/topic.h"

#include <vector>

namespace app {

const activity::Topics& catalogue();

// The kinds of activity teachers make and share as files, each kind's "New"
// command in this order on "My Activities".
const std::vector<const activity::OwnKind*>& ownKinds();

// The topics one menu lists, top row first.
std::vector<const activity::Topic*> menuTopics(const activity::Topics& topics, int menu);

// How many menus there are: as many as the highest menu a topic names.
int menuCount(const activity::Topics& topics);

} // namespace app
