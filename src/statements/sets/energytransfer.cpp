// Energy Transfer Diagrams: the missing energy on a diagram made afresh each time.
#include "statements/energytransferquiz.h"
#include "statements/quiztopic.h"

namespace statements {

QuizTopic energyTransfer()
{
    static const QuizData quiz{"energytransfer", "Find the missing energy on this diagram.", "Diagram",
                               choiceRow({"", "", "", ""}, 5100, 2160, 600, 360), 20.25, {}, {}, 5580};
    return quizTopic<EnergyTransferQuiz>({.title = "Energy Transfer Diagrams",
            .guide = {"Pupils find the missing energy on an energy transfer diagram.",
                      "Extension - When the correct answer has been chosen, the efficiency of the system could be "
                      "calculated.\n(efficiency = useful output energy transfer \u00F7 total input energy transfer)"}}, quiz);
}

} // namespace statements
