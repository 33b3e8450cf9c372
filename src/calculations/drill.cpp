#include "calculations/drill.h"
#include "activity/catalogue.h"
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

const QString LevelCaptions[] = {QStringLiteral("Level 1"), QStringLiteral("Level 2")};
const forms::TwipRect LevelPlaces[] = {{240, 120, 1455, 375}, {240, 480, 1455, 375}};

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
      Label7(*new Label(this, QStringLiteral("Label7"))),
      Label1(*new Label(this, QStringLiteral("Label1"))),
      Text1(*new RichText(this, QStringLiteral("Text1"))),
      Label4(*new Label(this, QStringLiteral("Label4"))),
      Picture1(*new DiagramView(this, QStringLiteral("Picture1"))),
      Label2(*new Label(this, QStringLiteral("Label2"))),
      Text2(*new RichText(this, QStringLiteral("Text2"))),
      data_(data)
{
    const activity::Topic* topic = activity::topicOf(data.screen);
    setCaption(topic ? topic->title : data.screen);
    const bool levels = !data.levels.empty();
    forms::design(Label7, data.instruction, {levels ? 1920.f : 600.f, 180, levels ? 9240.f : 10800.f, 600},
                  activity::timesText(20.25));
    frame(Label1);
    frame(Label4);
    frame(Label2);
    Text1.setFont(questionFont());
    Text1.setForeColor(forms::Yellow);
    Text2.setFont(workingFont());
    Text2.setForeColor(forms::Yellow);
    place(drillLayout(true));
    activity::buildCommands(this, Label3, Commands);
    if (levels)
        activity::buildOptions(this, Option1, {data.levels, std::span(LevelPlaces).first(data.levels.size()), forms::Orange, 14.25, 0});

    connect(&Label3, &forms::GroupSignals::clicked, this, [this](int k) { Label3_Click(k); });
    connect(&Option1, &forms::GroupSignals::clicked, this, [this](int k) { Option1_Click(k); });
}

void CalculationDrill::place(const DrillLayout& layout)
{
    const auto put = [](forms::Control& c, const forms::TwipRect& r) { c.place(r.left, r.top, r.width, r.height); };
    put(Label1, layout.question);
    put(Text1, textBox(layout.question));
    put(Label4, layout.diagram);
    put(Picture1, textBox(layout.diagram));
    put(Label2, layout.working);
    put(Text2, textBox(layout.working));
}

void CalculationDrill::load()
{
    activity::prepareScreen(*this, {.panel = &Picture1});
    setBackColor(Background);
    Option1.forEach([](int, forms::OptionButton& level) { level.setBackColor(Background); });
    newquestion();
}

void CalculationDrill::newquestion()
{
    question_ = freshQuestion(data_.generate, screens().platform().random, level_, recent_);
    const bool withDiagram = !std::holds_alternative<std::monostate>(question_.diagram);
    place(drillLayout(withDiagram));
    Label4.setVisible(withDiagram);
    Picture1.setVisible(withDiagram);
    Picture1.setDiagram(question_.diagram);
    Text1.setParagraphs({question_.text});
    Text2.setParagraphs({question_.working.begin(), question_.working.end()}, ResultLine);
    Label2.hide();
    Text2.hide();
}

void CalculationDrill::Label3_Click(int index)
{
    switch (index) {
    case Exit:
        unloadSelf();
        break;
    case ShowAnswer:
        Label2.show();
        Text2.show();
        break;
    case Next:
        newquestion();
        break;
    default:
        break;
    }
}

void CalculationDrill::Option1_Click(int index)
{
    if (index == level_)
        return;
    level_ = index;
    newquestion();
}

void CalculationDrill::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(Label3);
}

} // namespace calculations
