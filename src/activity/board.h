#pragma once
// The moving parts every labelling board shares: answer labels that are
// dragged, the targets and home boxes they snap into, and the completion
// test. The screen owns the controls; the board works on them.

#include "forms/controlgroup.h"
#include "forms/label.h"
#include "activity/rules.h"

#include <vector>

namespace activity {

class AnswerBoard {
public:
    AnswerBoard(forms::ControlGroup<forms::Label>& targets, forms::ControlGroup<forms::Label>& answers,
                forms::ControlGroup<forms::Label>& homes)
        : targets_(targets), answers_(answers), homes_(homes)
    {
    }

    // The items the loops run over: as many as the screen dealt, never more
    // than this board has controls for.
    int count() const;
    void setCount(int count) { count_ = count; }

    // First half of the load: home box i takes the size
    // of answer label i while target i is hidden.
    void sizeHomes();
    // Answer label i takes its text from target i, which then shows its
    // number on a transparent background; home box i moves under answer
    // label i; every answer label and home box is shown.
    void dealAnswers(bool numberTargets = true);

    // The left button alone drags: the label's centre follows the pointer, as
    // far as the label stays whole inside its screen, so that none is lost.
    void drag(int index, const forms::MouseArgs& args);
    // Snaps the label into the first box whose zone holds it; returns whether
    // every answer label now lies on some target.
    bool drop(int index);
    // Every answer label back into its own home box.
    void sendHome();

    forms::Label& answer(int i) const { return answers_(i); }
    forms::Label& target(int i) const { return targets_(i); }
    forms::Label& home(int i) const { return homes_(i); }

    std::vector<Corner> answerCorners() const;
    std::vector<Corner> targetCorners() const;

    // Whether a control is an answer label dealt by a board: for code that
    // knows no screen kind, such as checks run across every screen.
    static bool isAnswerLabel(const QObject& control);

private:
    forms::ControlGroup<forms::Label>& targets_;
    forms::ControlGroup<forms::Label>& answers_;
    forms::ControlGroup<forms::Label>& homes_;
    int count_ = 0;
};

} // namespace activity
