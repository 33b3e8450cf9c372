#pragma once
// The parameters that describe one labelling screen completely, laid out as
// the design tables give them. The picture generator reads the same tables,
// so a diagram's parts and the targets and lines that point at them agree.

#include "activity/board.h"
#include "activity/leaders.h"
#include "activity/looks.h"
#include "activity/parts.h"
#include "activity/rules.h"
#include "activity/topic.h"

#include <QColor>
#include <QString>
#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace labelling {

using activity::answerBox;
using activity::CommandLook;
using activity::Corner;
using activity::FixedText;
using activity::groupedScore;
using activity::leaderLine;
using activity::LineData;
using activity::noteText;
using activity::ownTargetScore;
using activity::PicturePlace;
using activity::ScoreLinePlace;
using activity::scoreText;
using activity::TargetGroups;
using activity::timesText;
using activity::VariantSwitch;

class LabellingActivity;

// Answer i: its text, target i's place, the size shared by target i, answer
// label i and home box i, home i (where answer label i starts), and what
// target i points to.
struct Item {
    QString answer;
    float targetLeft, targetTop;
    float width, height;
    float homeLeft, homeTop;
    // The part target i's leader points to (or the picture it names), as a
    // screen reader says it: "Target 6: points to <pointsTo>". Worded so that
    // it does not give the answer away.
    QString pointsTo{};

    forms::TwipRect target() const { return {targetLeft, targetTop, width, height}; }
};

// How "Check Score" counts.
using ScoringRule = std::function<int(std::span<const Corner> labels, std::span<const Corner> targets, int count)>;
inline int scoreOwnTargets(std::span<const Corner> labels, std::span<const Corner> targets, int count)
{
    return ownTargetScore(labels, targets, count);
}

// What a screen adds to the template: controls of its own made with the
// screen, and a last step of its load.
struct Extras {
    std::function<void(LabellingActivity&)> build;
    std::function<void(LabellingActivity&)> afterLoad;
};

// What the tests of the tables hold a screen's layout to. A new screen is held
// to all of them; a screen drawn to an older design says which it keeps.
struct LayoutChecks {
    bool boxesApart = true;  // no box covers another or a command; each answer fits its box
    bool partsDrawn = true;  // the picture draws something where each leader line ends
    bool ownSize = true;     // the diagram is shown unstretched, exactly its designed area
};

struct ActivityData {
    QString screen;
    QString caption;
    QColor background;
    double answerPoints;            // Arial bold, answer labels and targets
    std::vector<Item> items;
    std::vector<PicturePlace> pictures;
    std::vector<FixedText> texts;
    ScoreLinePlace scoreLine;
    std::vector<LineData> lines;
    std::optional<VariantSwitch> variants;
    ScoringRule score = scoreOwnTargets;
    Extras extras;
    LayoutChecks checks{};
    // Items past this many are wrong answers, dealt with the rest and
    // belonging to no target; every item has a target when negative.
    int targets = -1;
    activity::AnswerBoard::Landing landing = activity::AnswerBoard::Landing::FirstZone;
    // After "Check Score" each target shows a tick or a cross, and "Show
    // Answers" puts every answer on its target.
    bool marksTargets = false;

    int targetCount() const { return targets < 0 ? int(items.size()) : std::min(targets, int(items.size())); }
};

// A labelling topic: its menu topic and the tables of its screens, which
// outlive the registry (each topic's file keeps them function-static).
struct LabellingTopic {
    activity::Topic topic;
    std::span<const ActivityData> tables;
};

// The picture files the screens show, as they name them, in screen order.
inline std::vector<QString> pictureFiles(std::span<const ActivityData> screens)
{
    std::vector<QString> files;
    for (const ActivityData& screen : screens)
        for (const PicturePlace& picture : screen.pictures)
            files.push_back(picture.file);
    return files;
}
inline std::vector<QString> pictureFiles(const ActivityData& screen) { return pictureFiles({&screen, 1}); }

} // namespace labelling
