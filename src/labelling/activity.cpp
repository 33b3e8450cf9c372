#include "labelling/activity.h"
#include "activity/commands.h"
#include "activity/setup.h"
#include "forms/screens.h"

namespace labelling {

namespace {
using forms::Label;

const activity::Command Commands[] = {activity::ExitCommand, activity::StartAgainCommand, activity::CheckScoreCommand};

} // namespace

LabellingActivity::LabellingActivity(forms::Screens& screens, const ActivityData& data)
    : Screen(screens, data.screen), data_(data)
{
    setCaption(data.caption);
    // Created bottom to top: pictures beneath everything, answer labels above
    // all but the few controls a screen asks to lie above them.
    for (int k = 0; k < int(data.pictures.size()); ++k) {
        const PicturePlace& p = data.pictures[k];
        forms::Image& image = Image1.create(this, k);
        image.setStretch(p.stretch);
        image.place(p.left, p.top, p.width, p.height);
    }
    buildLines(false);
    const int items = int(data.items.size());
    for (int i = 0; i < items; ++i) {
        const Item& item = data.items[i];
        forms::design(Label1.create(this, i), item.answer, item.target(), answerBox(data.answerPoints));
    }
    for (int i = 0; i < items; ++i) {
        Label& home = Label4.create(this, i);
        home.setBorder(true);
        home.place(data.items[i].homeLeft, data.items[i].homeTop, data.items[i].width, data.items[i].height);
    }
    activity::buildCommands(this, Label3, Commands);
    Label3(CheckScore).hide();

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
        activity::buildOptions(this, Option1, {v.captions, v.at, v.textColour, 12, v.own});
    }
    for (int i = 0; i < items; ++i) {
        const Item& item = data.items[i];
        forms::design(Label2.create(this, i), QStringLiteral("Label2"),
                      {item.homeLeft, item.homeTop, item.width, item.height}, answerBox(data.answerPoints));
    }
    buildTexts(true);
    buildLines(true);

    connect(&Label2, &forms::GroupSignals::moved, this, [this](int i, const forms::MouseArgs& a) { Label2_MouseMove(i, a); });
    connect(&Label2, &forms::GroupSignals::released, this, [this](int i, const forms::MouseArgs&) { Label2_MouseUp(i); });
    connect(&Label3, &forms::GroupSignals::clicked, this, [this](int k) { Label3_Click(k); });
    connect(&Option1, &forms::GroupSignals::clicked, this, [this](int k) { Option1_Click(k); });

    if (data.extras.build)
        data.extras.build(*this);
}

void LabellingActivity::buildTexts(bool aboveAnswers)
{
    for (const FixedText& t : data_.texts)
        if (t.aboveAnswers == aboveAnswers)
            texts_[{t.name, t.index}] = &forms::design(*new Label(this, t.name, t.index), t.text, t.at, t.look);
}

void LabellingActivity::buildLines(bool aboveAnswers)
{
    for (const LineData& l : data_.lines)
        if (l.aboveAnswers == aboveAnswers) {
            forms::Line& line = Line1.create(this, l.index);
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
    Option1.forEach([this](int, forms::OptionButton& option) { option.setBackColor(data_.background); });
    board.setCount(static_cast<int>(data_.items.size()));
    board.sizeHomes();
    for (int k = 0; k < int(data_.pictures.size()); ++k)
        Image1(k).loadPicture(data_.pictures[k].file);
    board.dealAnswers();
    if (data_.extras.afterLoad)
        data_.extras.afterLoad(*this);
    placing.attach();
    touches.attach();
}

void LabellingActivity::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(Label3);
}

void LabellingActivity::Label2_MouseMove(int index, const forms::MouseArgs& args) { board.drag(index, args); }

void LabellingActivity::Label2_MouseUp(int index)
{
    scoreLine_->hide();
    if (board.drop(index))
        Label3(CheckScore).show();
}

void LabellingActivity::Label3_Click(int index)
{
    switch (index) {
    case Exit:
        unloadSelf();
        break;
    case StartAgain:
        scoreLine_->hide();
        board.sendHome();
        Label3(CheckScore).hide();
        break;
    case CheckScore: {
        const int score = data_.score(board.answerCorners(), board.targetCorners(), board.count());
        scoreLine_->setCaption(scoreText(score, board.count()));
        scoreLine_->show();
        break;
    }
    default:
        break;
    }
}

void LabellingActivity::Option1_Click(int index)
{
    if (!data_.variants || index == data_.variants->own)
        return;
    showInstead(data_.variants->screens[index]);
}

} // namespace labelling
