#pragma once
// What makes one quiz screen: its instruction, its choices and where they
// stand, and the statement sets it deals from (one a level), if it deals
// statements.

#include "forms/twips.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

namespace statements {

struct Choice {
    QString caption;     // also the answer a statement file names
    forms::TwipRect at;
    QColor back{0, 0, 0};
    QColor fore{255, 255, 0};
};

struct QuizData {
    QString screen;                 // "heattransfer"
    QString instruction;
    QString noun;                   // "Statement", as in "Statement 4 of 18"
    std::vector<Choice> choices;
    double choicePoints;            // Arial bold, the size of the choice captions
    QStringList sets;               // statement files, one a level: "heattransfer.txt"
    QStringList levels;             // captions of the level switch; empty for none
    float feedbackTop = 5640;       // the feedback line; the reason below it
    QString ownFile{};              // a teacher's own quiz: the ".tavquiz" its statements come from
};

// A row of choices of one size, centred on the screen, in the default colours.
std::vector<Choice> choiceRow(const QStringList& captions, float top, float width, float height, float gap);
std::vector<Choice> trueFalse();

// The statement box, and the smallest size a statement may take before it is cut short.
inline constexpr forms::TwipRect StatementBox{600, 1140, 10800, 2760};
inline constexpr float StatementInset = 180;
inline constexpr double StatementPoints = 26.25, StatementFloor = 20, StatementLeast = 14;
inline const QString StatementFamily = QStringLiteral("Arial");

} // namespace statements
