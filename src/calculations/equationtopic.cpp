// Equation practice as a menu topic: its title, its Teachers' Guide row and its screens.
#include "activity/topic.h"
#include "calculations/equationchoice.h"
#include "calculations/equationdrill.h"

namespace calculations {

activity::Topic equationsTopic()
{
    return {.title = "Equation Practice", .screens = {EquationChoiceId, EquationDrillId},
            .guide = {"Pupils recall and use every GCSE physics equation: Recall, find the subject, rearrange, or convert a "
                      "unit first. Answer shows the working.",
                      "Tick the equations for today and choose the level; save the choice as your own equation set in My "
                      "Activities to share it. Pupils hold up mini whiteboards together."},
            .addScreens = [](forms::Screens& screens) {
                addEquationChoice(screens);
                addEquationDrill(screens);
            }};
}

} // namespace calculations
