// Equation practice worked as a teacher and a pupil would: the menu opens the
// choosing screen with what was chosen last time, "Start" keeps the choice
// and plays only the equations ticked at the level chosen, "Answer" shows the
// working, "Next" hides it, the keyboard and a screen reader reach them, and
// every question and worked answer fits its box.
#include "support/pupil.h"
#include "support/testscreens.h"
#include "app/menu.h"
#include "calculations/equationchoice.h"
#include "calculations/equationdrill.h"
#include "calculations/equationquestions.h"
#include "calculations/topics.h"
#include "forms/platform.h"

#include <QAccessible>
#include <QTest>
#include <memory>

using namespace calculations;

class EquationDrillTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestScreens> screens;

    EquationChoice& openFromMenu()
    {
        const auto& topics = calculations::topics();
        const auto topic = std::find_if(topics.begin(), topics.end(), [](const auto& t) { return t.screens.front() == EquationChoiceId; });
        screens->open<app::Menu>(QStringLiteral("menu%1").arg(topic->menu)).openTopic(topic->row);
        auto& choice = (*screens)->get<EquationChoice>(EquationChoiceId);
        if (!QTest::qWaitForWindowExposed(&choice))
            qWarning("choosing screen was not exposed");
        return choice;
    }

    int boxOf(const EquationChoice& choice, const QString& id)
    {
        for (int k = 0; k < choice.boxes.count(); ++k)
            if (choice.boxes(k).caption().startsWith(findEquation(id)->name))
                return k;
        return -1;
    }

private slots:
    void initTestCase() { initTestFonts(); }
    void init()
    {
        screens = std::make_unique<TestScreens>();
        for (int i = 0; i < 4000; ++i)
            screens->fake->draws.push_back(std::fmod(i * 0.381966, 1.0));
    }
    void cleanup() { screens.reset(); }

    void everyEquationTickedAtFirst()
    {
        EquationChoice& choice = openFromMenu();
        QCOMPARE(choice.boxes.count(), int(equations().size()));
        QCOMPARE(choice.ticked().size(), int(equations().size()));
        QCOMPARE(choice.level(), int(FindSubject));
        QCOMPARE(choice.boxes(boxOf(choice, "momentum")).caption(), QStringLiteral("momentum (HT)"));
    }

    void startKeepsTheChoiceAndPlaysIt()
    {
        EquationChoice& choice = openFromMenu();
        pupil::click(choice.commands(EquationChoice::ClearAll));
        pupil::click(choice.commands(EquationChoice::Start)); // nothing ticked: stays, and says so
        QVERIFY(choice.words.caption().startsWith("Tick at least one"));
        QVERIFY(!(*screens)->isLoaded(EquationDrillId));
        pupil::click(choice.boxes(boxOf(choice, "kineticenergy")));
        QCOMPARE(choice.words.caption(), findEquation("kineticenergy")->words);
        pupil::click(choice.boxes(boxOf(choice, "transformerpower")));
        pupil::click(choice.levels(Rearrange));
        pupil::click(choice.commands(EquationChoice::Start));

        auto& drill = (*screens)->get<EquationDrill>(EquationDrillId);
        QCOMPARE(drill.chosen(), (QStringList{"kineticenergy", "transformerpower"}));
        QCOMPARE(drill.level(), int(Rearrange));
        QVERIFY(drill.levels(Rearrange).value());
        QCOMPARE(screens->fake->settings[ChosenEquationsKey].toString(), QStringLiteral("kineticenergy,transformerpower"));
        for (int click = 0; click < 10; ++click) {
            const QString& sheet = drill.question().working[0];
            QVERIFY(sheet == findEquation("kineticenergy")->words || sheet == findEquation("transformerpower")->words);
            pupil::click(drill.commands(EquationDrill::Next));
        }

        // The next lesson finds the same choice.
        screens.reset();
        screens = std::make_unique<TestScreens>();
        screens->fake->settings[ChosenEquationsKey] = "kineticenergy,transformerpower,gone";
        screens->fake->settings[EquationLevelKey] = int(Rearrange);
        EquationChoice& again = openFromMenu();
        QCOMPARE(again.ticked(), (QStringList{"kineticenergy", "transformerpower"}));
        QCOMPARE(again.level(), int(Rearrange));
    }

    void answerNextAndLevels()
    {
        EquationChoice& choice = openFromMenu();
        pupil::click(choice.commands(EquationChoice::Start));
        auto& drill = (*screens)->get<EquationDrill>(EquationDrillId);
        QVERIFY(QTest::qWaitForWindowExposed(&drill));
        QCOMPARE(drill.windowTitle(), QStringLiteral("Equation Practice"));
        QVERIFY(!drill.workingText.isVisible());
        pupil::click(drill.commands(EquationDrill::ShowAnswer));
        QVERIFY(drill.workingText.isVisible());
        QCOMPARE(drill.workingText.paragraphs().back(), drill.question().working[2]);
        QAccessibleInterface* working = QAccessible::queryAccessibleInterface(&drill.workingText);
        QVERIFY(working->text(QAccessible::Name).contains(drill.question().working[2]));

        pupil::click(drill.levels(Recall));
        QVERIFY(!drill.workingText.isVisible());
        QVERIFY(drill.question().text.startsWith("Write down the equation that links"));
        QCOMPARE(screens->fake->settings[EquationLevelKey].toInt(), int(Recall));
        // The keyboard: Return on a command runs it.
        drill.commands(EquationDrill::ShowAnswer).setFocus();
        QTest::keyClick(&drill.commands(EquationDrill::ShowAnswer), Qt::Key_Return);
        QVERIFY(drill.workingText.isVisible());
        QCOMPARE(drill.workingText.paragraphs().front(), drill.question().working[0]);

        pupil::click(drill.commands(EquationDrill::Choose));
        QVERIFY((*screens)->get(EquationChoiceId).isVisible());
        pupil::click(drill.commands(EquationDrill::Exit));
        QVERIFY(!(*screens)->isLoaded(EquationDrillId));
    }

    // The longest questions and working set smaller only as far as they need, and always inside their boxes.
    void everyTextFitsItsBox()
    {
        auto source = std::make_shared<forms::UniformRandom>(11);
        const Random random = [source] { return (*source)(); };
        double smallest = 100;
        for (const Equation& eq : equations())
            for (int level : {Recall, FindSubject, Rearrange, ConvertFirst}) {
                const Generator generate = equationGenerator({eq.id});
                for (int i = 0; i < 6; ++i) {
                    const Question q = generate(random, level);
                    QStringList working;
                    for (const QString& line : q.working)
                        if (!line.isEmpty())
                            working << line;
                    for (auto [texts, box, bold] : {std::tuple{QStringList{q.text}, equationQuestionBox(), true},
                                                    {working, equationWorkingBox(), false}}) {
                        const QFont font = fittingFont(texts, box, bold);
                        const TextExtent extent = measureText(texts, font, forms::designPixels(box.width));
                        QVERIFY2(extent.height <= forms::designPixels(box.height), qPrintable(texts.join(" | ")));
                        smallest = std::min(smallest, font.pixelSize() * 72.0 / 96);
                    }
                }
            }
        QVERIFY2(smallest >= 14, qPrintable(QString::number(smallest))); // still read from the back of the room
    }
};

QTEST_MAIN(EquationDrillTest)
#include "test_equationdrill.moc"
