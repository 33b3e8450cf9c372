#include "labelling/editor/draftchecks.h"
#include "labelling/editor/playarea.h"
#include "labelling/ownplay.h"
#include "activity/rules.h"

#include <QObject>

#include <algorithm>
#include <numbers>

namespace labelling {

QString numbers(const std::vector<int>& indexes)
{
    QStringList said;
    for (const int k : indexes)
        said << QString::number(k + 1);
    const QString last = said.takeLast();
    return said.isEmpty() ? last : QObject::tr("%1 and %2").arg(said.join(QStringLiteral(", ")), last);
}

namespace {

forms::TwipRect onScreen(const QRectF& box, double perPixel)
{
    return {float(box.x() * perPixel), float(box.y() * perPixel), float(box.width() * perPixel), float(box.height() * perPixel)};
}

// Characters of doubts the question before saving holds on its two lines.
constexpr qsizetype MostAsked = 125;

QString key(const QString& answer) { return answer.simplified().toCaseFolded(); }

} // namespace

std::vector<std::pair<int, int>> crowdedBoxes(const OwnActivity& activity, QSize picture)
{
    const double perPixel = playTwipsPerPixel(picture);
    std::vector<forms::TwipRect> boxes;
    for (const OwnLabel& label : activity.labels)
        boxes.push_back(onScreen(label.target, perPixel));
    std::vector<std::pair<int, int>> crowded;
    for (int k = 0; k < int(boxes.size()); ++k) {
        const forms::TwipRect& box = boxes[std::size_t(k)];
        // The label meant for this box, its centre DropSlip beyond each edge and corner.
        for (const float across : {-1.0f, 0.0f, 1.0f})
            for (const float down : {-1.0f, 0.0f, 1.0f}) {
                if (across == 0 && down == 0)
                    continue;
                const float slip = across != 0 && down != 0 ? DropSlip / std::numbers::sqrt2_v<float> : DropSlip;
                const forms::TwipRect dropped{box.left + across * (box.width / 2 + slip),
                                              box.top + down * (box.height / 2 + slip), box.width, box.height};
                const int landed = activity::landingBox(dropped, boxes);
                if (landed >= 0 && landed != k) {
                    const std::pair pair{std::min(k, landed), std::max(k, landed)};
                    if (std::find(crowded.begin(), crowded.end(), pair) == crowded.end())
                        crowded.push_back(pair);
                }
            }
    }
    std::sort(crowded.begin(), crowded.end());
    return crowded;
}

bool answerShownWhole(const OwnLabel& label, QSize picture)
{
    const QString answer = label.answer.trimmed();
    return answer.isEmpty() || answerFitsAt(answer, float(label.target.width() * playTwipsPerPixel(picture))) >= AnswerBoxPoints;
}

std::vector<int> answersNotWhole(const OwnActivity& activity, QSize picture)
{
    std::vector<int> cut;
    for (int k = 0; k < int(activity.labels.size()); ++k)
        if (!answerShownWhole(activity.labels[std::size_t(k)], picture))
            cut.push_back(k);
    return cut;
}

std::vector<std::vector<int>> repeatedAnswers(const OwnActivity& activity)
{
    std::vector<QString> answers;
    for (const OwnLabel& label : activity.labels)
        answers.push_back(label.answer);
    std::vector<std::vector<int>> repeated;
    for (std::vector<int>& group : activity::alikeAnswers(answers))
        if (group.size() > 1 && !key(answers[std::size_t(group.front())]).isEmpty())
            repeated.push_back(std::move(group));
    return repeated;
}

QStringList doubts(const OwnActivity& activity, QSize picture)
{
    QStringList said;
    const auto crowded = crowdedBoxes(activity, picture);
    if (!crowded.empty()) {
        QStringList pairs;
        for (const auto& [first, second] : crowded)
            pairs << QObject::tr("%1 and %2").arg(first + 1).arg(second + 1);
        said << QObject::tr("boxes %1 stand so close a drop may land in the wrong one")
                    .arg(pairs.join(QStringLiteral(", ")));
    }
    if (const std::vector<int> cut = answersNotWhole(activity, picture); !cut.empty())
        said << (cut.size() == 1 ? QObject::tr("answer %1 is too long for its box").arg(numbers(cut))
                                 : QObject::tr("answers %1 are too long for their boxes").arg(numbers(cut)));
    for (const std::vector<int>& group : repeatedAnswers(activity))
        said << QObject::tr("answers %1 are the same (either scores)").arg(numbers(group));
    for (int w = 0; w < int(activity.distractors.size()); ++w) {
        const QString wrong = key(activity.distractors[std::size_t(w)]);
        for (int k = 0; k < int(activity.labels.size()); ++k)
            if (!wrong.isEmpty() && wrong == key(activity.labels[std::size_t(k)].answer)) {
                said << QObject::tr("wrong answer %1 reads as answer %2").arg(w + 1).arg(k + 1);
                break;
            }
    }
    return said;
}

QString listed(const QStringList& doubts, qsizetype most)
{
    QStringList shown;
    for (const QString& doubt : doubts)
        if (shown.isEmpty() || (shown + QStringList{doubt}).join(QStringLiteral("; ")).size() < most)
            shown << doubt;
        else
            break;
    const QString more = shown.size() < doubts.size() ? QObject::tr("; and %1 more").arg(doubts.size() - shown.size()) : QString();
    return shown.join(QStringLiteral("; ")) + more;
}

QString beforeSaving(const QStringList& doubts)
{
    return QObject::tr("Before saving: %1. Save as it is?").arg(listed(doubts, MostAsked));
}

} // namespace labelling
