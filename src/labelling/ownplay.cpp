#include "labelling/ownplay.h"
#include "labelling/activity.h"
#include "labelling/picturedata.h"
#include "forms/picturecontrols.h"
#include "forms/pictures.h"
#include "forms/screens.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numeric>

namespace labelling {

namespace {

using activity::Corner;

constexpr float Gap = 120;          // between home boxes, and around the rows
constexpr int BoxInset = 2;         // design pixels of border inside an answer box
constexpr int MostAnswerLines = 3;
constexpr float HomesFoot = 7260;   // above the score line, which stands above the commands
constexpr float ScreenLeft = 240, ScreenWidth = 11520;
const forms::TwipRect InstructionBox{240, 120, 11520, 780};
const QColor Background(40, 65, 136);
const QString DefaultInstruction = QStringLiteral("Drag each label to its numbered box on the picture.");

// Twips per picture pixel for a picture fitted into `area`.
float fitScale(QSize pixels, const forms::TwipRect& area)
{
    return std::min(area.width / float(pixels.width()), area.height / float(pixels.height()));
}


// Where boxes of these sizes stand in centred rows from `top`, left to right
// in the order given.
std::vector<Corner> rowPlaces(const std::vector<QSizeF>& sizes, float top)
{
    std::vector<Corner> places(sizes.size());
    std::size_t first = 0;
    while (first < sizes.size()) {
        std::size_t last = first;
        double width = sizes[first].width(), height = sizes[first].height();
        while (last + 1 < sizes.size() && width + Gap + sizes[last + 1].width() <= ScreenWidth) {
            ++last;
            width += Gap + sizes[last].width();
            height = std::max(height, sizes[last].height());
        }
        float left = ScreenLeft + float(ScreenWidth - width) / 2;
        for (std::size_t i = first; i <= last; ++i) {
            places[i] = {left, top};
            left += float(sizes[i].width()) + Gap;
        }
        top += float(height) + Gap;
        first = last + 1;
    }
    return places;
}

// The height the rows of home boxes may take, whatever order they are dealt
// in: every row holds at least as many boxes as fit of the widest, and is at
// most as high as the highest.
float homesHeight(const std::vector<Item>& items)
{
    float widest = 0, highest = 0;
    for (const Item& item : items) {
        widest = std::max(widest, item.width);
        highest = std::max(highest, item.height);
    }
    const int perRow = std::max(1, int((ScreenWidth + Gap) / (widest + Gap)));
    const int rows = (int(items.size()) + perRow - 1) / perRow;
    return rows * (highest + Gap) - Gap;
}

QFont answerFont(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(forms::fontPixels(points));
    font.setBold(true);
    return font;
}

// The height, in twips, that `answer` takes wrapped in a box `width` twips
// wide; -1 when it needs more than MostAnswerLines lines or a word is wider
// than the box.
float wrappedHeight(const QString& answer, float width, double points)
{
    const QFontMetricsF metrics(answerFont(points));
    const double room = width / forms::TwipsPerPixel - 2 * BoxInset;
    // A word that cannot be broken stands out past the box.
    const QRectF used = metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap | Qt::AlignHCenter, answer);
    if (used.width() > room + 0.5 || used.height() > MostAnswerLines * metrics.lineSpacing() + 1)
        return -1;
    return forms::designTwips(used.height() + 2 * BoxInset + 2);
}

// The answer sizes the board tries, largest first.
constexpr double AnswerSizes[] = {AnswerBoxPoints, 11.25, 10.5, 9.75, 9.0, 8.25};

// The largest of the answer sizes at which every answer fits its box's width
// on at most three lines.
double answerPoints(const std::vector<Item>& items)
{
    for (double points : AnswerSizes) {
        const bool fits = std::all_of(items.begin(), items.end(), [&](const Item& item) {
            return wrappedHeight(item.answer, item.width, points) >= 0;
        });
        if (fits)
            return points;
    }
    return 8.25;
}

} // namespace

double answerFitsAt(const QString& answer, float width)
{
    for (double points : AnswerSizes)
        if (wrappedHeight(answer, width, points) >= 0)
            return points;
    return 0;
}

namespace {

// Each box grown downwards, where its answer wraps, to hold it whole.
void growForAnswers(std::vector<Item>& items, double points)
{
    for (Item& item : items)
        item.height = std::max(item.height, wrappedHeight(item.answer, item.width, points));
}

double instructionPoints(const QString& text)
{
    for (double points : {20.25, 18.0, 15.75, 14.25, 12.0}) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPixelSize(forms::fontPixels(points));
        const QRectF box(0, 0, InstructionBox.width / forms::TwipsPerPixel, 1e6);
        if (QFontMetricsF(font).boundingRect(box, Qt::TextWordWrap, text).height() <= InstructionBox.height / forms::TwipsPerPixel)
            return points;
    }
    return 12.0;
}

// The nearest point of `box` to `point`: where a leader leaves its target.
QPointF nearestOnBox(const forms::TwipRect& box, QPointF point)
{
    return {std::clamp<qreal>(point.x(), box.left, box.left + box.width), std::clamp<qreal>(point.y(), box.top, box.top + box.height)};
}

// What a screen reader hears of the part label `label` points to, on a
// picture `pixels` in size: until the teacher describes it, where it lies.
QString pointsTo(const OwnLabel& label, QSize pixels)
{
    const auto percent = [](double at, int whole) { return int(std::lround(100 * at / std::max(1, whole))); };
    return QStringLiteral("a part of the picture %1% across and %2% down")
        .arg(percent(label.part.x(), pixels.width()))
        .arg(percent(label.part.y(), pixels.height()));
}

// What a screen reader hears of the picture itself.
QString pictureDescription(const OwnActivity& activity)
{
    return QStringLiteral("The picture of \u201C%1\u201D, with %2 numbered targets on it")
        .arg(activity.title)
        .arg(activity.labels.size());
}

// The table of the screen for `activity`, and where its picture lies.
struct OwnScreen {
    ActivityData table;
    forms::TwipRect picture;
    QString described; // the picture, as a screen reader hears it
    float homesTop; // the top of the rows of home boxes
};

// The size of the middle of the right answers' boxes (with none, a new box's
// size shrunk with the picture): a wrong answer's box takes it, so that its
// size never gives it away.
QSizeF middleBox(const std::vector<Item>& rightAnswers, float shrink)
{
    std::vector<float> widths, heights;
    for (const Item& item : rightAnswers) {
        widths.push_back(item.width);
        heights.push_back(item.height);
    }
    const auto middle = [](std::vector<float>& v) {
        std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
        return double(v[v.size() / 2]);
    };
    return widths.empty() ? QSizeF(AnswerBoxWidth, AnswerBoxHeight) * shrink : QSizeF(middle(widths), middle(heights));
}

// A wrong answer's box: the middle size, wider only where its text needs it
// (as the editor sizes a new answer's box, shrunk with the picture).
QSizeF wrongAnswerBox(const QString& answer, QSizeF middle, float shrink)
{
    const double text = forms::designTwips(QFontMetricsF(answerFont(AnswerBoxPoints)).horizontalAdvance(answer));
    return QSizeF(std::max(std::min(text + 180, double(WidestBox)) * shrink, middle.width()), middle.height());
}

// The screen for `activity`, whose picture is `pixels` in size.
OwnScreen screenFor(const OwnActivity& activity, QSize pixels)
{
    ActivityData d;
    d.screen = OwnActivityScreen;
    d.caption = activity.title;
    d.background = Background;
    const QString instruction = activity.instruction.isEmpty() ? DefaultInstruction : activity.instruction;
    d.texts = {{QStringLiteral("instruction"), -1, instruction, InstructionBox, timesText(instructionPoints(instruction), forms::Green)}};
    d.scoreLine = {QStringLiteral("scoreLine"), {3360, 7350, 5205, 540}, 20.25};
    d.targets = int(activity.labels.size());
    d.landing = activity::AnswerBoard::Landing::NearestBoxOneEach;
    d.marksTargets = true;
    std::vector<QString> answers;
    for (const OwnLabel& label : activity.labels)
        answers.push_back(label.answer);
    d.score = [groups = activity::alikeAnswers(answers)](std::span<const Corner> labels, std::span<const Corner> targets, int) {
        return groupedScore(labels, targets, groups);
    };
    // The picture shrinks only when its home boxes would not fit beneath it.
    const float fullScale = fitScale(pixels, OwnPictureArea);
    forms::TwipRect area = OwnPictureArea;
    forms::TwipRect picture;
    float s = 1;
    do {
        picture = fitPicture(pixels, area);
        s = fitScale(pixels, area);
        d.items.clear();
        for (const OwnLabel& label : activity.labels)
            d.items.push_back({label.answer, picture.left + float(label.target.x()) * s, picture.top + float(label.target.y()) * s,
                               float(label.target.width()) * s, float(label.target.height()) * s, 0, 0,
                               label.pointsTo.isEmpty() ? pointsTo(label, pixels) : label.pointsTo});
        const QSizeF middle = middleBox(d.items, s / fullScale);
        for (const QString& wrong : activity.distractors) {
            const QSizeF box = wrongAnswerBox(wrong, middle, s / fullScale);
            d.items.push_back({wrong, 0, 0, float(box.width()), float(box.height()), 0, 0});
        }
        d.answerPoints = answerPoints(d.items);
        growForAnswers(d.items, d.answerPoints);
        area.height -= 240;
    } while (picture.top + picture.height + 2 * Gap + homesHeight(d.items) > HomesFoot && area.height > 1200);
    for (int i = 0; i < int(activity.labels.size()); ++i) {
        const QPointF part(picture.left + activity.labels[i].part.x() * s, picture.top + activity.labels[i].part.y() * s);
        const QPointF from = nearestOnBox(d.items[i].target(), part);
        if (from != part)
            d.lines.push_back(leaderLine(i, float(from.x()), float(from.y()), float(part.x()), float(part.y())));
    }
    // The picture is placed by the screen itself; the table names no file.
    return {d, picture, pictureDescription(activity), picture.top + picture.height + 2 * Gap};
}

// A new order of `count` answers for the bank, drawn from `random`; never
// the order of the targets' answers while another order reads differently.
std::vector<int> bankOrder(const std::vector<Item>& items, const std::function<double()>& random)
{
    const int count = int(items.size());
    std::vector<int> order(std::size_t(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    for (int i = count - 1; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(std::clamp(int(random() * (i + 1)), 0, i))]);
    auto readsAsTargets = [&] {
        for (int i = 0; i < count; ++i)
            if (items[std::size_t(order[std::size_t(i)])].answer != items[std::size_t(i)].answer)
                return false;
        return true;
    };
    if (count > 1 && readsAsTargets())
        std::rotate(order.begin(), order.begin() + 1, order.end());
    return order;
}

// The screen, holding the table it plays from for as long as it lives.
struct OwnTable {
    ActivityData table;
};

class OwnLabellingScreen : private OwnTable, public LabellingActivity {
public:
    OwnLabellingScreen(forms::Screens& screens, const OwnScreen& own, QImage picture, const QString& description)
        : OwnTable{own.table}, LabellingActivity(screens, table), image_(*new forms::Image(this, QStringLiteral("picture"))),
          picture_(std::move(picture)), homesTop_(own.homesTop)
    {
        image_.setStretch(true);
        image_.place(own.picture.left, own.picture.top, own.picture.width, own.picture.height);
        image_.lower(); // beneath the leader lines, targets and answers
        // Named by what it shows, so that a screen reader does not pass it by.
        const QString said = description.isEmpty() ? own.described : description;
        image_.setAccessibleName(said);
        image_.setAccessibleDescription(said);
    }

    void load() override
    {
        LabellingActivity::load();
        // Empty targets in black, so that they read on any photograph.
        targets.forEach([](int, forms::Label& target) { target.setOpaque(true); });
        showPicture();
        dealBank();
    }

    void startAgain() override
    {
        dealBank();
        LabellingActivity::startAgain();
    }

    void rescaled(QSizeF displayBefore, QSizeF displayNow) override
    {
        LabellingActivity::rescaled(displayBefore, displayNow);
        showPicture();
    }

private:
    // As our own pictures are chosen: the resolution that suits the scale
    // (one, two or three pixels to a design pixel), made once for it, so
    // that the picture is never thinned out as it is drawn.
    void showPicture()
    {
        const QSizeF design = QSizeF(image_.twipWidth(), image_.twipHeight()) / forms::TwipsPerPixel;
        const int factor = std::clamp(int(std::ceil(forms::pictureRatio(scale()) - 0.001)), 1, FinestOwnPicture);
        const QSize suits = (design * factor).toSize();
        image_.setPicture(QPixmap::fromImage(picture_.width() > suits.width()
                                                 ? picture_.scaled(suits, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                                 : picture_));
    }

    // The home boxes in rows in a new order, each answer in its home.
    void dealBank()
    {
        const std::vector<int> order = bankOrder(table.items, screens().platform().random);
        std::vector<QSizeF> sizes;
        for (int i : order)
            sizes.push_back({table.items[std::size_t(i)].width, table.items[std::size_t(i)].height});
        const std::vector<Corner> places = rowPlaces(sizes, homesTop_);
        for (std::size_t k = 0; k < order.size() && order[k] < board.count(); ++k) {
            homes(order[k]).moveTo(places[k].left, places[k].top);
            answers(order[k]).moveTo(places[k].left, places[k].top);
        }
        board.rest();
    }

    forms::Image& image_;
    QImage picture_;
    float homesTop_;
};

} // namespace

forms::TwipRect fitPicture(QSizeF pixels, const forms::TwipRect& area)
{
    if (!(pixels.width() > 0 && pixels.height() > 0))
        return area;
    const float s = std::min(area.width / float(pixels.width()), area.height / float(pixels.height()));
    const float w = float(pixels.width()) * s, h = float(pixels.height()) * s;
    return {area.left + (area.width - w) / 2, area.top, w, h};
}

forms::TwipRect ownPicturePlace(QSize pixels) { return fitPicture(pixels, OwnPictureArea); }

QString playOwnActivity(forms::Screens& screens, const OwnActivity& activity, QImage picture)
{
    if (picture.isNull()) // decoded as the type the activity names, never by its look
        picture = labelling::picture::decode(activity.picture, activity.pictureType, labelling::picture::Decode::Whole).image;
    if (picture.isNull())
        return QStringLiteral("The picture of \"%1\" cannot be shown.").arg(activity.title);
    if (activity.labels.empty())
        return QStringLiteral("\"%1\" has no labels yet.").arg(activity.title);
    auto own = std::make_shared<const OwnScreen>(screenFor(activity, picture.size()));
    // Kept at FinestOwnPicture times the design size at most: sharp when
    // fitted to a 4K display, and no more than that to hold.
    const forms::TwipRect place = ownPicturePlace(picture.size());
    const QSize finest = (QSizeF(place.width, place.height) * FinestOwnPicture / forms::TwipsPerPixel).toSize();
    if (picture.width() > finest.width())
        picture = picture.scaled(finest, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    screens.unload(OwnActivityScreen);
    screens.add(OwnActivityScreen, [own, picture, description = activity.description](forms::Screens& s) {
        return std::make_unique<OwnLabellingScreen>(s, *own, picture, description);
    });
    screens.show(OwnActivityScreen);
    return {};
}

} // namespace labelling
