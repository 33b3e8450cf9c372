// The tables of the labelling screens drawn as diagrams: boxes on the screen
// and clear of one another, answers that fit their boxes, each leader line
// tied to the box it leaves and ending on something drawn in the picture, and
// each diagram shown at the size its area leaves it.
#include "support/testscreens.h"
#include "labelling/activity.h"
#include "labelling/topics.h"
#include "activity/commands.h"
#include "forms/pictures.h"
#include "activity/leaders.h"

#include <QTest>

using labelling::ActivityData;
using labelling::table;

namespace {

const labelling::FixedText* fixedText(const ActivityData& data, const QString& role)
{
    for (const labelling::FixedText& text : data.texts)
        if (text.name == role)
            return &text;
    return nullptr;
}

// A row for every screen of every labelling topic that keeps the check.
void screensKeeping(bool labelling::LayoutChecks::*check)
{
    QTest::addColumn<QString>("screen");
    for (const ActivityData* d : labelling::tables())
        if (d->checks.*check && !d->pictures.empty())
            QTest::newRow(qPrintable(d->screen)) << d->screen;
}

QRectF rectOf(const forms::TwipRect& r) { return {r.left, r.top, r.width, r.height}; }

// Something is drawn at a pixel: it stands out from the picture's corner,
// which every diagram leaves as bare background.
bool drawnAt(const QImage& image, QPointF spot)
{
    const QColor here(image.pixel(spot.toPoint())), bare(image.pixel(0, 0));
    return qAbs(here.red() - bare.red()) + qAbs(here.green() - bare.green()) + qAbs(here.blue() - bare.blue()) > 60;
}

} // namespace

class DiagramTablesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initTestFonts(); }

    // Each row names a line and the box it leaves: a target (by index) or, on
    // thermal, a surface's text.
    void leaderTouchesItsBox_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* screen, int line, int target, const char* caption = "") {
            QTest::addRow("%s line %d", screen, line) << QString::fromLatin1(screen) << line << target << QString::fromLatin1(caption);
        };
        row("generator", 0, 2); // steam
        row("generator", 1, 3); // electricity
        row("generator", 3, 0); // fuel
        row("generator", 4, 1); // water
        row("house", 0, 0);     // loft insulation
        row("house", 1, 2);     // cavity wall insulation
        row("house", 2, 4);     // well fitting door
        row("house", 3, 3);     // double glazing
        row("house", 4, 1);     // thick curtains
        row("thermos", 0, 1);   // cork stopper
        row("thermos", 1, 5);   // air space
        row("thermos", 2, 0);   // cap
        row("thermos", 3, 2);   // vacuum
        row("thermos", 4, 4);   // shiny surface
        row("thermos", 5, 3);   // liquid
        row("thermal", 0, 0);   // hot water
        row("thermal", 3, -1, "blackSurface");
        row("thermal", 4, -1, "silverSurface");
        for (int i = 0; i < 8; ++i)
            row("waves", i, i);
        for (int i = 0; i < 7; ++i)
            row("convection", i, i);
        for (int i = 0; i < 8; ++i)
            row("energyisland", i, i);
        for (int k = 0; k < 8; ++k)
            row("atom", k, k);
        for (int k = 0; k < 6; ++k)
            row("background", k, k);
    }

    void leaderTouchesItsBox()
    {
        QFETCH(QString, screen);
        QFETCH(int, line);
        QFETCH(int, target);
        QFETCH(QString, caption);
        const ActivityData& d = table(screen);
        const labelling::LineData* expectedLine = nullptr;
        for (const labelling::LineData& l : d.lines)
            if (l.index == line)
                expectedLine = &l;
        QVERIFY(expectedLine);

        forms::TwipRect box;
        float reach = activity::TargetReach;
        if (target >= 0) {
            box = d.items[target].target();
        } else {
            const labelling::FixedText* text = fixedText(d, caption);
            QVERIFY(text);
            box = text->at;
            reach = activity::CaptionReach;
        }
        const auto leader = activity::leaderFrom(d.lines, box, reach);
        QVERIFY2(leader, "no line reaches the box");
        QCOMPARE(leader->line, expectedLine);
        // The far end lies inside the picture, clear of every target.
        const labelling::PicturePlace& picture = d.pictures[0];
        const QPointF spot = activity::pictureSpot(picture, leader->atPart);
        QVERIFY2(QRectF(0, 0, picture.width / 15, picture.height / 15).contains(spot), "far end off the picture");
        for (const labelling::Item& item : d.items)
            QVERIFY2(activity::distanceToBox(leader->atPart, item.target()) > 0, "far end on a target");
        // No other box is as close to this line: it belongs to one box only.
        for (int i = 0; i < int(d.items.size()); ++i)
            if (i != target)
                QVERIFY(activity::distanceToBox(leader->atBox, d.items[i].target()) > reach);
    }

    // Every target, home box and the score line lies on the screen above the
    // commands, and none covers another or a command.
    void boxesOnTheScreenApart_data()
    {
        screensKeeping(&labelling::LayoutChecks::boxesApart);
    }

    void boxesOnTheScreenApart()
    {
        QFETCH(QString, screen);
        const ActivityData& d = table(screen);
        QList<QPair<QString, QRectF>> boxes;
        for (const labelling::Item& item : d.items) {
            boxes.append({"target " + item.answer, rectOf(item.target())});
            boxes.append({"home " + item.answer, QRectF(item.homeLeft, item.homeTop, item.width, item.height)});
        }
        boxes.append({"score line", rectOf(d.scoreLine.at)});
        const QRectF screenArea(0, 0, 12000, activity::ExitCommand.at.top);
        for (int a = 0; a < boxes.size(); ++a) {
            QVERIFY2(screenArea.contains(boxes[a].second), qPrintable(boxes[a].first + " off the screen"));
            for (int b = a + 1; b < boxes.size(); ++b)
                QVERIFY2(!boxes[a].second.intersects(boxes[b].second),
                         qPrintable(boxes[a].first + " covers " + boxes[b].first));
        }
    }

    // Each answer, wrapped as its label wraps it, fits inside the label's border.
    void answersFitTheirBoxes_data()
    {
        screensKeeping(&labelling::LayoutChecks::boxesApart);
    }

    void answersFitTheirBoxes()
    {
        QFETCH(QString, screen);
        TestScreens screens;
        screens->show(screen);
        auto& activity = screens->get<labelling::LabellingActivity>(screen);
        for (int i = 0; i < int(table(screen).items.size()); ++i) {
            const forms::Label& label = activity.answers(i);
            const QRect inside = label.rect().adjusted(2, 2, -2, -2);
            const QRect text = QFontMetrics(label.font()).boundingRect(
                inside, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, label.caption());
            QVERIFY2(inside.contains(text), qPrintable(QStringLiteral("%1: %2x%3 in %4x%5")
                                                         .arg(label.caption())
                                                         .arg(text.width())
                                                         .arg(text.height())
                                                         .arg(inside.width())
                                                         .arg(inside.height())));
        }
    }

    void partsDrawnWhereLinesEnd_data()
    {
        screensKeeping(&labelling::LayoutChecks::partsDrawn);
    }

    void partsDrawnWhereLinesEnd()
    {
        QFETCH(QString, screen);
        const ActivityData& d = table(screen);
        const QImage image = forms::loadPicture(d.pictures[0].file).toImage();
        QVERIFY(!image.isNull());
        int parts = 0;
        for (const labelling::Item& item : d.items)
            if (const auto leader = activity::leaderFrom(d.lines, item.target(), activity::TargetReach)) {
                ++parts;
                QVERIFY2(drawnAt(image, activity::pictureSpot(d.pictures[0], leader->atPart)),
                         qPrintable(item.answer));
            }
        QCOMPARE(parts, int(d.lines.size()));
    }

    // The picture draws the amplitude arrow from the rest position up to the
    // crest; its leader ends halfway along it, clear of the arrow heads.
    void amplitudeNamedHalfwayUpItsArrow()
    {
        const ActivityData& d = table("waves");
        const auto end = [&](int item) {
            return activity::leaderFrom(d.lines, d.items[std::size_t(item)].target(), activity::TargetReach)->atPart;
        };
        enum { Amplitude = 2, Crest = 3, Rest = 5 };
        QCOMPARE(d.items[Amplitude].answer, QStringLiteral("amplitude"));
        const double middle = (end(Crest).y() + end(Rest).y()) / 2;
        QVERIFY2(std::fabs(end(Amplitude).y() - middle) <= forms::TwipsPerPixel,
                 qPrintable(QStringLiteral("ends at %1, the arrow's middle is %2").arg(end(Amplitude).y()).arg(middle)));
    }

    void leaderGeometry_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<float>("distance");
        QTest::newRow("inside") << QPointF(1100, 2050) << 0.0f;
        QTest::newRow("on the left edge") << QPointF(1000, 2050) << 0.0f;
        QTest::newRow("a pixel below") << QPointF(1100, 2115) << 15.0f;
        QTest::newRow("left of it") << QPointF(760, 2050) << 240.0f;
        QTest::newRow("off a corner") << QPointF(1330, 1960) << 50.0f;
    }

    void leaderGeometry()
    {
        QFETCH(QPointF, point);
        QFETCH(float, distance);
        QCOMPARE(activity::distanceToBox(point, {1000, 2000, 300, 100}), distance);
    }

    void farEndsAsPictureSpots()
    {
        // The generator draws each part at these pixels of electric.jpg.
        const ActivityData& d = table("generator");
        const QPointF steam = activity::pictureSpot(d.pictures[0], activity::leaderFrom(d.lines, d.items[2].target(),
                                                                                          activity::TargetReach)->atPart);
        QCOMPARE(steam, QPointF(264, 92));
        const QPointF fuel = activity::pictureSpot(d.pictures[0], activity::leaderFrom(d.lines, d.items[0].target(),
                                                                                         activity::TargetReach)->atPart);
        QCOMPARE(fuel, QPointF(36, 240));
        // The large targets have no leader: they stand beneath their parts.
        for (int i = 4; i < 8; ++i)
            QVERIFY(!activity::leaderFrom(d.lines, d.items[i].target(), activity::TargetReach));
    }

    // The generated diagram is exactly the designed area, shown unstretched.
    void diagramShownAtItsOwnSize_data()
    {
        screensKeeping(&labelling::LayoutChecks::ownSize);
    }

    void diagramShownAtItsOwnSize()
    {
        QFETCH(QString, screen);
        TestScreens screens;
        auto& activity = screens->get<labelling::LabellingActivity>(screen);
        const labelling::PicturePlace& p = table(screen).pictures[0];
        const forms::Image& image = activity.pictures(0);
        QVERIFY2(!image.picture().isNull(), "the picture file was not found beside the program");
        QVERIFY(!image.stretches());
        QCOMPARE(QPointF(image.left(), image.top()), QPointF(p.left, p.top));
        QCOMPARE(QSizeF(image.twipWidth(), image.twipHeight()), QSizeF(p.width, p.height));
    }
};

QTEST_MAIN(DiagramTablesTest)
#include "test_diagramtables.moc"
