#pragma once
// An energy transfer (Sankey) diagram drawn at run time: the input arrow
// splitting into its useful and wasted branches, each as wide as its share,
// each labelled with what it is and its energy; the hidden value shows "?".

#include "forms/control.h"
#include "statements/sankey.h"

namespace statements {

class SankeyView : public forms::Control {
    Q_OBJECT
public:
    SankeyView(QWidget* parent, const QString& name);
    void setQuestion(const SankeyQuestion& question, bool revealed);
    void reveal();
    const SankeyQuestion& question() const { return question_; }
    bool revealed() const { return revealed_; }
    // The text beside a branch, as the pupils read it.
    QString labelOf(Branch branch) const;
    // What the diagram shows, for a screen reader: "Sankey diagram, filament
    // lamp: input 600 J (energy transferred electrically), useful ? (light), ...".
    QString description() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SankeyQuestion question_;
    bool revealed_ = false;
};

} // namespace statements
