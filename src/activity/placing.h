#pragma once
// Placing answer labels without dragging, for pupils who cannot drag and for
// boards whose drags are unreliable. A tap (a press and release that does not
// move) on an answer label picks it up; a tap on a target or home box puts
// it there, a tap anywhere else puts it down there, a tap on the picked label
// again puts it down where it is. Where a box holds one label, a tap on a
// label in a box while another is picked up puts the picked one there, and
// the two swap. The keyboard does the same: Tab moves
// through the answer labels, Enter picks one up, the arrow keys or Tab move
// through the targets, Enter places it, Escape cancels. Every placing ends in
// the board's own drop pass, exactly as a drag that ends there would.

#include "activity/board.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <functional>

namespace forms { class Screen; }

namespace activity {

class Placing : public QObject {
    Q_OBJECT
public:
    // `dropped(i)` is what the screen does when answer label i is let go.
    Placing(forms::Screen& screen, AnswerBoard& board, std::function<void(int)> dropped);

    // Watches the screen's controls and lets the answer labels take the Tab
    // key; called once the screen's controls are built.
    void attach();

    // The answer label picked up, or -1.
    int picked() const { return picked_; }
    // The target the keyboard would place on, or -1.
    int cursor() const { return cursor_; }

    void pickUp(int answer);
    // Puts the picked label with its top-left corner here (screen twips) and
    // lets it go.
    void putDownAt(Corner corner);
    // Puts it down with its centre here, kept inside the screen.
    void putDownCentredOn(QPointF twips);
    void cancel();

    // What a screen reader hears of target t.
    QString targetName(int t) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int answer, int key);
    void tapped(QWidget* on, QPointF twipsOnScreen);
    void moveCursor(int step);
    void showCursor(bool on);
    int answerIndex(const QObject* o) const;
    // Whether answer label `answer` lies exactly in a target or a home box.
    bool liesInABox(int answer) const;
    int boxIndex(const QObject* o, bool targets) const;

    forms::Screen& screen_;
    AnswerBoard& board_;
    std::function<void(int)> dropped_;
    int picked_ = -1;
    int cursor_ = -1;
    QColor pickedFore_, pickedBack_;
    bool pickedOpaque_ = false;
    QColor cursorFore_, cursorBack_;
    bool cursorOpaque_ = false;
    // The press that may become a tap.
    QPointer<QWidget> pressedOn_;
    QPointF pressedAt_;
    bool movedSincePress_ = false;
};

} // namespace activity
