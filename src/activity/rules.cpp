#include "activity/rules.h"

namespace activity {

bool insideCaptureZone(const forms::TwipRect& box, Corner label)
{
    const float leftBound = box.left - box.width / 2.0f;
    const float rightBound = box.left + box.width;
    const float topBound = box.top - box.height / 2.0f;
    const float bottomBound = box.top + box.height;
    return leftBound < label.left && label.left < rightBound && topBound < label.top && label.top < bottomBound;
}

Corner dropPass(Corner label, std::span<const forms::TwipRect> boxesInOrder)
{
    for (const forms::TwipRect& box : boxesInOrder)
        if (insideCaptureZone(box, label))
            label = {box.left, box.top};
    return label;
}

int placedCount(std::span<const Corner> labels, std::span<const Corner> targets)
{
    int count = 0;
    for (Corner label : labels)
        for (Corner target : targets)
            count += label == target ? 1 : 0;
    return count;
}

int ownTargetScore(std::span<const Corner> labels, std::span<const Corner> targets, int count)
{
    int score = 0;
    for (int i = 0; i < count && i < int(labels.size()) && i < int(targets.size()); ++i)
        score += labels[i] == targets[i] ? 1 : 0;
    return score;
}

int groupedScore(std::span<const Corner> labels, std::span<const Corner> targets, const TargetGroups& groups)
{
    int score = 0;
    for (const std::vector<int>& group : groups)
        for (int target : group) {
            if (target >= int(targets.size()))
                continue;
            for (int answer : group)
                if (answer < int(labels.size()) && labels[answer] == targets[target]) {
                    ++score;
                    break; // this target has given its credit
                }
        }
    return score;
}

QString paddedNumber(int n) { return QLatin1Char(' ') + QString::number(n); }

QString scoreText(int score, int count)
{
    return QString::number(score) + QLatin1String(" out of") + paddedNumber(count) + QLatin1String(" correct");
}

QString targetNumber(int index) { return paddedNumber(index + 1) + QLatin1Char('.'); }

} // namespace activity
