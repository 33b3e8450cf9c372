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
    // How a released label finds its box. Our screens' layouts were made for
    // capture zones tested in number order, where labels may share a box. A
    // teacher's layout may put boxes close together: there a label lands in
    // the box nearest its centre among those it overlaps, and a box holds
    // one label, a label dropped on a full box swapping places with it.
    enum class Landing { FirstZone, NearestBoxOneEach };

    AnswerBoard(forms::ControlGroup<forms::Label>& targets, forms::ControlGroup<forms::Label>& answers,
                forms::ControlGroup<forms::Label>& homes)
        : targets_(targets), answers_(answers), homes_(homes)
    {
    }

    // The answer labels and home boxes the loops run over: as many as the
    // screen dealt, never more than this board has controls for.
    int count() const;
    // The targets: as many as the answers, unless some answers belong to no
    // target (wrong answers dealt among the right ones).
    int targetCount() const;
    void setCount(int count, int targets = -1)
    {
        count_ = count;
        targets_count_ = targets;
    }
    void setLanding(Landing landing) { landing_ = landing; }
    Landing landing() const { return landing_; }

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
    // Snaps the label into its box by the board's landing rule; returns
    // whether every target now holds an answer label.
    bool drop(int index);
    // Every answer label back into its own home box.
    void sendHome();
    // The labels' places now are where they rest: where a label dropped on a
    // full box sends the one it displaces. Dealing, drops and sendHome rest
    // them; call it after moving labels otherwise.
    void rest();

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
    Corner restingPlace(int index) const;

    int count_ = 0;
    int targets_count_ = -1;
    Landing landing_ = Landing::FirstZone;
    std::vector<Corner> resting_;
};

} // namespace activity
