#include "labelling/activity.h"
#include "activity/commands.h"
#include "activity/setup.h"
#include "forms/screens.h"

#include <algorithm>

namespace labelling {

namespace {
using forms::Label;

const activity::Command Commands[] = {activity::ExitCommand, activity::StartAgainCommand, activity::CheckScoreCommand,
                                      {QStringLiteral("Show Answers"), {480, 7920, 2565, 495}}};

// A tick or a cross a class reads from the back: white on green or red.
constexpr float MarkSide = 390;
const QColor RightGreen(0, 128, 0), WrongRed(200, 0, 0), MarkText(255, 255, 255);
const QString Tick = QStringLiteral("\u2713"), Cross = QStringLiteral("\u2717");

// Where the corners of labels no target can share are put to leave a target empty.
constexpr activity::Corner Nowhere{-1e9f, -1e9f};

} // namespace

LabellingActivity::LabellingActivity(forms::Screens& screens, const ActivityData& data)
    : Screen(screens, data.screen), data_(data)
{
    setCaption(data.caption);
    // Created bottom to top: pictures beneath everything, answer labels above
    // all but the few controls a screen asks to lie above them.
    for (int k = 0; k < int(data.pictures.size()); ++k) {
        const PicturePlace& p = data.pictures[k];
        forms::Image& image = pictures.create(this, k);
        image.setStretch(p.stretch);
        image.place(p.left, p.top, p.width, p.height);
        // Named by what it shows, so that a screen reader does not pass it by as decoration.
        image.setAccessibleName(p.description);
        image.setAccessibleDescription(p.description);
    }
    buildLines(false);
    const int items = int(data.items.size());
    for (int i = 0; i < data.targetCount(); ++i) {
        const Item& item = data.items[i];
        Label& target = forms::design(targets.create(this, i), item.answer, item.target(), answerBox(data.answerPoints));
        if (!item.pointsTo.isEmpty())
            target.setAccessibleDescription(QStringLiteral("Target %1: points to %2").arg(i + 1).arg(item.pointsTo));
    }
    for (int i = 0; i < items; ++i) {
        Label& home = homes.create(this, i);
        home.setBorder(true);
        home.place(data.items[i].homeLeft, data.items[i].homeTop, data.items[i].width, data.items[i].height);
    }
    activity::buildCommands(this, commands, std::span(Commands).first(data.marksTargets ? 4 : 3));
    commands(CheckScore).hide();
    if (data.marksTargets)
        commands(ShowAnswers).hide();

    const ScoreLinePlace& s = data.scoreLine;
    scoreLine_ = new Label(this, s.name);
    forms::LabelLook scoreLook = timesText(s.points);
    scoreLook.align = s.align;
    forms::design(*scoreLine_, QStringLiteral("7 out of 7 correct"), s.at, scoreLook);
    scoreLine_->setAutoSize(s.autoSize);
    scoreLine_->hide();

    buildTexts(false);
    if (data.variants) {
        const VariantSwitch& v = *data.variants;
        activity::buildOptions(this, variantSwitch, {v.captions, v.at, v.textColour, 12, v.own});
    }
    for (int i = 0; i < items; ++i) {
        const Item& item = data.items[i];
        forms::design(answers.create(this, i), item.answer,
                      {item.homeLeft, item.homeTop, item.width, item.height}, answerBox(data.answerPoints));
    }
    buildTexts(true);
    buildLines(true);
    if (data.marksTargets)
        buildMarks();

    connect(&answers, &forms::GroupSignals::moved, this, &LabellingActivity::dragAnswer);
    connect(&answers, &forms::GroupSignals::released, this, [this](int i, const forms::MouseArgs&) { dropAnswer(i); });
    connect(&commands, &forms::GroupSignals::clicked, this, &LabellingActivity::runCommand);
    connect(&variantSwitch, &forms::GroupSignals::clicked, this, &LabellingActivity::switchVariant);

    if (data.extras.build)
        data.extras.build(*this);
}

void LabellingActivity::buildTexts(bool aboveAnswers)
{
    for (const FixedText& t : data_.texts)
        if (t.aboveAnswers == aboveAnswers)
            texts_[{t.name, t.index}] = &forms::design(*new Label(this, t.name, t.index), t.text, t.at, t.look);
}

void LabellingActivity::buildMarks()
{
    constexpr float Overlap = 60; // twips of the box a mark beside it still takes, so it plainly belongs to it
    for (int t = 0; t < data_.targetCount(); ++t) {
        const forms::TwipRect box = data_.items[t].target();
        Label& mark = marks.create(this, t);
        // Beside the box's right end, or above or below it, where no other
        // box stands there, so that the answer stays readable; inside its
        // right end on a picture too crowded for that.
        const float side = std::min(MarkSide, box.height);
        const float right = box.left + box.width;
        const forms::TwipRect beside[] = {{right - Overlap, box.top + (box.height - side) / 2, side, side},
                                          {right - side, box.top - side + Overlap, side, side},
                                          {right - side, box.top + box.height - Overlap, side, side}};
        const auto free = [&](const forms::TwipRect& at) {
            if (at.top < 0 || at.left + side > twipWidth() || at.top + side > twipHeight())
                return false;
            for (int other = 0; other < data_.targetCount(); ++other)
                if (other != t && forms::overlaps(at, data_.items[other].target()))
                    return false;
            return true;
        };
        const auto found = std::find_if(std::begin(beside), std::end(beside), free);
        const forms::TwipRect at = found != std::end(beside) ? *found
                                                             : forms::TwipRect{right - side, box.top + (box.height - side) / 2, side, side};
        forms::design(mark, Tick, at, {"Arial", 15.75, true, MarkText, RightGreen, true, true, Label::Align::Center});
        mark.hide();
    }
}

void LabellingActivity::showMarks(bool on)
{
    marks.forEach([this, on](int t, Label& mark) {
        if (!on) {
            mark.hide();
            return;
        }
        const bool right = holdsRightAnswer(t);
        mark.setCaption(right ? Tick : Cross);
        mark.setBackColor(right ? RightGreen : WrongRed);
        mark.setAccessibleName(right ? tr("Target %1 is right").arg(t + 1) : tr("Target %1 is wrong").arg(t + 1));
        mark.show();
        mark.raise();
    });
}

bool LabellingActivity::holdsRightAnswer(int t) const
{
    // Every rule credits each target at most once: a target's credit is
    // what the score loses when the labels on it are taken away.
    std::vector<Corner> labels = board.answerCorners();
    const std::vector<Corner> targetCorners = board.targetCorners();
    if (t < 0 || t >= int(targetCorners.size()))
        return false;
    const int whole = data_.score(labels, targetCorners, board.targetCount());
    for (Corner& label : labels)
        if (label == targetCorners[std::size_t(t)])
            label = Nowhere;
    return data_.score(labels, targetCorners, board.targetCount()) < whole;
}

void LabellingActivity::buildLines(bool aboveAnswers)
{
    for (const LineData& l : data_.lines)
        if (l.aboveAnswers == aboveAnswers) {
            forms::Line& line = lines.create(this, l.index);
            line.setPen(l.colour, l.width, l.style);
            line.setEnds(l.x1, l.y1, l.x2, l.y2);
        }
}

Label* LabellingActivity::text(const QString& name, int index) const
{
    const auto it = texts_.find({name, index});
    return it == texts_.end() ? nullptr : it->second;
}

void LabellingActivity::load()
{
    activity::prepareScreen(*this);
    setBackColor(data_.background);
    variantSwitch.forEach([this](int, forms::OptionButton& option) { option.setBackColor(data_.background); });
    board.setCount(static_cast<int>(data_.items.size()), data_.targetCount());
    board.setLanding(data_.landing);
    board.sizeHomes();
    for (int k = 0; k < int(data_.pictures.size()); ++k)
        pictures(k).loadPicture(data_.pictures[k].file);
    board.dealAnswers();
    if (data_.extras.afterLoad)
        data_.extras.afterLoad(*this);
    placing.attach();
    touches.attach();
    // Tab: the answer labels (which take it once attached), then the commands
    // along the foot from the left, then the variant switch.
    std::vector<QWidget*> order;
    answers.forEach([&order](int, Label& answer) { order.push_back(&answer); });
    for (const int command : {StartAgain, CheckScore, Exit})
        order.push_back(&commands(command));
    variantSwitch.forEach([&order](int, forms::OptionButton& option) { order.push_back(&option); });
    activity::chainTabOrder(order);
}

void LabellingActivity::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(commands);
}

void LabellingActivity::dragAnswer(int index, const forms::MouseArgs& args) { board.drag(index, args); }

void LabellingActivity::dropAnswer(int index)
{
    scoreLine_->hide();
    showMarks(false);
    if (board.drop(index))
        commands(CheckScore).show();
}

void LabellingActivity::runCommand(int index)
{
    switch (index) {
    case Exit:
        unloadSelf();
        break;
    case StartAgain:
        startAgain();
        break;
    case CheckScore:
        checkScore();
        break;
    case ShowAnswers:
        showAnswers();
        break;
    default:
        break;
    }
}

void LabellingActivity::startAgain()
{
    scoreLine_->hide();
    showMarks(false);
    board.sendHome();
    commands(CheckScore).hide();
    if (data_.marksTargets)
        commands(ShowAnswers).hide();
}

void LabellingActivity::checkScore()
{
    const int score = data_.score(board.answerCorners(), board.targetCorners(), board.targetCount());
    scoreLine_->setCaption(scoreText(score, board.targetCount()));
    scoreLine_->show();
    showMarks(true);
    if (data_.marksTargets)
        commands(ShowAnswers).show();
}

void LabellingActivity::showAnswers()
{
    showMarks(false);
    for (int i = 0; i < board.count(); ++i) {
        const forms::Label& to = i < board.targetCount() ? board.target(i) : board.home(i);
        board.answer(i).moveTo(to.left(), to.top());
    }
    board.rest();
}

void LabellingActivity::switchVariant(int index)
{
    if (!data_.variants || index == data_.variants->own)
        return;
    showInstead(data_.variants->screens[index]);
}

void addScreen(forms::Screens& screens, const ActivityData& data)
{
    screens.add(data.screen, [&data](forms::Screens& s) { return std::make_unique<LabellingActivity>(s, data); });
}

LabellingTopic labellingTopic(activity::Topic topic, std::span<const ActivityData> tables)
{
    for (const ActivityData& table : tables)
        topic.screens.push_back(table.screen);
    topic.pictures = pictureFiles(tables);
    topic.addScreens = [tables](forms::Screens& screens) {
        for (const ActivityData& table : tables)
            addScreen(screens, table);
    };
    return {std::move(topic), tables};
}

} // namespace labelling
