#pragma once
// Choosing today's equations: a tick box for each, grouped by area, the
// Higher-tier ones marked "(HT)", the level, and "Start". The choice is kept
// for the next lesson; the equation a box names is written out in full below
// the boxes when it is ticked or has the keyboard.

#include "activity/editedfile.h"
#include "activity/hosted.h"
#include "calculations/equationset.h"
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <QStringList>
#include <memory>

namespace calculations {

class EquationChoice : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, Start = 1, TickAll = 2, ClearAll = 3, SaveSet = 4 };

    explicit EquationChoice(forms::Screens& screens);

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;
    void runCommand(int command);

    // The ids ticked, in the table's order; the level chosen.
    QStringList ticked() const;
    int level() const;
    // Ticks exactly `ids` (every equation when none is known) and chooses `level`.
    void choose(const QStringList& ids, int level);
    // Keeps the choice and plays it.
    void start();
    // Opens the teacher's equation set at `path` (a new one when empty) to
    // change; "Save Set" writes it there, or a new file in `folder`.
    // `readOnly`: never written in place; Save Set makes the teacher's own copy.
    void editSet(const QString& path, const QString& folder, bool readOnly = false);
    // Saves the ticks and the level as an equation set titled as the title
    // field says; what happened is written below the boxes.
    void saveSet();

    forms::Label& instruction;
    forms::Label& words; // the equation last ticked, in full
    forms::ControlGroup<forms::Label> headings{QStringLiteral("areas")};
    forms::ControlGroup<forms::CheckBox> boxes{QStringLiteral("equations")};
    forms::ControlGroup<forms::OptionButton> levels{QStringLiteral("levels")};
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    activity::Hosted<QLineEdit>& title; // the equation set's title

private:
    void showWords(int box);
    std::vector<int> order_; // box k names equations()[order_[k]]
    std::unique_ptr<activity::EditedFile> file_; // the set edited; none until one is opened or saved
    EquationSet set_;                            // what the set held that the screen does not show
};

void addEquationChoice(forms::Screens& screens);

} // namespace calculations
