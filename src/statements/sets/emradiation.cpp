// Electromagnetic Radiation: which part of the spectrum has this use.
#include "statements/quiz.h"
#include "statements/quiztopic.h"

namespace statements {

QuizTopic emRadiation()
{
    // In spectrum order, longest wavelength first. Soft hyphens let the long
    // names break over two lines on the narrow buttons.
    static const QuizData quiz{
        "emradiation", "Which type of electromagnetic radiation has this use?", "Use",
        choiceRow({"Radio waves", "Micro\u00ADwaves", "Infrared", "Visible light", "Ultra\u00ADviolet", "X-rays",
                   "Gamma rays"},
                  4140, 1620, 840, 30),
        15.75, {"emradiation.txt"}, {}};
    return quizTopic<StatementQuiz>({.title = "Electromagnetic Radiation",
            .guide = {"Different types of electromagnetic radiation have different uses. Pupils match the radiation "
                      "to its use.",
                      "When the pupil clicks an answer, the program will tell the pupil whether or not they are "
                      "correct. If they are wrong they can try another answer.",
                      "Individual white boards can be used to display each answer."}}, quiz);
}

} // namespace statements
