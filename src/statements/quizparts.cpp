// The parts every quiz screen shares: their layout and their handlers.
#include "statements/quizparts.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/screen.h"
#include "forms/screens.h"

#include <QFontMetrics>

namespace statements {

namespace {
using forms::Label;

const QColor GreyBack(85, 85, 85), GreyText(160, 160, 160);

QString spoken(QString caption) { return caption.remove(QChar(0x00AD)).trimmed(); }

const activity::Command Commands[] = {activity::ExitCommand, activity::StartAgainCommand,
                                      {"Answer", {6000, 7920, 2040, 495}}, {"Next", {8160, 7920, 2280, 495}}};
constexpr float MarkSize = 600, MarkGap = 120;
constexpr double ReasonPoints = 18, ReasonLeast = 12;

const forms::LabelLook FeedbackLook{"Times New Roman", 24, true, forms::Yellow, forms::Black, false, false,
                                    Label::Align::Left};
const forms::LabelLook TallyLook{"Times New Roman", 15.75, false, forms::Yellow, forms::Black, false, false,
                                 Label::Align::Center};
} // namespace

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

QuizParts::QuizParts(forms::Screen& screen, const QuizData& data)
    : QObject(&screen),
      mark(*new Mark(&screen, "mark")),
      feedback(*new Label(&screen, "feedback")),
      reason(*new Label(&screen, "reason")),
      tally(*new Label(&screen, "tally")),
      screen_(screen),
      data_(data),
      keys_(*new QuizKeys(screen, choices))
{
    const float top = data.feedbackTop;
    mark.place(0, top, MarkSize, MarkSize);
    forms::design(feedback, {}, {0, top + 30, 0, 555}, FeedbackLook);
    forms::design(reason, {}, reasonArea(data), activity::timesText(ReasonPoints));
    forms::design(tally, {}, {360, 7380, 11280, 420}, TallyLook);

    for (int k = 0; k < int(data.choices.size()); ++k)
        forms::design(choices.create(&screen, k), data.choices[std::size_t(k)].caption, data.choices[std::size_t(k)].at,
                      activity::answerBox(data.choicePoints));
    greyed_.assign(data.choices.size(), false);
    activity::buildCommands(&screen, commands, Commands);
    makeAccessible();

    connect(&choices, &forms::GroupSignals::clicked, this, &QuizParts::choose);
    connect(&commands, &forms::GroupSignals::clicked, this, &QuizParts::runCommand);
}

void QuizParts::makeAccessible()
{
    choices.forEach([this](int k, Label& choice) {
        forms::setAccessibleRole(choice, QAccessible::Button);
        // Its caption as spoken: a soft hyphen only says where the board may break it.
        forms::setAccessibleNameSource(choice, [&choice] { return spoken(choice.caption()); });
        keys_.take(choice);
        // The name stays the caption; what the choice has become is said beside it.
        forms::setAccessibleDescriptionSource(choice, [this, k] {
            if (settled_ && k == right_)
                return QStringLiteral("the answer");
            return greyed_.at(std::size_t(k)) ? QStringLiteral("ruled out") : QString();
        });
    });
    commands.forEach([this](int, Label& command) { keys_.take(command); });
    forms::setAccessibleNameSource(feedback, [this] { return feedbackText(); });
    forms::setAccessibleNameSource(mark, [this] {
        return mark.shape() == Mark::Shape::Tick ? QStringLiteral("tick") : mark.shape() == Mark::Shape::Cross ? QStringLiteral("cross") : QString();
    });
    forms::setAccessibleRole(mark, QAccessible::Graphic);
    forms::setAccessibleDescriptionSource(mark, [this] {
        return mark.shape() == Mark::Shape::Tick ? QStringLiteral("A tick: right") : QStringLiteral("A cross: not right");
    });
}

QString QuizParts::feedbackText() const
{
    const QString words = spoken(feedback.caption());
    if (!settled_ || reasonText_.isEmpty())
        return words;
    return words + QStringLiteral(". ") + spoken(reasonText_);
}

void QuizParts::restart(int count)
{
    deck_ = Deck();
    count_ = count;
    startAgain();
}

void QuizParts::startAgain()
{
    rightFirstTime_ = 0;
    deck_.shuffle(count_, screen_.screens().platform().random, deck_.current());
    next();
}

void QuizParts::next()
{
    if (deck_.size() > 0) {
        if (deck_.usedUp()) {
            startAgain(); // every question has been seen: a new round
            return;
        }
        deck_.deal();
    }
    emit dealt(deck_.current()); // none to deal: an empty box rather than a loop
}

void QuizParts::ask(int right, const QString& reasonText)
{
    right_ = right;
    reasonText_ = reasonText;
    wrongTries_ = 0;
    settled_ = false;
    for (int k = 0; k < choices.count(); ++k)
        setChoiceLook(k, false);
    showFeedback(Mark::Shape::None, {});
    showReason({});
    showTally();
}

// The mark and its words, centred together on the screen.
void QuizParts::showFeedback(Mark::Shape shape, const QString& text)
{
    mark.setShape(shape);
    feedback.setCaption(text);
    const float textWidth = forms::designTwips(QFontMetrics(feedback.font()).horizontalAdvance(text) + 8);
    const float markWidth = shape == Mark::Shape::None ? 0 : MarkSize + MarkGap;
    const float left = (screen_.twipWidth() - markWidth - textWidth) / 2;
    mark.setLeft(left);
    feedback.setLeft(left + markWidth);
    feedback.setTwipWidth(textWidth);
}

void QuizParts::showReason(const QString& text)
{
    const TextFit fit = fitReason(text, data_);
    reason.setDesignFont(QStringLiteral("Times New Roman"), fit.points, false);
    reason.setCaption(fit.text);
}

void QuizParts::setChoiceLook(int choice, bool grey)
{
    const Choice& c = data_.choices[std::size_t(choice)];
    greyed_[std::size_t(choice)] = grey;
    choices(choice).setBackColor(grey ? GreyBack : c.back);
    choices(choice).setForeColor(grey ? GreyText : c.fore);
}

// The question is over: the right choice stands out, the others grey out.
void QuizParts::settle(bool pupilRight)
{
    settled_ = true;
    if (pupilRight && wrongTries_ == 0)
        ++rightFirstTime_;
    for (int k = 0; k < choices.count(); ++k)
        setChoiceLook(k, k != right_);
    emit answered();
    showReason(reasonText_);
    showTally();
}

void QuizParts::choose(int choice)
{
    if (settled_ || greyed_.at(std::size_t(choice)) || right_ < 0)
        return;
    if (choice == right_) {
        showFeedback(Mark::Shape::Tick, QStringLiteral("Correct"));
        settle(true);
    } else {
        ++wrongTries_;
        showFeedback(Mark::Shape::Cross, QStringLiteral("Not quite \u2013 try again"));
        // With two choices the other one is plainly left; with more, rule this one out.
        if (choices.count() > 2)
            setChoiceLook(choice, true);
    }
    forms::announceName(feedback);
}

void QuizParts::showAnswer()
{
    if (settled_ || right_ < 0)
        return;
    showFeedback(Mark::Shape::None, QStringLiteral("The answer is: %1").arg(choices(right_).caption()));
    settle(false);
    forms::announceName(feedback);
}

void QuizParts::runCommand(int command)
{
    switch (command) {
    case Exit:
        screen_.unloadSelf();
        break;
    case StartAgain:
        startAgain();
        break;
    case Answer:
        showAnswer();
        break;
    case Next:
        next();
        break;
    default:
        break;
    }
}

void QuizParts::showTally()
{
    tally.setCaption(QStringLiteral("%1 %2 of %3 \u00B7 right first time: %4")
                         .arg(data_.noun)
                         .arg(deck_.dealt())
                         .arg(deck_.size())
                         .arg(rightFirstTime_));
}

} // namespace statements
