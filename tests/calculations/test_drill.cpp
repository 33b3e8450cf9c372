// The calculation drills worked with the mouse: each opens from its menu with
// its topic's caption, "Answer" shows the working, "Next" draws another
// question and hides it again, the levels of Energy Calculations switch, and
// "Exit" uncovers the menu.
#include "support/pupil.h"
#include "support/testscreens.h"
#include "app/menu.h"
#include "calculations/describe.h"
#include "calculations/drill.h"
#include "calculations/topics.h"

#include <QAccessible>
#include <QTest>
#include <memory>

using calculations::CalculationDrill;

class DrillTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

    CalculationDrill& openFromMenu(int menu, int row)
    {
        screens->open<app::Menu>(QStringLiteral("menu%1").arg(menu)).openTopic(row);
        const auto& topics = calculations::topics();
        const auto topic = std::find_if(topics.begin(), topics.end(), [&](const auto& t) { return t.menu == menu && t.row == row; });
        auto& drill = (*screens)->get<CalculationDrill>(topic->screens.front()); // shown by the menu alone
        if (!QTest::qWaitForWindowExposed(&drill))
            qWarning("drill was not exposed");
        return drill;
    }

private slots:
    void initTestCase() { initTestFonts(); }
    void init()
    {
        screens = std::make_unique<TestScreens>();
        // A fair run of draws, so that each question differs.
        for (int i = 0; i < 2000; ++i)
            screens->fake->draws.push_back(std::fmod(i * 0.381966, 1.0));
    }
    void cleanup() { screens.reset(); }

    void answerNextAndExit_data()
    {
        QTest::addColumn<int>("menu");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("caption");
        QTest::newRow("efficiency") << 1 << 4 << "Efficiency Calculations";
        QTest::newRow("energy") << 2 << 4 << "Energy Calculations";
        QTest::newRow("wave speed") << 3 << 1 << "Calculation of Wave Speed";
        QTest::newRow("moments") << 4 << 4 << "Calculating Moments";
    }

    void answerNextAndExit()
    {
        QFETCH(int, menu);
        QFETCH(int, row);
        QFETCH(QString, caption);
        CalculationDrill& drill = openFromMenu(menu, row);
        QCOMPARE(drill.windowTitle(), caption);
        QCOMPARE(drill.questionText.paragraphs(), QStringList{drill.question().text});
        QVERIFY(drill.questionText.isVisible());
        QVERIFY(!drill.workingText.isVisible());
        QCOMPARE(drill.diagramFrame.isVisible(), !std::holds_alternative<std::monostate>(drill.question().diagram));

        pupil::click(drill.commands(CalculationDrill::ShowAnswer));
        QVERIFY(drill.workingText.isVisible());
        QCOMPARE(drill.workingText.paragraphs().size(), 3);
        QCOMPARE(drill.workingText.paragraphs().back(), drill.question().working[2]);
        QVERIFY(drill.questionText.fits());
        QVERIFY(drill.workingText.fits());

        const QString before = drill.question().text;
        pupil::click(drill.commands(CalculationDrill::Next));
        QVERIFY(!drill.workingText.isVisible());
        QVERIFY(drill.question().text != before);
        QCOMPARE(drill.questionText.paragraphs(), QStringList{drill.question().text});

        const QString name = drill.name(); // the screen is gone once "Exit" has been handled
        pupil::click(drill.commands(CalculationDrill::Exit));
        QVERIFY(!(*screens)->isLoaded(name));
        QVERIFY((*screens)->isLoaded(QStringLiteral("menu%1").arg(menu)));
    }

    void energyLevels()
    {
        CalculationDrill& drill = openFromMenu(2, 4);
        QCOMPARE(drill.levels.count(), 3);
        QVERIFY(drill.levels(0).value());
        pupil::click(drill.commands(CalculationDrill::ShowAnswer));
        pupil::click(drill.levels(1));
        QCOMPARE(drill.level(), 1);
        QVERIFY(!drill.workingText.isVisible());
        // Level 2 on every later question too.
        for (int click = 0; click < 5; ++click) {
            const auto& given = drill.question().given;
            QVERIFY(std::any_of(given.begin(), given.end(), [](const calculations::Value& v) {
                return v.unit == "W" || v.unit == "p";
            }));
            pupil::click(drill.commands(CalculationDrill::Next));
        }
        // Level 3 in joules, the time in seconds.
        pupil::click(drill.levels(2));
        QCOMPARE(drill.level(), 2);
        for (int click = 0; click < 5; ++click) {
            QVERIFY(drill.question().working[1].contains(QStringLiteral("\u00A0s")));
            const QString unit = drill.question().answer.front().unit;
            QVERIFY2(unit == "J" || unit == "W", qPrintable(drill.question().text));
            pupil::click(drill.commands(CalculationDrill::Next));
        }
        pupil::click(drill.levels(0));
        QCOMPARE(drill.level(), 0);
    }

    // A screen reader hears what the diagram shows, and hears it afresh with each question.
    void diagramIsDescribed()
    {
        CalculationDrill& drill = openFromMenu(4, 4);
        for (int click = 0; click < 5; ++click) {
            QAccessibleInterface* diagram = QAccessible::queryAccessibleInterface(&drill.diagram);
            QVERIFY(diagram);
            QCOMPARE(diagram->role(), QAccessible::Graphic);
            const QString name = diagram->text(QAccessible::Name);
            QVERIFY2(name.contains(QStringLiteral(": pivot at ")), qPrintable(name));
            QCOMPARE(name, calculations::describe(drill.question().diagram));
            pupil::click(drill.commands(CalculationDrill::Next));
        }
    }
};

QTEST_MAIN(DrillTest)
#include "test_drill.moc"
