// Every calculations topic, one a line, each made by the function of that name in
// the topic's own file. Read twice by topics.cpp (once to declare the
// functions, once to list them), so adding a topic adds one line here.
TOPIC(efficiencyTopic)
TOPIC(energyTopic)
TOPIC(waveTopic)
TOPIC(momentsTopic)
TOPIC(equationsTopic)
