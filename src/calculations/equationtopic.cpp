// Equation practice as a menu topic: its place, its Teachers' Guide row and its screens.
#include "activity/topic.h"
#include "calculations/equationchoice.h"
#include "calculations/equationdrill.h"

namespace calculations {

activity::Topic equationsTopic()
{
    return {.menu = 1, .row = 5, .title = "Equation Practice", .screens = {EquationChoiceId, EquationDrillId},
            .guide = {"Pupils recall, use and rearrange every equation of GCSE physics: those they must learn and those the "
                      "equation sheet gives. Choose the equations for the lesson and the level: Recall (write the equation "
                      "down), Level 1 (find the subject), Level 2 (rearrange to find another quantity) or Level 3 (convert a "
                      "unit first). \"Answer\" shows the working in the words of the equation sheet.",
                      "Pupils write on mini whiteboards and hold them up together. A choice of equations can be saved as "
                      "your own equation set, listed in My Activities and shared with colleagues."},
            .addScreens = [](forms::Screens& screens) {
                addEquationChoice(screens);
                addEquationDrill(screens);
            }};
}

} // namespace calculations
