#pragma once
// A labelling activity a teacher made: one self-contained ".tavlabel" file
// (JSON, UTF-8) holding the picture, the title, the instruction and 1 to 10
// labels, each with its answer box and the end of its leader line in the
// picture's own pixels. The program places picture, boxes and leaders on the
// screen, so the same file plays at any scale.

#include <QByteArray>
#include <QJsonObject>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace labelling {

struct OwnLabel {
    QString answer;
    QRectF target;   // the answer box, in picture pixels
    QPointF part;    // the leader line's end, in picture pixels
    QString pointsTo{}; // what the box points to, for a screen reader; may be empty
    QJsonObject unknown{}; // fields this program does not know, kept on rewrite
};

struct OwnActivity {
    QString title;
    QString instruction;
    QByteArray picture;      // the encoded picture as embedded
    QString pictureType;     // "png" or "jpeg"
    std::vector<OwnLabel> labels;
    std::vector<QString> distractors{}; // wrong answers, dealt with the rest, of no box
    QString description{};   // the picture described for a screen reader; may be empty
    QJsonObject unknown{};   // top-level fields this program does not know
};

inline constexpr int FewestOwnLabels = 1, MostOwnLabels = 10;
// The longest texts an activity file holds: longer than any title,
// instruction or answer a board can show.
inline constexpr int LongestTitle = 120, LongestInstruction = 400, LongestAnswer = 60;
inline constexpr int LongestDescription = 400, LongestPointsTo = 200;
inline constexpr int MostDistractors = 5;
inline constexpr int OwnLabelFormat = 1;

} // namespace labelling
