#pragma once
// The parameters that describe one labelling screen completely, laid out as
// the design tables give them. The picture generator reads the same tables,
// so a diagram's parts and the targets and lines that point at them agree.

#include "forms/design.h"
#include "labelling/rules.h"

#include <QColor>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace labelling {

class LabellingActivity;

// Answer i: its text, target i's place, the size shared by target i, answer
// label i and home box i, and home i (where answer label i starts).
struct Item {
    QString answer;
    float targetLeft, targetTop;
    float width, height;
    float homeLeft, homeTop;

    forms::TwipRect target() const { return {targetLeft, targetTop, width, height}; }
};

struct PictureSpec {
    QString file;          // "Images\\house.jpg"
    float left, top;
    float width, height;   // the box, or the area left for a picture shown at its own size
    bool stretch;
};

// A fixed caption: the instruction, a note line, a surface caption.
struct TextSpec {
    QString name;          // "Label7"
    int index;             // -1 for a lone label
    QString text;
    forms::TwipRect at;
    forms::LabelLook look;
    bool aboveAnswers = false;
};

struct LineSpec {
    int index;             // Line1(index)
    float x1, y1, x2, y2;
    QColor colour;
    int width;             // pixels
    Qt::PenStyle style = Qt::SolidLine;
    bool aboveAnswers = false;
};

struct ScoreLineSpec {
    QString name;          // "Label5", or "Label6" where Label5 is taken
    forms::TwipRect at;
    double points;
    forms::Label::Align align = forms::Label::Align::Center;
    bool autoSize = false;
};

// Three option buttons that replace this screen by a sibling.
struct VariantSwitch {
    std::array<QString, 3> captions;
    std::array<QString, 3> screens; // the screen each option stands for
    std::array<forms::TwipRect, 3> at;
    QColor textColour;
    int own;                        // this screen's own option

    // The same switch as seen from the screen of option `own`.
    VariantSwitch seenFrom(int ownOption) const
    {
        VariantSwitch v = *this;
        v.own = ownOption;
        return v;
    }
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

struct ActivityData {
    QString screen;
    QString caption;
    QColor background;
    double answerPoints;            // Arial bold, answer labels and targets
    std::vector<Item> items;
    std::vector<PictureSpec> pictures;
    std::vector<TextSpec> texts;
    ScoreLineSpec scoreLine;
    std::vector<LineSpec> lines;
    std::optional<VariantSwitch> variants;
    ScoringRule score = scoreOwnTargets;
    Extras extras;
};

// The styles the labelling screens share.
inline forms::LabelLook timesText(double points, QColor colour = forms::Yellow)
{
    return {"Times New Roman", points, false, colour, forms::Black, false, false, forms::Label::Align::Center};
}
// Answer labels and targets: yellow on black in a bordered box, Arial bold.
inline forms::LabelLook answerBox(double points)
{
    return {"Arial", points, true, forms::Yellow, forms::Black, true, true, forms::Label::Align::Center};
}
// The command labels "Exit", "Start Again", "Check Score".
inline const forms::LabelLook CommandLook{"Tahoma", 15.75, true, forms::Yellow, forms::Black, true, true,
                                          forms::Label::Align::Center};
inline forms::LabelLook noteText()
{
    return {"Arial", 15.75, false, forms::Orange, forms::Black, false, false, forms::Label::Align::Center};
}

} // namespace labelling
