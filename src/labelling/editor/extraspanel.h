#pragma once
// What a teacher may add to an activity but need not: wrong answers dealt
// with the right ones, and what a screen reader says of the picture and of
// what each box points to. Laid over the picture when asked for, so that
// making the labels never waits on them.

#include "labelling/editor/draft.h"
#include "activity/hosted.h"
#include "forms/controlgroup.h"
#include "forms/label.h"

#include <vector>

namespace labelling {

class ExtrasPanel : public forms::Control {
    Q_OBJECT
public:
    ExtrasPanel(QWidget* parent, LabelDraft& draft, const forms::TwipRect& at);

    activity::TextField& description;
    std::vector<activity::TextField*> distractors; // MostDistractors of them
    std::vector<activity::TextField*> pointsTo;     // one a label, MostOwnLabels of them
    forms::ControlGroup<forms::Label> pointsToCaptions{QStringLiteral("pointsToCaptions")};
    forms::Label& done;

    // Every field, in the order Tab takes them.
    std::vector<QWidget*> tabOrder() const;
    // The fields shown again from the draft: one row a label.
    void showDraft();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    activity::TextField& field(const QString& name, const forms::TwipRect& at, const QString& spoken, LabelDraft::Text text,
                               int index);

    LabelDraft& draft_;
};

} // namespace labelling
