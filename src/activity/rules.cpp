#include "activity/rules.h"

#include <QPointF>
#include <algorithm>
#include <cmath>

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

int landingBox(const forms::TwipRect& label, std::span<const forms::TwipRect> boxes)
{
    const QPointF centre(label.left + label.width / 2, label.top + label.height / 2);
    auto distance = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); };
    int best = -1;
    double bestReach = 0, bestMiddle = 0;
    for (int i = 0; i < int(boxes.size()); ++i) {
        const forms::TwipRect& box = boxes[std::size_t(i)];
        if (box.left == label.left && box.top == label.top)
            return i;
        if (!forms::overlaps(label, box))
            continue;
        const QPointF nearest(std::clamp<double>(centre.x(), box.left, box.left + box.width),
                              std::clamp<double>(centre.y(), box.top, box.top + box.height));
        const double reach = distance(centre, nearest);
        const double middle = distance(centre, {box.left + box.width / 2.0, box.top + box.height / 2.0});
        if (best < 0 || reach < bestReach || (reach == bestReach && middle < bestMiddle)) {
            best = i;
            bestReach = reach;
            bestMiddle = middle;
        }
    }
    return best;
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

TargetGroups alikeAnswers(std::span<const QString> answers)
{
    TargetGroups groups;
    std::vector<QString> keys;
    for (int i = 0; i < int(answers.size()); ++i) {
        const QString key = answers[std::size_t(i)].simplified().toCaseFolded();
        const auto found = std::find(keys.begin(), keys.end(), key);
        if (found == keys.end()) {
            keys.push_back(key);
            groups.push_back({i});
        } else {
            groups[std::size_t(found - keys.begin())].push_back(i);
        }
    }
    return groups;
}

QString paddedNumber(int n) { return QLatin1Char(' ') + QString::number(n); }

QString scoreText(int score, int count)
{
    return QString::number(score) + QLatin1String(" out of") + paddedNumber(count) + QLatin1String(" correct");
}

QString targetNumber(int index) { return paddedNumber(index + 1) + QLatin1Char('.'); }

} // namespace activity
