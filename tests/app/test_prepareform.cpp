// The shared set-up: size, colour and centring on displays of every size, and
// the optional standard buttons, each step taken on its own.
#include "activity/module1.h"
#include "forms/buttons.h"
#include "forms/pointer.h"
#include "forms/screen.h"
#include "support/testscreens.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A screen carrying whichever optional controls a row asks for, at designed places.
class Carrier : public forms::Screen {
public:
    Carrier(forms::Screens& s, const QStringList& buttons) : Screen(s, "carrier")
    {
        for (const QString& name : buttons) {
            auto* button = new forms::Button(this, name);
            button->place(100, 1000, 500, 300);
        }
    }
};
} // namespace

class PrepareFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void centresOnTheDisplay_data();
    void centresOnTheDisplay();
    void screenWithoutOptionalControls();
    void buttonColumnStacksOnWhatIsThere_data();
    void buttonColumnStacksOnWhatIsThere();
    void buttonsTakeTheirPictures();
    void missingPictureLeavesTheDesignedOne();
    void buttonWithoutItsPictureShowsItsWord_data();
    void buttonWithoutItsPictureShowsItsWord();
    void ownColourAfterwardsStays();
    void windowMovedByTheDesktopKeepsItsPlaceTrue();
};

void PrepareFormTest::centresOnTheDisplay_data()
{
    QTest::addColumn<QSizeF>("display");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("800 x 600: fills it") << QSizeF(12000, 9000) << 0.f << 0.f;
    QTest::newRow("1024 x 768") << QSizeF(15360, 11520) << 1680.f << 1260.f;
    QTest::newRow("640 x 480: overhangs evenly") << QSizeF(9600, 7200) << -1200.f << -900.f;
    QTest::newRow("1920 x 1080") << QSizeF(28800, 16200) << 8400.f << 3600.f;
}

void PrepareFormTest::centresOnTheDisplay()
{
    QFETCH(QSizeF, display);
    QFETCH(float, left);
    QFETCH(float, top);
    TestScreens t;
    t.fake->display = display;
    Carrier screen(*t, {});
    Module1::PrepareForm(screen);
    QCOMPARE(screen.Left(), left);
    QCOMPARE(screen.Top(), top);
    QCOMPARE(screen.Width(), 12000.f);
    QCOMPARE(screen.Height(), 9000.f);
    QCOMPARE(screen.geometry(), QRect(forms::toPixels(left), forms::toPixels(top), 800, 600));
    QVERIFY(!forms::busyPointerShown());
}

void PrepareFormTest::screenWithoutOptionalControls()
{
    TestScreens t;
    Carrier screen(*t, {});
    screen.setBackColor(Qt::red);
    Module1::PrepareForm(screen);
    QCOMPARE(screen.BackColor(), QColor(49, 135, 214));
    QVERIFY(screen.windowIcon().isNull());
}

void PrepareFormTest::buttonColumnStacksOnWhatIsThere_data()
{
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QList<float>>("tops"); // cmdgo, cmdjotter, cmdsoln, cmdcheckit; -1 absent
    QTest::newRow("all four") << QStringList{"cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit"}
                              << QList<float>{7950, 7455, 6960, 6465};
    QTest::newRow("jotter without go keeps its own top")
        << QStringList{"cmdjotter", "cmdsoln", "cmdcheckit"} << QList<float>{-1, 1000, 505, 10};
    QTest::newRow("only check") << QStringList{"cmdcheckit"} << QList<float>{-1, -1, -1, 1000};
    QTest::newRow("go and check, no middle") << QStringList{"cmdgo", "cmdcheckit"} << QList<float>{7950, -1, -1, 1000};
}

void PrepareFormTest::buttonColumnStacksOnWhatIsThere()
{
    QFETCH(QStringList, buttons);
    QFETCH(QList<float>, tops);
    TestScreens t;
    Carrier screen(*t, buttons);
    Module1::PrepareForm(screen);
    const QStringList column{"cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit"};
    for (int i = 0; i < column.size(); ++i) {
        auto* button = qobject_cast<forms::Button*>(screen.control(column[i]));
        QCOMPARE(button != nullptr, tops[i] >= 0);
        if (!button)
            continue;
        QCOMPARE(button->Top(), tops[i]);
        QCOMPARE(button->Left(), 10050.f);
        QCOMPARE(button->Width(), 1785.f);
        QCOMPARE(button->Height(), 495.f);
        QVERIFY(!button->TabStop());
    }
}

void PrepareFormTest::buttonsTakeTheirPictures()
{
    TestScreens t;
    Carrier screen(*t, {"cmdexit", "cmdgo", "cmdsoln", "cmdcheckit", "cmdjotter", "cmdscramble"});
    Module1::PrepareForm(screen);
    for (const char* name : {"cmdexit", "cmdgo", "cmdsoln", "cmdcheckit", "cmdjotter", "cmdscramble"})
        QVERIFY2(!qobject_cast<forms::Button*>(screen.control(name))->Picture().isNull(), name);
    auto* exit = qobject_cast<forms::Button*>(screen.control("cmdexit"));
    QCOMPARE(exit->twips().left, 60.f);
    QCOMPARE(exit->twips().top, 7950.f);
    auto* scramble = qobject_cast<forms::Button*>(screen.control("cmdscramble"));
    QCOMPARE(scramble->Top(), 1000.f); // keeps its designed place
}

void PrepareFormTest::missingPictureLeavesTheDesignedOne()
{
    TestScreens t;
    Carrier screen(*t, {"cmdgo"});
    auto* go = qobject_cast<forms::Button*>(screen.control("cmdgo"));
    QPixmap designed(10, 10);
    designed.fill(Qt::green);
    go->setPicture(designed);
    const QString home = QDir::currentPath();
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    Module1::PrepareForm(screen);
    QDir::setCurrent(home);
    QCOMPARE(go->Picture().size(), QSize(10, 10));
    QCOMPARE(go->Top(), 7950.f); // the rest still happens
}

void PrepareFormTest::buttonWithoutItsPictureShowsItsWord_data()
{
    QTest::addColumn<QString>("screen"); // empty: a screen carrying every optional button
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("word");
    QTest::newRow("exit") << "" << "cmdexit" << "Exit";
    QTest::newRow("next") << "" << "cmdgo" << "Next";
    QTest::newRow("answer") << "" << "cmdsoln" << "Answer";
    QTest::newRow("check") << "" << "cmdcheckit" << "Check";
    QTest::newRow("jotter") << "" << "cmdjotter" << "Jotter";
    QTest::newRow("scramble") << "" << "cmdscramble" << "Scramble";
    QTest::newRow("opening screen's exit") << "intro0" << "Command1" << "Exit";
    QTest::newRow("opening screen's jotter") << "intro0" << "cmdjotter" << "Jotter";
    QTest::newRow("menu's exit") << "menu3" << "Command1" << "Exit";
    QTest::newRow("menu's jotter") << "menu3" << "cmdjotter" << "Jotter";
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
    Carrier carrier(*t, {"cmdexit", "cmdgo", "cmdsoln", "cmdcheckit", "cmdjotter", "cmdscramble"});
    forms::Screen* shown = &carrier;
    if (screen.isEmpty())
        Module1::PrepareForm(carrier);
    else
        shown = &t->get(screen);
    QDir::setCurrent(home);
    auto* face = qobject_cast<forms::Button*>(shown->control(button));
    QVERIFY(face && face->Picture().isNull());
    QCOMPARE(face->Word(), word);
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
    QCOMPARE(intro.BackColor(), QColor(49, 135, 215));
}

void PrepareFormTest::windowMovedByTheDesktopKeepsItsPlaceTrue()
{
    TestScreens t;
    Carrier screen(*t, {});
    Module1::PrepareForm(screen);
    screen.setLeft(1687.5f); // not on a whole pixel: kept as given
    QCOMPARE(screen.Left(), 1687.5f);
    screen.show();
    screen.move(40, 30); // as a window manager would
    QTRY_COMPARE(screen.Left(), forms::toTwips(screen.geometry().x()));
    QCOMPARE(screen.Top(), forms::toTwips(screen.geometry().y()));
    QVERIFY(screen.Left() < 1000);
}

QTEST_MAIN(PrepareFormTest)
#include "test_prepareform.moc"
