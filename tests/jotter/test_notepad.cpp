// The Jotter: its state at load, the pen across Write, Erase, Clear, Flip and
// the palettes, strokes in the pad's picture, which presses draw and which do
// not, the palettes' layout and where the tool panels sit.
#include "forms/palette.h"
#include "jotter/notepad.h"
#include "support/testscreens.h"

#include <QSignalSpy>
#include <QTest>

using jotter::Notepad;
using jotter::PadColour;

namespace {

const QColor Yellow(255, 255, 0);

Notepad& openJotter(TestScreens& t) { return t.open<Notepad>(QStringLiteral("notepad")); }

void click(forms::Control& control)
{
    QVERIFY2(control.isVisible(), qPrintable(control.objectName() + " is not on view"));
    QSignalSpy clicked(&control, &forms::Control::clicked);
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center());
    QCOMPARE(clicked.count(), 1);
}

// Clicks the button for `action` on whichever panel is on view, or a swatch
// ("swatch 4").
void act(Notepad& pad, const QString& action)
{
    jotter::ToolPanel& tools = pad.tools(pad.column.frame.isVisible());
    if (action.startsWith(QLatin1String("swatch "))) {
        click(tools.swatches(action.mid(7).toInt()));
        return;
    }
    forms::Button* button = nullptr;
    if (action == QLatin1String("Write")) button = &tools.write;
    if (action == QLatin1String("Erase")) button = &tools.erase;
    if (action == QLatin1String("Clear")) button = &tools.clear;
    if (action == QLatin1String("Flip")) button = &tools.flip;
    QVERIFY2(button, qPrintable("no such action: " + action));
    QCOMPARE(button->caption(), action);
    click(*button);
}

// A drag on the pad with the given buttons held, from one pixel to another.
void drag(Notepad& pad, Qt::MouseButtons buttons, QPoint from, QPoint to)
{
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b)
            QTest::mousePress(&pad, b, {}, from);
    QTest::mouseMove(&pad, (from + to) / 2);
    QTest::mouseMove(&pad, to);
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons & b)
            QTest::mouseRelease(&pad, b, {}, to);
}

QImage emptyPad(const Notepad& pad)
{
    QImage image(pad.pad().size(), QImage::Format_RGB32);
    image.fill(PadColour);
    return image;
}

} // namespace

class NotepadTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void loadState();
    void pen_data();
    void pen();
    void leftDragDrawsInThePenColour();
    void eraserRubsOut();
    void otherButtonsDrawNothing_data();
    void otherButtonsDrawNothing();
    void pressesOnThePanelsDrawNothing_data();
    void pressesOnThePanelsDrawNothing();
    void clearAndFlipWipeThePad();
    void palettes_data();
    void palettes();
    void panelsSitOnThePad_data();
    void panelsSitOnThePad();
    void placement_data();
    void placement();
    void exitDiscardsTheDrawing();
};

void NotepadTest::loadState()
{
    TestScreens t;
    Notepad& pad = openJotter(t);
    QCOMPARE(pad.windowTitle(), QStringLiteral("Jotter"));
    QVERIFY(pad.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(pad.backColor(), PadColour);
    QCOMPARE(pad.strip.frame.backColor(), PadColour);
    QCOMPARE(pad.column.frame.backColor(), PadColour);
    QCOMPARE(pad.penColor(), Yellow);
    QCOMPARE(pad.writingColour, Yellow);
    QCOMPARE(pad.penWidth(), 3);
    QCOMPARE(pad.twipWidth(), 9915.f);
    QCOMPARE(pad.twipHeight(), 3660.f);
    QVERIFY(pad.strip.frame.isVisible());
    QVERIFY(!pad.column.frame.isVisible());
    QCOMPARE(pad.pad().size(), pad.size());
    QCOMPARE(pad.pad(), emptyPad(pad));
    // No swatch has the pad colour, so only the eraser ever makes the pen that colour.
    for (const QColor& colour : forms::standardPalette())
        QVERIFY(colour != PadColour);
}

void NotepadTest::pen_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("remembered");
    const QColor red = forms::paletteColour(12), green = forms::paletteColour(2), navy = forms::paletteColour(1);
    QTest::newRow("swatch") << QStringList{"swatch 12"} << red << 3 << red;
    QTest::newRow("erase") << QStringList{"swatch 12", "Erase"} << PadColour << 30 << red;
    QTest::newRow("erase, erase, write") << QStringList{"swatch 12", "Erase", "Erase", "Write"} << red << 3 << red;
    QTest::newRow("clear while erasing") << QStringList{"swatch 2", "Erase", "Clear"} << Yellow << 3 << green;
    QTest::newRow("clear while erasing, then write") << QStringList{"swatch 2", "Erase", "Clear", "Write"} << green << 3 << green;
    QTest::newRow("clear while writing") << QStringList{"swatch 2", "Clear"} << green << 3 << green;
    QTest::newRow("swatch while erasing") << QStringList{"Erase", "swatch 1"} << navy << 3 << navy;
    QTest::newRow("flip while erasing") << QStringList{"swatch 12", "Erase", "Flip"} << PadColour << 30 << red;
    QTest::newRow("flip, erase twice, write")
        << QStringList{"Flip", "swatch 2", "Erase", "Erase", "Write"} << green << 3 << green;
    QTest::newRow("flip there and back") << QStringList{"swatch 1", "Flip", "Erase", "Flip"} << PadColour << 30 << navy;
    QTest::newRow("portrait clear while erasing") << QStringList{"Flip", "swatch 1", "Erase", "Clear"} << Yellow << 3 << navy;
}

void NotepadTest::pen()
{
    QFETCH(QStringList, actions);
    QFETCH(QColor, colour);
    QFETCH(int, width);
    QFETCH(QColor, remembered);
    TestScreens t;
    Notepad& pad = openJotter(t);
    for (const QString& action : actions)
        act(pad, action);
    QCOMPARE(pad.penColor(), colour);
    QCOMPARE(pad.penWidth(), width);
    QCOMPARE(pad.writingColour, remembered);
}

void NotepadTest::leftDragDrawsInThePenColour()
{
    TestScreens t;
    Notepad& pad = openJotter(t);
    act(pad, "swatch 15");
    drag(pad, Qt::LeftButton, QPoint(100, 60), QPoint(300, 60));
    const QImage& image = pad.pad();
    for (int x : {100, 150, 200, 250, 300})
        QCOMPARE(image.pixelColor(x, 60), QColor(255, 255, 255));
    // Three pixels wide.
    QCOMPARE(image.pixelColor(200, 59), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(200, 61), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(200, 63), PadColour);
    QCOMPARE(image.pixelColor(200, 57), PadColour);
    QCOMPARE(image.pixelColor(320, 60), PadColour);
    QCOMPARE(pad.currentPoint(), QPointF(300 * 15, 60 * 15));
    // What is shown comes from the pad's picture, so the stroke outlives a repaint.
    pad.repaint();
    QCOMPARE(pad.grab().toImage().pixelColor(200, 60), QColor(255, 255, 255));
}

void NotepadTest::eraserRubsOut()
{
    TestScreens t;
    Notepad& pad = openJotter(t);
    drag(pad, Qt::LeftButton, QPoint(100, 80), QPoint(300, 80));
    QCOMPARE(pad.pad().pixelColor(200, 80), Yellow);
    act(pad, "Erase");
    drag(pad, Qt::LeftButton, QPoint(200, 20), QPoint(200, 140));
    // Thirty pixels wide: gone under the eraser, still there beside it.
    for (int x : {186, 200, 214})
        QCOMPARE(pad.pad().pixelColor(x, 80), PadColour);
    QCOMPARE(pad.pad().pixelColor(180, 80), Yellow);
    QCOMPARE(pad.pad().pixelColor(220, 80), Yellow);
}

void NotepadTest::otherButtonsDrawNothing_data()
{
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton);
    QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton);
    QTest::newRow("left and right") << (Qt::LeftButton | Qt::RightButton);
    QTest::newRow("left and middle") << (Qt::LeftButton | Qt::MiddleButton);
}

void NotepadTest::otherButtonsDrawNothing()
{
    QFETCH(Qt::MouseButtons, buttons);
    TestScreens t;
    Notepad& pad = openJotter(t);
    drag(pad, buttons, QPoint(120, 40), QPoint(320, 150));
    QCOMPARE(pad.pad(), emptyPad(pad));
    // The press still moved the current point.
    QCOMPARE(pad.currentPoint(), QPointF(120 * 15, 40 * 15));
}

void NotepadTest::pressesOnThePanelsDrawNothing_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<QString>("control");
    QTest::newRow("landscape strip") << false << "strip";
    QTest::newRow("landscape swatch") << false << "stripSwatches";
    QTest::newRow("landscape button") << false << "stripClear";
    QTest::newRow("portrait column") << true << "column";
    QTest::newRow("portrait swatch") << true << "columnSwatches";
}

// A press that starts on a panel belongs to the panel: dragging on into the
// pad draws nothing.
void NotepadTest::pressesOnThePanelsDrawNothing()
{
    QFETCH(bool, portrait);
    QFETCH(QString, control);
    TestScreens t;
    Notepad& pad = openJotter(t);
    if (portrait)
        act(pad, "Flip");
    QWidget* target = pad.findChild<QWidget*>(control);
    QVERIFY(target);
    const QPoint start = target == &pad.strip.frame    ? QPoint(target->width() - 4, target->height() / 2)
                       : target == &pad.column.frame ? QPoint(target->width() / 2, target->height() - 4)
                                                        : target->rect().center();
    const QPoint from = target->mapTo(&pad, start);
    QCOMPARE(pad.childAt(from), target);
    const QPoint to(30, 30);
    QTest::mousePress(&pad, Qt::LeftButton, {}, from);
    QTest::mouseMove(&pad, (from + to) / 2);
    QTest::mouseMove(&pad, to);
    QTest::mouseRelease(&pad, Qt::LeftButton, {}, to);
    QCOMPARE(pad.pad(), emptyPad(pad));
}

void NotepadTest::clearAndFlipWipeThePad()
{
    TestScreens t;
    Notepad& pad = openJotter(t);
    drag(pad, Qt::LeftButton, QPoint(50, 50), QPoint(200, 100));
    QVERIFY(pad.pad() != emptyPad(pad));
    act(pad, "Clear");
    QCOMPARE(pad.pad(), emptyPad(pad));
    QCOMPARE(pad.backColor(), PadColour);

    drag(pad, Qt::LeftButton, QPoint(50, 50), QPoint(200, 100));
    act(pad, "Flip");
    QVERIFY(pad.column.frame.isVisible());
    QVERIFY(!pad.strip.frame.isVisible());
    QCOMPARE(pad.pad().size(), pad.size());
    QCOMPARE(pad.pad(), emptyPad(pad));

    drag(pad, Qt::LeftButton, QPoint(40, 300), QPoint(120, 500));
    QCOMPARE(pad.pad().pixelColor(80, 400), Yellow);
    act(pad, "Flip");
    QVERIFY(pad.strip.frame.isVisible());
    QCOMPARE(pad.twipWidth(), 9915.f);
    QCOMPARE(pad.pad(), emptyPad(pad));
}

void NotepadTest::palettes_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("row 0") << false << 0 << 5010.f << 285.f;
    QTest::newRow("row 1") << false << 1 << 5315.f << 285.f;
    QTest::newRow("row 8") << false << 8 << 7450.f << 285.f;
    QTest::newRow("row 15") << false << 15 << 9585.f << 285.f;
    QTest::newRow("column 0") << true << 0 << 180.f << 2820.f;
    QTest::newRow("column 1") << true << 1 << 180.f << 3110.f;
    QTest::newRow("column 7") << true << 7 << 180.f << 4850.f;
    QTest::newRow("column 8, beside 0") << true << 8 << 580.f << 2820.f;
    QTest::newRow("column 9, beside 1") << true << 9 << 580.f << 3110.f;
    QTest::newRow("column 15, beside 7") << true << 15 << 580.f << 4850.f;
}

void NotepadTest::palettes()
{
    QFETCH(bool, portrait);
    QFETCH(int, index);
    QFETCH(float, left);
    QFETCH(float, top);
    TestScreens t;
    Notepad& pad = openJotter(t);
    forms::Label& swatch = pad.tools(portrait).swatches(index);
    QCOMPARE(swatch.left(), left);
    QCOMPARE(swatch.top(), top);
    QCOMPARE(swatch.twipWidth(), 240.f);
    QCOMPARE(swatch.twipHeight(), 240.f);
    QCOMPARE(swatch.backColor(), forms::paletteColour(index));
    QVERIFY(swatch.isOpaque());
    QVERIFY(swatch.caption().isEmpty());
    // Every swatch lies inside its panel.
    forms::Frame& panel = pad.tools(portrait).frame;
    QVERIFY(swatch.left() + swatch.twipWidth() <= panel.twipWidth());
    QVERIFY(swatch.top() + swatch.twipHeight() <= panel.twipHeight());
    if (portrait)
        act(pad, "Flip");
    act(pad, QStringLiteral("swatch %1").arg(index));
    QCOMPARE(pad.penColor(), forms::paletteColour(index));
}

void NotepadTest::panelsSitOnThePad_data()
{
    QTest::addColumn<QSizeF>("pixels");
    QTest::newRow("1024 x 768") << QSizeF(1024, 768);
    QTest::newRow("800 x 600") << QSizeF(800, 600);
    QTest::newRow("1920 x 1080") << QSizeF(1920, 1080);
}

// The landscape strip along the bottom edge, the portrait column at the
// right-hand edge, each wholly on the pad.
void NotepadTest::panelsSitOnThePad()
{
    QFETCH(QSizeF, pixels);
    TestScreens t;
    t.fake->display = pixels;
    const QSizeF display = t->displaySize();
    Notepad& pad = openJotter(t);
    for (int flip = 0; flip < 3; ++flip) {
        const bool portrait = flip % 2 == 1;
        forms::Frame& panel = pad.tools(portrait).frame;
        QVERIFY(pad.rect().contains(panel.geometry()));
        if (portrait) {
            QCOMPARE(panel.left() + panel.twipWidth(), pad.twipWidth());
            QCOMPARE(panel.top(), 0.f);
            QVERIFY(pad.twipHeight() > pad.twipWidth());
        } else {
            QCOMPARE(panel.top() + panel.twipHeight(), pad.twipHeight());
            QCOMPARE(panel.left(), 0.f);
        }
        // The whole window, frame and title bar allowed for, fits the display.
        QVERIFY(pad.left() >= 0 && pad.top() >= 0);
        QVERIFY(pad.left() + pad.twipWidth() <= display.width());
        QVERIFY(pad.top() + pad.twipHeight() <= display.height());
        act(pad, "Flip");
    }
}

void NotepadTest::placement_data()
{
    QTest::addColumn<float>("outerWidth");
    QTest::addColumn<float>("outerHeight");
    QTest::addColumn<QSizeF>("display");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("landscape on 1024 x 768") << 10005.f << 4140.f << QSizeF(15360, 11520)
                                            << QRectF(2730, 4125, 9915, 3660);
    QTest::newRow("portrait on 1920 x 1200") << 4000.f << 12000.f << QSizeF(28800, 18000)
                                            << QRectF(12450, 3435, 3910, 11520);
    QTest::newRow("portrait taller than 1024 x 768") << 4000.f << 12000.f << QSizeF(15360, 11520)
                                                    << QRectF(5730, 435, 3910, 11040);
    QTest::newRow("landscape wider than the display") << 10005.f << 4140.f << QSizeF(9000, 6000)
                                                     << QRectF(45, 1365, 8910, 3660);
}

void NotepadTest::placement()
{
    QFETCH(float, outerWidth);
    QFETCH(float, outerHeight);
    QFETCH(QSizeF, display);
    QFETCH(QRectF, expected);
    const forms::TwipRect at = jotter::padPlacement(outerWidth, outerHeight, display, 1.f);
    QCOMPARE(QRectF(at.left, at.top, at.width, at.height), expected);
}

void NotepadTest::exitDiscardsTheDrawing()
{
    TestScreens t;
    Notepad& pad = openJotter(t);
    act(pad, "swatch 4");
    act(pad, "Flip");
    drag(pad, Qt::LeftButton, QPoint(40, 300), QPoint(120, 500));
    click(pad.column.exit);
    TestScreens::flushDeletes();
    QVERIFY(!t->isLoaded("notepad"));

    Notepad& again = openJotter(t);
    QVERIFY(again.strip.frame.isVisible());
    QCOMPARE(again.penColor(), Yellow);
    QCOMPARE(again.pad(), emptyPad(again));
    click(again.strip.exit);
    QVERIFY(!t->isLoaded("notepad"));
}

QTEST_MAIN(NotepadTest)
#include "test_notepad.moc"
