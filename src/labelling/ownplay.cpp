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
#include <memory>

namespace labelling {

namespace {

constexpr float Gap = 120;          // between home boxes, and around the rows
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


// Home boxes in centred rows from `top`, left to right in the labels' order;
// returns the foot of the last row.
float dealHomes(std::vector<Item>& items, float top)
{
    std::size_t first = 0;
    while (first < items.size()) {
        std::size_t last = first;
        float width = items[first].width, height = items[first].height;
        while (last + 1 < items.size() && width + Gap + items[last + 1].width <= ScreenWidth) {
            ++last;
            width += Gap + items[last].width;
            height = std::max(height, items[last].height);
        }
        float left = ScreenLeft + (ScreenWidth - width) / 2;
        for (std::size_t i = first; i <= last; ++i) {
            items[i].homeLeft = left;
            items[i].homeTop = top;
            left += items[i].width + Gap;
        }
        top += height + Gap;
        first = last + 1;
    }
    return top - Gap;
}

// The largest of the answer sizes at which every answer fits its box on one line.
double answerPoints(const std::vector<Item>& items)
{
    for (double points : {12.0, 11.25, 10.5, 9.75, 9.0, 8.25}) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(forms::fontPixels(points));
        font.setBold(true);
        const QFontMetricsF metrics(font);
        const bool fits = std::all_of(items.begin(), items.end(), [&](const Item& item) {
            return metrics.horizontalAdvance(item.answer) + 6 <= item.width / forms::TwipsPerPixel
                   && metrics.height() <= item.height / forms::TwipsPerPixel;
        });
        if (fits)
            return points;
    }
    return 8.25;
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
};

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
    // The picture shrinks only when its home boxes would not fit beneath it.
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
                               pointsTo(label, pixels)});
        area.height -= 240;
    } while (dealHomes(d.items, picture.top + picture.height + 2 * Gap) > HomesFoot && area.height > 1200);
    d.answerPoints = answerPoints(d.items);
    for (int i = 0; i < int(activity.labels.size()); ++i) {
        const QPointF part(picture.left + activity.labels[i].part.x() * s, picture.top + activity.labels[i].part.y() * s);
        const QPointF from = nearestOnBox(d.items[i].target(), part);
        if (from != part)
            d.lines.push_back(leaderLine(i, float(from.x()), float(from.y()), float(part.x()), float(part.y())));
    }
    // The picture is placed by the screen itself; the table names no file.
    return {d, picture, pictureDescription(activity)};
}

// The screen, holding the table it plays from for as long as it lives.
struct OwnTable {
    ActivityData table;
};

class OwnLabellingScreen : private OwnTable, public LabellingActivity {
public:
    OwnLabellingScreen(forms::Screens& screens, const OwnScreen& own, QImage picture)
        : OwnTable{own.table}, LabellingActivity(screens, table), image_(*new forms::Image(this, QStringLiteral("picture"))),
          picture_(std::move(picture))
    {
        image_.setStretch(true);
        image_.place(own.picture.left, own.picture.top, own.picture.width, own.picture.height);
        image_.lower(); // beneath the leader lines, targets and answers
        image_.setAccessibleName(own.described);
        image_.setAccessibleDescription(own.described);
    }

    void load() override
    {
        LabellingActivity::load();
        // Empty targets in black, so that they read on any photograph.
        targets.forEach([](int, forms::Label& target) { target.setOpaque(true); });
        showPicture();
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

    forms::Image& image_;
    QImage picture_;
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
    screens.add(OwnActivityScreen, [own, picture](forms::Screens& s) {
        return std::make_unique<OwnLabellingScreen>(s, *own, picture);
    });
    screens.show(OwnActivityScreen);
    return {};
}

} // namespace labelling
