// The pictures drawn for the ear screen, read as the program reads them: the
// ear holds something drawn at the end of each of its leader lines, and the
// tuning fork's prongs spread further frame by frame, under the end of the
// leader line of "tuning fork".
#include "forms/pictures.h"
#include "labelling/earsound.h"
#include "labelling/tuningfork.h"

#include <QtTest>

namespace {

const QColor Background = labelling::earSoundActivity().background;

bool isBackground(QRgb pixel)
{
    const QColor c(pixel);
    return qAbs(c.red() - Background.red()) + qAbs(c.green() - Background.green())
        + qAbs(c.blue() - Background.blue()) < 30;
}

// The columns, left and right of the middle, where the fork's metal starts
// and ends on one row of a frame.
struct Span {
    int left = -1, right = -1;
    bool gapAtMiddle = false;
};
Span forkSpan(const QImage& frame, int row, int middle)
{
    Span span;
    for (int x = 0; x < frame.width(); ++x)
        if (!isBackground(frame.pixel(x, row))) {
            if (span.left < 0) span.left = x;
            span.right = x;
        }
    span.gapAtMiddle = isBackground(frame.pixel(middle, row));
    return span;
}

} // namespace

class TestEarPictures : public QObject {
    Q_OBJECT

private slots:
    void earHoldsEveryPartItsLinesNamed()
    {
        const labelling::ActivityData& d = labelling::earSoundActivity();
        const labelling::PicturePlace& picture = d.pictures[0];
        const QImage ear = forms::loadPicture(picture.file).toImage();
        QVERIFY(!ear.isNull());
        QCOMPARE(ear.width(), qRound(picture.width / forms::TwipsPerPixel));
        QCOMPARE(ear.height(), qRound(picture.height / forms::TwipsPerPixel));
        int parts = 0;
        for (const labelling::TargetLeader& leader : labelling::earLeaders()) {
            const QPoint at = ((QPointF(leader.partX, leader.partY) - QPointF(picture.left, picture.top))
                               / forms::TwipsPerPixel).toPoint();
            if (!ear.rect().contains(at))
                continue;
            ++parts;
            QVERIFY2(!isBackground(ear.pixel(at)), qPrintable(d.items[leader.target].answer));
        }
        QCOMPARE(parts, 4); // ear bones, auditory nerve, ear drum, cochlea
    }

    void forkFramesSpreadFurther()
    {
        const forms::TwipRect area = labelling::ForkPictureArea;
        const labelling::TargetLeader& leader = labelling::earLeaders().at(0);
        const int middle = qRound((leader.partX - area.left) / forms::TwipsPerPixel);
        const int nearTips = qRound((leader.partY - area.top) / forms::TwipsPerPixel) + 8;
        int previousWidth = 0;
        for (int frame = 0; frame < labelling::ForkFrames; ++frame) {
            const QImage picture = forms::loadPicture(labelling::forkFrameFile(frame)).toImage();
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.width(), qRound(area.width / forms::TwipsPerPixel));
            QCOMPARE(picture.height(), qRound(area.height / forms::TwipsPerPixel));
            const Span tips = forkSpan(picture, nearTips, middle);
            QVERIFY2(tips.left >= 0 && tips.left < middle && middle < tips.right, qPrintable(QString::number(frame)));
            QVERIFY2(tips.gapAtMiddle, qPrintable(QString::number(frame)));
            const int width = tips.right - tips.left;
            QVERIFY2(width > previousWidth, qPrintable(QString::number(frame)));
            previousWidth = width;
        }
    }
};

QTEST_MAIN(TestEarPictures)
#include "test_earpictures.moc"
