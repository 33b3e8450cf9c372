#include "calculations/equationdrill.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/setup.h"
#include "calculations/equationquestions.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/screens.h"

namespace calculations {

namespace {
using forms::Label;

const activity::Command Commands[] = {activity::ExitCommand,
                                      {QStringLiteral("Answer"), activity::StartAgainCommand.at},
                                      {QStringLiteral("Next"), activity::CheckScoreCommand.at},
                                      {QStringLiteral("Choose"), activity::NewQuestionCommand.at}};

const QString LevelCaptions[] = {QStringLiteral("Recall"), QStringLiteral("Level 1"), QStringLiteral("Level 2"), QStringLiteral("Level 3")};
const forms::TwipRect LevelPlaces[] = {{360, 90, 1755, 330}, {2160, 90, 1755, 330}, {3960, 90, 1755, 330}, {5760, 90, 1755, 330}};

const QColor Background(40, 65, 136);
constexpr float Inset = 120;
const forms::TwipRect QuestionFrame{360, 960, 11280, 3000};
const forms::TwipRect WorkingFrame{360, 4140, 11280, 3660};
// From the drill's own size down, as far as a long equation needs.
constexpr double Sizes[] = {20.25, 18, 16, 14.25, 12};

forms::TwipRect inset(const forms::TwipRect& f) { return {f.left + Inset, f.top + Inset, f.width - 2 * Inset, f.height - 2 * Inset}; }

QFont typeOf(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(forms::fontPixels(points));
    f.setBold(bold);
    return f;
}

QString instructionFor(int level)
{
    return level == Recall ? QStringLiteral("Write the equation on your whiteboard, then click Answer.")
                           : QStringLiteral("Work it out on your whiteboard, then click Answer.");
}
} // namespace

forms::TwipRect equationQuestionBox() { return inset(QuestionFrame); }
forms::TwipRect equationWorkingBox() { return inset(WorkingFrame); }

QFont fittingFont(const QStringList& paragraphs, const forms::TwipRect& box, bool bold, int boldParagraph)
{
    const int width = forms::designPixels(box.width), height = forms::designPixels(box.height);
    for (const double points : Sizes) {
        const QFont font = typeOf(points, bold);
        const TextExtent extent = measureText(paragraphs, font, width, boldParagraph);
        if (extent.height <= height && extent.widest <= width)
            return font;
    }
    return typeOf(Sizes[std::size(Sizes) - 1], bold);
}

EquationDrill::EquationDrill(forms::Screens& screens)
    : Screen(screens, EquationDrillId),
      instruction(*new Label(this, QStringLiteral("instruction"))),
      questionFrame(*new Label(this, QStringLiteral("questionFrame"))),
      questionText(*new RichText(this, QStringLiteral("questionText"))),
      workingFrame(*new Label(this, QStringLiteral("workingFrame"))),
      workingText(*new RichText(this, QStringLiteral("workingText")))
{
    setCaption(QStringLiteral("Equation Practice"));
    forms::design(instruction, instructionFor(level_), {7800, 90, 3840, 780}, activity::timesText(14.25));
    for (auto [frame, text, at] : {std::tuple{&questionFrame, &questionText, QuestionFrame}, {&workingFrame, &workingText, WorkingFrame}}) {
        forms::style(*frame, activity::answerBox(12));
        frame->place(at.left, at.top, at.width, at.height);
        const forms::TwipRect box = inset(at);
        text->place(box.left, box.top, box.width, box.height);
        text->setForeColor(forms::Yellow);
        forms::setAccessibleRole(*text, QAccessible::StaticText);
        forms::setAccessibleNameSource(*text, [text] { return text->isVisible() ? text->paragraphs().join(QLatin1Char(' ')) : QString(); });
    }
    activity::buildCommands(this, commands, Commands);
    for (int k = 0; k < commands.count(); ++k)
        activity::runOnKeys(commands(k), [this, k] { runCommand(k); });
    activity::buildOptions(this, levels, {LevelCaptions, LevelPlaces, forms::Orange, 14.25, level_});

    connect(&commands, &forms::GroupSignals::clicked, this, &EquationDrill::runCommand);
    connect(&levels, &forms::GroupSignals::clicked, this, &EquationDrill::switchLevel);
}

void EquationDrill::load()
{
    activity::prepareScreen(*this);
    setBackColor(Background);
    levels.forEach([](int, forms::OptionButton& level) { level.setBackColor(Background); });
    const QString kept = screens().setting(ChosenEquationsKey).toString();
    const int level = std::clamp(screens().setting(EquationLevelKey).toInt(), int(Recall), int(ConvertFirst));
    play(kept.split(QLatin1Char(','), Qt::SkipEmptyParts), screens().setting(EquationLevelKey).isValid() ? level : int(FindSubject));
}

void EquationDrill::play(const QStringList& ids, int level, const QString& caption)
{
    setCaption(caption.isEmpty() ? QStringLiteral("Equation Practice") : caption);
    chosen_ = ids;
    generate_ = equationGenerator(ids);
    level_ = std::clamp(level, int(Recall), int(ConvertFirst));
    levels(level_).setValue(true);
    instruction.setCaption(instructionFor(level_));
    nextQuestion();
}

void EquationDrill::nextQuestion()
{
    question_ = freshQuestion(generate_, screens().platform().random, level_, recent_);
    const QStringList question{question_.text};
    QStringList working;
    for (const QString& line : question_.working)
        if (!line.isEmpty())
            working << line;
    // Recall's answer is the equation itself; a calculation's is its last line.
    const int bold = level_ == Recall ? 0 : int(working.size()) - 1;
    questionText.setFont(fittingFont(question, equationQuestionBox(), true));
    questionText.setParagraphs(question);
    workingText.setFont(fittingFont(working, equationWorkingBox(), false, bold));
    workingText.setParagraphs(working, bold);
    workingFrame.hide();
    workingText.hide();
    forms::announceName(questionText);
}

void EquationDrill::showAnswer()
{
    workingFrame.show();
    workingText.show();
    forms::announceName(workingText);
}

void EquationDrill::runCommand(int command)
{
    switch (command) {
    case Exit:
        unloadSelf();
        break;
    case ShowAnswer:
        showAnswer();
        break;
    case Next:
        nextQuestion();
        break;
    case Choose:
        if (screens().knows(EquationChoiceId))
            screens().show(EquationChoiceId);
        break;
    default:
        break;
    }
}

void EquationDrill::switchLevel(int level)
{
    if (level == level_)
        return;
    screens().choose(EquationLevelKey, level);
    play(chosen_, level, windowTitle());
}

void EquationDrill::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(commands);
}

void addEquationDrill(forms::Screens& screens)
{
    screens.add(EquationDrillId, [](forms::Screens& s) { return std::make_unique<EquationDrill>(s); });
}

} // namespace calculations
