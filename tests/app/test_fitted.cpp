// "Fit to Screen" enlarges every screen and changes nothing else: each
// registered screen is drawn at the design size and fitted to a large
// display, the fitted picture is scaled back to the design size, and the two
// are compared area by area. A drawing laid out in device pixels (drawn small
// in a corner, cut off, missing in a finer picture) fails by the screen's name.
//
// The areas are squares of AreaSide design pixels, compared by their mean
// colour: text set at a finer size hints its glyphs a little differently but
// keeps about the same ink in each square (every screen stays within 48 of
// 255 today); a part moved, missing or drawn at another size does not (a
// missing north arrow differs by 203, a diagram drawn at its design size in
// a larger control by 194 in some 980 areas).
#include "support/testscreens.h"
#include "activity/fit.h"
#include "forms/screen.h"

#include <QCoreApplication>
#include <QTest>
#include <map>

namespace {

constexpr int AreaSide = 8;       // design pixels
// Text drawn at the finer size differs by up to 57 in an area (a small bold
// caption at 3x); a drawing laid out in device pixels by 190 and more.
constexpr int MostDifference = 72; // of 255, in the mean of one colour channel over an area
constexpr int MostAreasOver = 0;   // a small part missing (a north arrow) is three areas

// Lets what a screen posts as it loads be done; a hidden screen's
// animations stand still.
void settle()
{
    QTest::qWait(10);
    TestScreens::flushDeletes();
}

// The screen as a class first sees it, at the scale in force: loaded and
// shown, then hidden at once, so that no moving picture has stepped.
QImage drawn(TestScreens& screens, const QString& name)
{
    screens->show(name);
    forms::Screen* screen = screens->find(name);
    QImage image;
    if (screen) {
        screen->hide(); // before any animation's first step
        settle();
        // What a screen shows a moment after it loads (its level switch) may
        // come late on a busy machine: given time to come before the drawing.
        QTest::qWait(40);
        image = screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    for (const QString& loaded : screens->loadedNames())
        screens->unload(loaded);
    settle();
    return image;
}

struct Difference {
    int areasOver = 0;
    int worst = 0;
    QPoint worstAt; // design pixels
};

// Mean colours of AreaSide squares, compared channel by channel.
Difference compare(const QImage& design, const QImage& fittedBack)
{
    Difference d;
    const int columns = design.width() / AreaSide, rows = design.height() / AreaSide;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            int sums[2][3] = {};
            for (int y = row * AreaSide; y < (row + 1) * AreaSide; ++y) {
                const auto* a = reinterpret_cast<const QRgb*>(design.constScanLine(y));
                const auto* b = reinterpret_cast<const QRgb*>(fittedBack.constScanLine(y));
                for (int x = column * AreaSide; x < (column + 1) * AreaSide; ++x) {
                    sums[0][0] += qRed(a[x]), sums[0][1] += qGreen(a[x]), sums[0][2] += qBlue(a[x]);
                    sums[1][0] += qRed(b[x]), sums[1][1] += qGreen(b[x]), sums[1][2] += qBlue(b[x]);
                }
            }
            int most = 0;
            for (int c = 0; c < 3; ++c)
                most = std::max(most, std::abs(sums[0][c] - sums[1][c]) / (AreaSide * AreaSide));
            if (most > MostDifference)
                ++d.areasOver;
            if (most > d.worst)
                d = {d.areasOver, most, QPoint(column * AreaSide, row * AreaSide)};
        }
    return d;
}

} // namespace

class FittedTest : public QObject {
    Q_OBJECT

    TestScreens screens;
    std::map<QString, QImage> designs; // each screen at the design size, drawn once

private slots:
    void initTestCase() { initTestFonts(); }

    // 1920 x 1080 shows the finer pictures drawn at twice the design size,
    // 3840 x 2160 those at three times.
    void fittedIsTheDesignEnlarged_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QSize>("display");
        for (const QSize display : {QSize(1920, 1080), QSize(3840, 2160)})
            for (const QString& name : screens->registeredNames())
                QTest::addRow("%s, %dx%d", qPrintable(name), display.width(), display.height()) << name << display;
    }

    void fittedIsTheDesignEnlarged()
    {
        QFETCH(QString, screen);
        QFETCH(QSize, display);
        if (!designs.count(screen)) {
            activity::fitToScreen(*screens, false);
            designs[screen] = drawn(screens, screen);
        }
        const QImage& design = designs[screen];
        screens.fake->display = display;
        activity::fitToScreen(*screens, true);
        const QImage fitted = drawn(screens, screen);
        activity::fitToScreen(*screens, false);
        if (design.isNull() && fitted.isNull())
            QSKIP("opens no screen of its own");
        QVERIFY(!design.isNull() && !fitted.isNull());
        // A screen as large as the display (the backdrop) is compared all the same.
        const QImage back = fitted.scaled(design.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const Difference d = compare(design, back);
        QVERIFY2(d.areasOver <= MostAreasOver,
                 qPrintable(QStringLiteral("%1 of its %2 x %3 areas differ when fitted; the worst by %4 at (%5, %6)")
                                .arg(d.areasOver).arg(AreaSide).arg(AreaSide).arg(d.worst)
                                .arg(d.worstAt.x()).arg(d.worstAt.y())));
    }
};

QTEST_MAIN(FittedTest)
#include "test_fitted.moc"
