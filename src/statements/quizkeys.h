#pragma once
// The keyboard on a quiz screen, for a pupil who cannot use the board: Tab
// moves through the choices, the commands and the level switch, a ring
// showing which has the focus; Enter or Space presses that one, exactly as a
// click would; the digits 1 to 7 press the choices in their order from
// anywhere on the screen.

#include "forms/control.h"
#include "forms/controlgroup.h"
#include "forms/label.h"

#include <QObject>
#include <vector>

namespace statements {

// The ring drawn around the control the keyboard is on: thicker than a dotted
// line, so that it shows across a classroom.
class FocusRing : public forms::Control {
    Q_OBJECT
public:
    FocusRing(QWidget* parent, const QString& name);
    void surround(const forms::Control* control);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class QuizKeys : public QObject {
    Q_OBJECT
public:
    QuizKeys(QWidget& screen, forms::ControlGroup<forms::Label>& choices);

    // `control`, a child of the screen, is reachable with Tab, in the order
    // taken, and pressed with Enter or Space.
    void take(forms::Control& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& key);
    forms::Control* taken(const QObject* o) const;

    QWidget& screen_;
    forms::ControlGroup<forms::Label>& choices_;
    std::vector<forms::Control*> taken_;
    FocusRing& ring_;
};

} // namespace statements
