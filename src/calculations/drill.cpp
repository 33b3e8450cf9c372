#include "calculations/drill.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/setup.h"
#include "forms/design.h"
#include "forms/screens.h"

namespace calculations {

namespace {
using forms::Label;

const activity::Command Commands[] = {activity::ExitCommand,
                                      {QStringLiteral("Answer"), activity::StartAgainCommand.at},
                                      {QStringLiteral("Next"), activity::CheckScoreCommand.at}};

const QColor Background(40, 65, 136);
constexpr double QuestionPoints = 20.25;
constexpr double WorkingPoints = 20.25;
constexpr float Inset = 120; // twips between a frame and its text

// Up to three levels, stacked above the question's frame.
const forms::TwipRect LevelPlaces[] = {{240, 45, 1455, 285}, {240, 330, 1455, 285}, {240, 615, 1455, 285}};

// A frame: an empty black box with the shared border.
void frame(Label& label)
{
    forms::style(label, activity::answerBox(12));
}

QFont font(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(forms::fontPixels(points));
    f.setBold(bold);
    return f;
}
} // namespace

DrillLayout drillLayout(bool withDiagram)
{
    // Beside a diagram the question is narrower, so it has more height.
    constexpr float Left = 360, Top = 960, Width = 11280, Bottom = 7800, DiagramWidth = 4200, Gap = 180;
    const float height = withDiagram ? 3360 : 2400;
    const float workingTop = Top + height + Gap;
    const forms::TwipRect working{Left, workingTop, Width, Bottom - workingTop};
    if (!withDiagram)
        return {{Left, Top, Width, height}, {}, working};
    return {{Left, Top, Width - DiagramWidth - Gap, height}, {Left + Width - DiagramWidth, Top, DiagramWidth, height}, working};
}

forms::TwipRect textBox(const forms::TwipRect& f)
{
    return {f.left + Inset, f.top + Inset, f.width - 2 * Inset, f.height - 2 * Inset};
}

QFont questionFont() { return font(QuestionPoints, true); }
QFont workingFont() { return font(WorkingPoints, false); }

CalculationDrill::CalculationDrill(forms::Screens& screens, const DrillData& data)
    : Screen(screens, data.screen),
      instruction(*new Label(this, QStringLiteral("instruction"))),
      questionFrame(*new Label(this, QStringLiteral("questionFrame"))),
      questionText(*new RichText(this, QStringLiteral("questionText"))),
      diagramFrame(*new Label(this, QStringLiteral("diagramFrame"))),
      diagram(*new DiagramView(this, QStringLiteral("diagram"))),
      workingFrame(*new Label(this, QStringLiteral("workingFrame"))),
      workingText(*new RichText(this, QStringLiteral("workingText"))),
      data_(data)
{
    setCaption(data.title);
    const bool leveled = !data.levels.empty();
    forms::design(instruction, data.instruction, {leveled ? 1920.f : 600.f, 180, leveled ? 9240.f : 10800.f, 600},
                  activity::timesText(20.25));
    frame(questionFrame);
    frame(diagramFrame);
    frame(workingFrame);
    questionText.setFont(questionFont());
    questionText.setForeColor(forms::Yellow);
    workingText.setFont(workingFont());
    workingText.setForeColor(forms::Yellow);
    place(drillLayout(true));
    activity::buildCommands(this, commands, Commands);
    if (leveled)
        activity::buildOptions(this, levels, {data.levels, std::span(LevelPlaces).first(data.levels.size()), forms::Orange, 14.25, 0});

    connect(&commands, &forms::GroupSignals::clicked, this, &CalculationDrill::runCommand);
    connect(&levels, &forms::GroupSignals::clicked, this, &CalculationDrill::switchLevel);
}

void CalculationDrill::place(const DrillLayout& layout)
{
    const auto put = [](forms::Control& c, const forms::TwipRect& r) { c.place(r.left, r.top, r.width, r.height); };
    put(questionFrame, layout.question);
    put(questionText, textBox(layout.question));
    put(diagramFrame, layout.diagram);
    put(diagram, textBox(layout.diagram));
    put(workingFrame, layout.working);
    put(workingText, textBox(layout.working));
}

void CalculationDrill::load()
{
    activity::prepareScreen(*this, {.panel = &diagram});
    setBackColor(Background);
    levels.forEach([](int, forms::OptionButton& level) { level.setBackColor(Background); });
    nextQuestion();
}

void CalculationDrill::nextQuestion()
{
    question_ = freshQuestion(data_.generate, screens().platform().random, level_, recent_);
    const bool withDiagram = !std::holds_alternative<std::monostate>(question_.diagram);
    place(drillLayout(withDiagram));
    diagramFrame.setVisible(withDiagram);
    diagram.setVisible(withDiagram);
    diagram.setDiagram(question_.diagram);
    questionText.setParagraphs({question_.text});
    workingText.setParagraphs({question_.working.begin(), question_.working.end()}, ResultLine);
    workingFrame.hide();
    workingText.hide();
}

void CalculationDrill::showAnswer()
{
    workingFrame.show();
    workingText.show();
}

void CalculationDrill::runCommand(int command)
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
    default:
        break;
    }
}

void CalculationDrill::switchLevel(int level)
{
    if (level == level_)
        return;
    level_ = level;
    nextQuestion();
}

void CalculationDrill::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(commands);
}

activity::Topic drillTopic(activity::Topic topic, const DrillData& drill)
{
    topic.title = drill.title;
    topic.screens = {drill.screen};
    topic.addScreens = [&drill](forms::Screens& screens) {
        screens.add(drill.screen, [&drill](forms::Screens& s) { return std::make_unique<CalculationDrill>(s, drill); });
    };
    return topic;
}

} // namespace calculations
