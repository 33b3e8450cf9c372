// The shared set-up: size, colour and centring on displays of every size, and
// the standard parts a screen names, each step taken on its own.
#include "activity/setup.h"
#include "forms/buttons.h"
#include "forms/pointer.h"
#include "forms/screen.h"
#include "support/testscreens.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A screen carrying a Jotter button and a panel at designed places.
class Carrier : public forms::Screen {
public:
    explicit Carrier(forms::Screens& s) : Screen(s, "carrier")
    {
        jotter.place(100, 1000, 500, 300);
        panel.place(100, 2000, 500, 300);
    }
    void prepare() { activity::prepareScreen(*this, {.panel = &panel, .jotter = &jotter}); }
    forms::Button& jotter = *new forms::Button(this, "jotterButton");
    forms::PictureBox& panel = *new forms::PictureBox(this, "panel");
};
} // namespace

class PrepareFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void centresOnTheDisplay_data();
    void centresOnTheDisplay();
    void screenWithoutStandardParts();
    void standardPartsTakeTheirLookAndPlace();
    void missingPictureLeavesTheDesignedOne();
    void buttonWithoutItsPictureShowsItsWord_data();
    void buttonWithoutItsPictureShowsItsWord();
    void ownColourAfterwardsStays();
    void windowMovedByTheDesktopKeepsItsPlaceTrue();
};

void PrepareFormTest::centresOnTheDisplay_data()
{
    QTest::addColumn<QSizeF>("display"); // pixels
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("800 x 600: fills it") << QSizeF(800, 600) << 0.f << 0.f;
    QTest::newRow("1024 x 768") << QSizeF(1024, 768) << 1680.f << 1260.f;
    QTest::newRow("640 x 480: overhangs evenly") << QSizeF(640, 480) << -1200.f << -900.f;
    QTest::newRow("1920 x 1080") << QSizeF(1920, 1080) << 8400.f << 3600.f;
}

void PrepareFormTest::centresOnTheDisplay()
{
    QFETCH(QSizeF, display);
    QFETCH(float, left);
    QFETCH(float, top);
    TestScreens t;
    t.fake->display = display;
    Carrier screen(*t);
    activity::prepareScreen(screen);
    QCOMPARE(screen.left(), left);
    QCOMPARE(screen.top(), top);
    QCOMPARE(screen.twipWidth(), 12000.f);
    QCOMPARE(screen.twipHeight(), 9000.f);
    QCOMPARE(screen.geometry(), QRect(forms::toPixels(left, t->scale()), forms::toPixels(top, t->scale()), 800, 600));
    QVERIFY(!forms::busyPointerShown());
}

void PrepareFormTest::screenWithoutStandardParts()
{
    TestScreens t;
    Carrier screen(*t);
    screen.setBackColor(Qt::red);
    screen.panel.setBackColor(Qt::red);
    activity::prepareScreen(screen);
    QCOMPARE(screen.backColor(), QColor(49, 135, 214));
    QVERIFY(screen.windowIcon().isNull());
    QCOMPARE(screen.panel.backColor(), QColor(Qt::red));
    QVERIFY(screen.jotter.picture().isNull());
    QCOMPARE(screen.jotter.left(), 100.f);
}

// The Jotter button goes to the right-hand column at its own top.
void PrepareFormTest::standardPartsTakeTheirLookAndPlace()
{
    TestScreens t;
    Carrier screen(*t);
    screen.prepare();
    QCOMPARE(screen.panel.backColor(), QColor(49, 135, 214));
    QVERIFY(!screen.jotter.picture().isNull());
    QCOMPARE(screen.jotter.top(), 1000.f);
    QCOMPARE(screen.jotter.left(), 10050.f);
    QCOMPARE(screen.jotter.twipWidth(), 1785.f);
    QCOMPARE(screen.jotter.twipHeight(), 495.f);
    QVERIFY(!screen.jotter.hasTabStop());
}

void PrepareFormTest::missingPictureLeavesTheDesignedOne()
{
    TestScreens t;
    Carrier screen(*t);
    QPixmap designed(10, 10);
    designed.fill(Qt::green);
    screen.jotter.setPicture(designed);
    const QString home = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    screen.prepare();
    QDir::setCurrent(home);
    QCOMPARE(screen.jotter.picture().size(), QSize(10, 10));
    QCOMPARE(screen.jotter.left(), 10050.f); // the rest still happens
}

void PrepareFormTest::buttonWithoutItsPictureShowsItsWord_data()
{
    QTest::addColumn<QString>("screen"); // empty: a screen carrying the standard parts
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("word");
    QTest::newRow("jotter") << "" << "jotterButton" << "Jotter";
    QTest::newRow("opening screen's exit") << "intro0" << "exitButton" << "Exit";
    QTest::newRow("opening screen's jotter") << "intro0" << "jotterButton" << "Jotter";
    QTest::newRow("menu's exit") << "menu3" << "exitButton" << "Exit";
    QTest::newRow("menu's jotter") << "menu3" << "jotterButton" << "Jotter";
}

// Dark pixels inside the button's edge: what it draws on its grey face.
static int inkOn(forms::Button& button)
{
    const QImage face = button.grab().toImage();
    int ink = 0;
    for (int y = 3; y < face.height() - 3; ++y)
        for (int x = 3; x < face.width() - 3; ++x)
            ink += qGray(face.pixel(x, y)) < 96;
    return ink;
}

void PrepareFormTest::buttonWithoutItsPictureShowsItsWord()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, word);
    TestScreens t;
    const QString home = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    Carrier carrier(*t);
    forms::Screen* shown = &carrier;
    if (screen.isEmpty())
        carrier.prepare();
    else
        shown = &t->get(screen);
    QDir::setCurrent(home);
    auto* face = qobject_cast<forms::Button*>(shown->control(button));
    QVERIFY(face && face->picture().isNull());
    QCOMPARE(face->word(), word);
    QVERIFY2(inkOn(*face) > 20, "the word is drawn on the face");
    // With its picture the picture shows, not the word.
    QPixmap picture(face->size());
    picture.fill(Qt::white);
    face->setPicture(picture);
    QCOMPARE(inkOn(*face), 0);
}

void PrepareFormTest::ownColourAfterwardsStays()
{
    TestScreens t;
    auto& intro = t->get("intro0");
    QCOMPARE(intro.backColor(), QColor(49, 135, 215));
}

void PrepareFormTest::windowMovedByTheDesktopKeepsItsPlaceTrue()
{
    TestScreens t;
    Carrier screen(*t);
    activity::prepareScreen(screen);
    screen.setLeft(1687.5f); // not on a whole pixel: kept as given
    QCOMPARE(screen.left(), 1687.5f);
    screen.show();
    screen.move(40, 30); // as a window manager would
    QTRY_COMPARE(screen.left(), forms::toTwips(screen.geometry().x(), t->scale()));
    QCOMPARE(screen.top(), forms::toTwips(screen.geometry().y(), t->scale()));
    QVERIFY(screen.left() < 1000);
}

QTEST_MAIN(PrepareFormTest)
#include "test_prepareform.moc"
