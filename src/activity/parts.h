#pragma once
// The pieces every activity screen is laid out from, as its design tables give
// them: pictures, fixed captions, lines, the score line and the switch between
// sibling screens (variants or levels).

#include "forms/design.h"
#include "forms/label.h"

#include <QColor>
#include <QString>
#include <array>

namespace activity {

struct PicturePlace {
    QString file;          // "Images\\house.jpg"
    float left, top;
    float width, height;   // the box, or the area left for a picture shown at its own size
    bool stretch;
    // What it shows, for a screen reader, in words that leave the answers to
    // the pupils: "Pie chart of the sources of background radiation ...".
    QString description{};
};

// A fixed caption: the instruction, a note line, a surface caption.
struct FixedText {
    QString name;          // its role: "instruction", "note", "silverSurface"
    int index;             // its row among texts of one role; -1 for a lone text
    QString text;
    forms::TwipRect at;
    forms::LabelLook look;
    bool aboveAnswers = false;
};

struct LineData {
    int index;             // its index among the screen's lines
    float x1, y1, x2, y2;
    QColor colour;
    int width;             // pixels
    Qt::PenStyle style = Qt::SolidLine;
    bool aboveAnswers = false;
};

struct ScoreLinePlace {
    QString name;          // "scoreLine"
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

} // namespace activity
