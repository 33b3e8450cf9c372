// The Jotter button of the opening screen and the menus: placed by the set-up
// routine clear of everything else, and opening the Jotter over the screen.
#include "app/menu.h"
#include "forms/buttons.h"
#include "forms/screen.h"
#include "support/testscreens.h"

#include <QApplication>
#include <QTest>

namespace {

bool overlap(const forms::TwipRect& a, const forms::TwipRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

} // namespace

class JotterButtonTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void placedClearOfEverything_data();
    void placedClearOfEverything();
    void opensTheJotter_data();
    void opensTheJotter();
};

void JotterButtonTest::placedClearOfEverything_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<float>("top");
    QTest::newRow("opening screen") << "intro0" << 7200.f;
    for (int menu = 1; menu <= int(app::menuTable().size()); ++menu)
        QTest::addRow("menu%d", menu) << QStringLiteral("menu%1").arg(menu) << 7950.f;
}

void JotterButtonTest::placedClearOfEverything()
{
    QFETCH(QString, screen);
    QFETCH(float, top);
    TestScreens t;
    t->show("intro0");
    t->show(screen);
    forms::Screen& s = t->get(screen);
    auto* button = qobject_cast<forms::Button*>(s.control("jotterButton"));
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QCOMPARE(button->left(), 10050.f);
    QCOMPARE(button->top(), top);
    QCOMPARE(button->twipWidth(), 1785.f);
    QCOMPARE(button->twipHeight(), 495.f);
    QVERIFY(!button->hasTabStop());
    QVERIFY(!button->picture().isNull());
    QVERIFY(button->top() + button->twipHeight() <= s.twipHeight());
    for (forms::Control* other : s.findChildren<forms::Control*>(Qt::FindDirectChildrenOnly)) {
        if (other == button || !other->isVisible())
            continue;
        QVERIFY2(!overlap(button->twips(), other->twips()),
                 qPrintable(QStringLiteral("overlaps %1(%2)").arg(other->name()).arg(other->index())));
    }
}

void JotterButtonTest::opensTheJotter_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("opening screen") << "intro0";
    QTest::newRow("menu1") << "menu1";
    QTest::newRow("menu4") << "menu4";
}

void JotterButtonTest::opensTheJotter()
{
    QFETCH(QString, screen);
    TestScreens t;
    t->show("intro0");
    t->show(screen);
    forms::Screen& s = t->get(screen);
    QWidget* button = s.control("jotterButton");
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(t->isLoaded("notepad"));
    QVERIFY(t->get("notepad").isVisible());
    QVERIFY(s.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // Opening it again keeps the one Jotter.
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QCOMPARE(t->loadedNames().count("notepad"), 1);
}

QTEST_MAIN(JotterButtonTest)
#include "test_jotterbutton.moc"
