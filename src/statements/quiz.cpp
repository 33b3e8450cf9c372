// The statement quiz: its layout and its handlers.
#include "statements/quiz.h"
#include "activity/catalogue.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/setup.h"
#include "forms/design.h"
#include "forms/screens.h"
#include "statements/textfit.h"

#include <QFontMetrics>

namespace statements {

namespace {
using forms::Label;

const QColor Background(41, 65, 137);
const QColor GreyBack(85, 85, 85), GreyText(160, 160, 160);

const activity::Command Commands[] = {activity::ExitCommand, activity::StartAgainCommand,
                                      {"Answer", {6000, 7920, 2040, 495}}, {"Next", {8160, 7920, 2280, 495}}};
// Clear of the statement box below them.
const forms::TwipRect LevelPlaces[] = {{240, 120, 1335, 435}, {240, 600, 1335, 435}};

// Beside the level switch where there is one, across the screen where not.
const forms::TwipRect InstructionPlace{1800, 180, 8400, 900}, WideInstructionPlace{600, 180, 10800, 900};
const forms::TwipRect DiagramPlace{240, 1020, 11520, 3960};
constexpr float MarkSize = 600, MarkGap = 120;
constexpr double ReasonPoints = 18, ReasonLeast = 12;

const forms::LabelLook StatementLook{StatementFamily, StatementPoints, true, forms::Yellow, forms::Black, false, false,
                                     Label::Align::Center};
const forms::LabelLook FeedbackLook{"Times New Roman", 24, true, forms::Yellow, forms::Black, false, false,
                                    Label::Align::Left};
const forms::LabelLook TallyLook{"Times New Roman", 15.75, false, forms::Yellow, forms::Black, false, false,
                                 Label::Align::Center};
} // namespace

StatementQuiz::StatementQuiz(forms::Screens& screens, const QuizData& data)
    : Screen(screens, data.screen),
      Label7(*new Label(this, "Label7")),
      Label1(*new Label(this, "Label1")),
      Label2(*new Label(this, "Label2")),
      Picture1(*new SankeyView(this, "Picture1")),
      Mark1(*new Mark(this, "Mark1")),
      Label5(*new Label(this, "Label5")),
      Label6(*new Label(this, "Label6")),
      Label8(*new Label(this, "Label8")),
      data_(data)
{
    if (const activity::Topic* topic = activity::topicOf(data.screen))
        setCaption(topic->title);
    forms::design(Label7, data.instruction, data.levels.isEmpty() ? WideInstructionPlace : InstructionPlace,
                  activity::timesText(20.25));
    forms::design(Label1, {}, StatementBox, activity::answerBox(StatementPoints));
    forms::design(Label2, {}, StatementBox, StatementLook);
    Picture1.place(DiagramPlace.left, DiagramPlace.top, DiagramPlace.width, DiagramPlace.height);
    Label1.setVisible(!data.diagrams);
    Label2.setVisible(!data.diagrams);
    Picture1.setVisible(data.diagrams);

    const float top = data.feedbackTop;
    Mark1.place(0, top, MarkSize, MarkSize);
    forms::design(Label5, {}, {0, top + 30, 0, 555}, FeedbackLook);
    forms::design(Label6, {}, reasonArea(data), activity::timesText(ReasonPoints));
    forms::design(Label8, {}, {360, 7380, 11280, 420}, TallyLook);

    for (int k = 0; k < int(data.choices.size()); ++k)
        forms::design(Label4.create(this, k), data.choices[std::size_t(k)].caption, data.choices[std::size_t(k)].at,
                      activity::answerBox(data.choicePoints));
    greyed_.assign(data.choices.size(), false);
    activity::buildCommands(this, Label3, Commands);
    if (!data.levels.isEmpty())
        activity::buildOptions(this, Option1,
                               {std::span<const QString>(data.levels.constData(), std::size_t(data.levels.size())),
                                LevelPlaces, forms::Orange, 14.25, 0});

    connect(&Label3, &forms::GroupSignals::clicked, this, [this](int k) { Label3_Click(k); });
    connect(&Label4, &forms::GroupSignals::clicked, this, [this](int k) { Label4_Click(k); });
    connect(&Option1, &forms::GroupSignals::clicked, this, [this](int k) { Option1_Click(k); });
}

void StatementQuiz::load()
{
    activity::prepareScreen(*this, {.panel = &Picture1});
    setBackColor(Background);
    Option1.forEach([](int, forms::OptionButton& level) { level.setBackColor(Background); });
    loadSet();
    startRound();
}

int StatementQuiz::questionCount() const
{
    return data_.diagrams ? int(devices().size()) : int(set_.statements.size());
}

int StatementQuiz::rightChoice() const
{
    if (data_.diagrams)
        return diagram_.answer;
    const int shown = deck_.current();
    return shown < 0 ? -1 : set_.statements[std::size_t(shown)].answer;
}

void StatementQuiz::loadSet()
{
    if (data_.sets.isEmpty())
        return;
    int level = 0;
    Option1.forEach([&level](int k, forms::OptionButton& option) { if (option.Value()) level = k; });
    QStringList answers;
    for (const Choice& choice : data_.choices)
        answers << choice.caption;
    set_ = loadStatements(data_.sets.value(level, data_.sets.front()), answers, teacherFolder());
}

void StatementQuiz::startRound()
{
    rightFirstTime_ = 0;
    deck_.shuffle(questionCount(), screens().platform().random, deck_.current());
    nextQuestion();
}

void StatementQuiz::nextQuestion()
{
    if (deck_.size() == 0) {
        showQuestion(); // nothing to deal: an empty box rather than a loop
        return;
    }
    if (deck_.usedUp()) {
        startRound(); // every statement has been seen: a new round
        return;
    }
    deck_.deal();
    if (data_.diagrams)
        diagram_ = makeSankey(deck_.current(), screens().platform().random);
    showQuestion();
}

void StatementQuiz::showQuestion()
{
    wrongTries_ = 0;
    settled_ = false;
    for (int k = 0; k < Label4.count(); ++k) {
        if (data_.diagrams)
            Label4(k).setCaption(QStringLiteral("%1 J").arg(diagram_.choices[std::size_t(k)]));
        setChoiceLook(k, false);
    }
    feedback(Mark::Shape::None, {});
    showReason({});
    if (data_.diagrams)
        Picture1.setQuestion(diagram_, false);
    else if (deck_.current() >= 0)
        showStatement(set_.statements[std::size_t(deck_.current())]);
    showTally();
}

forms::TwipRect statementArea()
{
    return {StatementBox.left + StatementInset, StatementBox.top + StatementInset,
            StatementBox.width - 2 * StatementInset, StatementBox.height - 2 * StatementInset};
}

TextFit fitStatement(const QString& text)
{
    const forms::TwipRect area = statementArea();
    return fitText(text, StatementFamily, true, QSize(forms::designPixels(area.width), forms::designPixels(area.height)),
                   StatementPoints, StatementLeast);
}

void StatementQuiz::showStatement(const Statement& statement)
{
    const TextFit fit = fitStatement(statement.text);
    if (fit.cut)
        qWarning("%s:%d: statement too long to show in full; cut short", qPrintable(set_.file), statement.line);
    const forms::TwipRect area = statementArea();
    const float height = forms::designTwips(fit.heightPixels);
    Label2.setDesignFont(StatementFamily, fit.points, true);
    Label2.place(area.left, area.top + (area.height - height) / 2, area.width, height);
    Label2.setCaption(fit.text);
}

forms::TwipRect reasonArea(const QuizData& data)
{
    const float top = data.feedbackTop + 660;
    return {360, top, 11280, 7380 - top};
}

TextFit fitReason(const QString& text, const QuizData& data)
{
    const QRect box = forms::designArea(reasonArea(data));
    return fitText(text, QStringLiteral("Times New Roman"), false, box.size(), ReasonPoints, ReasonLeast);
}

// The mark and its words, centred together on the screen.
void StatementQuiz::feedback(Mark::Shape shape, const QString& text)
{
    Mark1.setShape(shape);
    Label5.setCaption(text);
    const float textWidth = forms::designTwips(QFontMetrics(Label5.font()).horizontalAdvance(text) + 8);
    const float markWidth = shape == Mark::Shape::None ? 0 : MarkSize + MarkGap;
    const float left = (Width() - markWidth - textWidth) / 2;
    Mark1.setLeft(left);
    Label5.setLeft(left + markWidth);
    Label5.setWidth(textWidth);
}

void StatementQuiz::showReason(const QString& text)
{
    const TextFit fit = fitReason(text, data_);
    Label6.setDesignFont(QStringLiteral("Times New Roman"), fit.points, false);
    Label6.setCaption(fit.text);
}

void StatementQuiz::setChoiceLook(int k, bool grey)
{
    const Choice& c = data_.choices[std::size_t(k)];
    greyed_[std::size_t(k)] = grey;
    Label4(k).setBackColor(grey ? GreyBack : c.back);
    Label4(k).setForeColor(grey ? GreyText : c.fore);
}

QString StatementQuiz::reasonText() const
{
    if (data_.diagrams)
        return efficiencyWorking(diagram_);
    const int shown = deck_.current();
    if (shown < 0)
        return {};
    const Statement& s = set_.statements[std::size_t(shown)];
    const QString answer = data_.choices[std::size_t(s.answer)].caption;
    return s.reason.isEmpty() ? answer : answer + QStringLiteral(" \u2013 ") + s.reason;
}

// The question is over: the right choice stands out, the others grey out.
void StatementQuiz::settle(bool pupilRight)
{
    settled_ = true;
    if (pupilRight && wrongTries_ == 0)
        ++rightFirstTime_;
    for (int k = 0; k < Label4.count(); ++k)
        setChoiceLook(k, k != rightChoice());
    if (data_.diagrams)
        Picture1.setQuestion(diagram_, true);
    showReason(reasonText());
    showTally();
}

void StatementQuiz::Label4_Click(int index)
{
    if (settled_ || greyed_.at(std::size_t(index)) || rightChoice() < 0)
        return;
    if (index == rightChoice()) {
        feedback(Mark::Shape::Tick, QStringLiteral("Correct"));
        settle(true);
        return;
    }
    ++wrongTries_;
    feedback(Mark::Shape::Cross, QStringLiteral("Not quite \u2013 try again"));
    // With two choices the other one is plainly left; with more, rule this one out.
    if (Label4.count() > 2)
        setChoiceLook(index, true);
}

void StatementQuiz::Label3_Click(int index)
{
    switch (index) {
    case Exit:
        unloadSelf();
        break;
    case StartAgain:
        startRound();
        break;
    case Answer:
        if (!settled_ && rightChoice() >= 0) {
            feedback(Mark::Shape::None, QStringLiteral("The answer is: %1").arg(Label4(rightChoice()).Caption()));
            settle(false);
        }
        break;
    case Next:
        nextQuestion();
        break;
    default:
        break;
    }
}

void StatementQuiz::Option1_Click(int)
{
    loadSet();
    deck_ = Deck();
    startRound();
}

void StatementQuiz::showTally()
{
    Label8.setCaption(QStringLiteral("%1 %2 of %3 \u00B7 right first time: %4")
                          .arg(data_.noun)
                          .arg(deck_.dealt())
                          .arg(deck_.size())
                          .arg(rightFirstTime_));
}

void StatementQuiz::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(Label3);
}

} // namespace statements
