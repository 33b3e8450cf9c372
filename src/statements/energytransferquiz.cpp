#include "statements/energytransferquiz.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/setup.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/screens.h"

namespace statements {

namespace {
// Across the screen, its foot under the diagram's top edge.
const forms::TwipRect InstructionPlace{600, 180, 10800, 900};
const forms::TwipRect DiagramPlace{240, 1020, 11520, 3960};
} // namespace

EnergyTransferQuiz::EnergyTransferQuiz(forms::Screens& screens, const QuizData& data, const QString& title)
    : Screen(screens, data.screen),
      instruction(forms::design(*new forms::Label(this, "instruction"), data.instruction, InstructionPlace,
                                activity::timesText(20.25))),
      diagram(*new SankeyView(this, "diagram")),
      parts(*this, data)
{
    setCaption(title);
    diagram.place(DiagramPlace.left, DiagramPlace.top, DiagramPlace.width, DiagramPlace.height);
    connect(&parts, &QuizParts::dealt, this, &EnergyTransferQuiz::show);
    connect(&parts, &QuizParts::answered, this, [this] { diagram.reveal(); });
}

void EnergyTransferQuiz::load()
{
    activity::prepareScreen(*this, {.panel = &diagram});
    setBackColor(QuizBackground);
    parts.restart(int(devices().size()));
}

void EnergyTransferQuiz::show(int device)
{
    const SankeyQuestion question = makeSankey(device, screens().platform().random);
    for (int k = 0; k < parts.choices.count(); ++k)
        parts.choices(k).setCaption(QStringLiteral("%1 J").arg(question.choices[std::size_t(k)]));
    diagram.setQuestion(question, false);
    forms::announceName(diagram);
    parts.ask(question.answer, efficiencyWorking(question));
}

void EnergyTransferQuiz::moveOverBackground(const forms::MouseArgs&) { activity::dimCommands(parts.commands); }

} // namespace statements
