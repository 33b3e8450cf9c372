// The quiz screens driven as the class drives them, by the pointer.
#include "activity/fit.h"
#include "forms/platform.h"
#include "statements/energytransferquiz.h"
#include "statements/quiz.h"
#include "statements/sankey.h"
#include "statements/topics.h"
#include "support/testscreens.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <set>

using namespace statements;

namespace {

void click(forms::Control& control) { QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center()); }

// The screens, with the random source drawing from a seeded generator.
struct SeededScreens : TestScreens {
    SeededScreens()
    {
        forms::UniformRandom random(7);
        for (int i = 0; i < 5000; ++i)
            fake->draws.push_back(random());
    }
};

// The parts of the quiz on `screen`, shown.
QuizParts& openQuiz(TestScreens& t, const QString& screen) { return *t.open(screen).findChild<QuizParts*>(); }

QString tally(const QuizParts& q) { return q.tally.caption(); }

void addScreenRows()
{
    QTest::addColumn<QString>("screen");
    for (const activity::Topic& topic : topics())
        QTest::newRow(qPrintable(topic.screens.front())) << topic.screens.front();
}

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestFonts();
        QStandardPaths::setTestModeEnabled(true); // a teacher's folder of the tests' own
    }

    void opensWithItsTitle_data() { addScreenRows(); }
    void opensWithItsTitle()
    {
        QFETCH(QString, screen);
        SeededScreens t;
        QuizParts& q = openQuiz(t, screen);
        QCOMPARE(t->get(screen).windowTitle(), activity::topicOfScreen(topics(), screen)->title);
        QCOMPARE(tally(q), QStringLiteral("%1 1 of %2 \u00B7 right first time: 0").arg(q.data().noun).arg(q.deck().size()));
        click(q.commands(QuizParts::Exit));
        QVERIFY(!t->isLoaded(screen));
    }

    // The statement is fitted to its box in design pixels: a fitted display
    // shows it in the same box, whole.
    void statementLaidOutAlikeWhenFitted_data() { addScreenRows(); }
    void statementLaidOutAlikeWhenFitted()
    {
        QFETCH(QString, screen);
        forms::TwipRect box[2];
        for (const bool fit : {false, true}) {
            SeededScreens t;
            t.fake->display = {1920, 1080};
            activity::fitToScreen(*t, fit);
            auto* quiz = qobject_cast<StatementQuiz*>(&t.open(screen));
            if (!quiz)
                QSKIP("no statement on this screen");
            box[fit] = quiz->statement.twips();
        }
        QCOMPARE(box[1].top, box[0].top);
        QCOMPARE(box[1].height, box[0].height);
    }

    void everyStatementOncePerRound_data() { addScreenRows(); }
    // "Next" deals each statement once before any comes again, and a new
    // round does not open with the one just seen.
    void everyStatementOncePerRound()
    {
        QFETCH(QString, screen);
        SeededScreens t;
        QuizParts& q = openQuiz(t, screen);
        const int n = q.deck().size();
        std::vector<int> cards{q.deck().current()};
        QSignalSpy dealt(&q, &QuizParts::dealt);
        for (int i = 1; i < 3 * n; ++i)
            click(q.commands(QuizParts::Next));
        for (const QList<QVariant>& card : dealt)
            cards.push_back(card.at(0).toInt());
        for (int round = 0; round < 3; ++round) {
            const auto first = cards.begin() + round * n;
            QCOMPARE(int(std::set<int>(first, first + n).size()), n);
            QVERIFY(round == 0 || *first != first[-1]);
        }
    }

    void rightWrongAndReveal_data() { addScreenRows(); }
    void rightWrongAndReveal()
    {
        QFETCH(QString, screen);
        SeededScreens t;
        QuizParts& q = openQuiz(t, screen);
        const int n = q.choices.count();
        const int right = q.rightChoice();
        const int wrong = (right + 1) % n;

        click(q.choices(wrong));
        QCOMPARE(q.mark.shape(), Mark::Shape::Cross);
        QCOMPARE(q.feedback.caption(), QStringLiteral("Not quite \u2013 try again"));
        QVERIFY(q.reason.caption().isEmpty());
        QCOMPARE(q.greyed(wrong), n > 2);       // greyed out only where more than one choice is left
        QVERIFY(!q.settled());

        click(q.choices(right));
        QCOMPARE(q.mark.shape(), Mark::Shape::Tick);
        QCOMPARE(q.feedback.caption(), QStringLiteral("Correct"));
        QVERIFY(screen == "energytransfer" ? q.reason.caption().contains("\nefficiency = ")
                                           : q.reason.caption().startsWith(q.choices(right).caption()));
        for (int k = 0; k < n; ++k)
            QCOMPARE(q.greyed(k), k != right);
        QVERIFY(tally(q).endsWith("right first time: 0")); // it took two tries

        click(q.commands(QuizParts::Next));
        QCOMPARE(q.mark.shape(), Mark::Shape::None);
        for (int k = 0; k < n; ++k)
            QVERIFY(!q.greyed(k));
        click(q.choices(q.rightChoice()));
        QVERIFY(tally(q).startsWith(q.data().noun + " 2 of "));
        QVERIFY(tally(q).endsWith("right first time: 1"));

        // "Answer" shows the answer; the choices then do nothing.
        click(q.commands(QuizParts::Next));
        const int answer = q.rightChoice();
        click(q.commands(QuizParts::Answer));
        QCOMPARE(q.feedback.caption(), "The answer is: " + q.choices(answer).caption());
        QCOMPARE(q.mark.shape(), Mark::Shape::None);
        QVERIFY(!q.reason.caption().isEmpty());
        click(q.choices(answer));
        QVERIFY(tally(q).endsWith("right first time: 1"));

        click(q.commands(QuizParts::StartAgain));
        QCOMPARE(tally(q), QStringLiteral("%1 1 of %2 \u00B7 right first time: 0").arg(q.data().noun).arg(q.deck().size()));
    }

    void levelSwitch()
    {
        SeededScreens t;
        auto& q = t.open<StatementQuiz>("gravitation");
        QVERIFY(q.levelSwitch(0).isVisible() && q.levelSwitch(0).value());
        QCOMPARE(q.set().file, QStringLiteral("gravitation-level1.txt"));
        click(q.parts.choices(q.parts.rightChoice()));
        click(q.levelSwitch(1));
        QCOMPARE(q.set().file, QStringLiteral("gravitation-level2.txt"));
        QCOMPARE(tally(q.parts), QStringLiteral("Statement 1 of %1 \u00B7 right first time: 0").arg(q.set().statements.size()));
        QVERIFY(!q.parts.settled());
        click(q.levelSwitch(0));
        QCOMPARE(q.set().file, QStringLiteral("gravitation-level1.txt"));
    }

    void teacherSetReplacesBuiltIn()
    {
        const QString folder = teacherFolder();
        QVERIFY(QDir().mkpath(folder));
        const QString file = QDir(folder).filePath("bigbang.txt");
        {
            QFile own(file);
            QVERIFY(own.open(QIODevice::WriteOnly));
            own.write("True | The universe is expanding. | galaxies move apart\nPerhaps | Not a line.\n"
                      "False | The universe is shrinking. | it is expanding\n");
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("bigbang.txt:2: skipped"));
        SeededScreens t;
        auto& q = t.open<StatementQuiz>("bigbang");
        QFile::remove(file);
        QVERIFY(!q.set().builtIn);
        QCOMPARE(int(q.set().statements.size()), 2);
        QVERIFY(q.statement.caption().startsWith("The universe is "));
    }

    // Over many seeds and every device: the branches add up, the values are
    // whole positive joules, the efficiency is the device's own, and the four
    // choices differ, with the hidden value among them once.
    void sankeyValues()
    {
        QVERIFY(devices().size() >= 8);
        const QuizData& diagrams = quizOf("energytransfer");
        std::set<Branch> hidden;
        for (std::uint64_t seed = 1; seed <= 400; ++seed) {
            forms::UniformRandom random(seed);
            for (int d = 0; d < int(devices().size()); ++d) {
                const SankeyQuestion s = makeSankey(d, [&random] { return random(); });
                const Device& device = devices()[std::size_t(d)];
                QVERIFY(s.useful > 0 && s.wasted > 0);
                QCOMPARE(s.useful + s.wasted, s.input);
                QVERIFY(s.efficiencyPercent() >= device.lowest && s.efficiencyPercent() <= device.highest);
                QCOMPARE(s.useful * 100 % s.input, 0);
                const std::set<int> distinct(s.choices.begin(), s.choices.end());
                QCOMPARE(int(distinct.size()), 4);
                QVERIFY(*distinct.begin() > 0);
                QCOMPARE(int(std::count(s.choices.begin(), s.choices.end(), s.valueOf(s.missing))), 1);
                QCOMPARE(s.choices[std::size_t(s.answer)], s.valueOf(s.missing));
                hidden.insert(s.missing);
                if (seed <= 20) // the three lines of working fit whole
                    QVERIFY(!fitReason(statements::efficiencyWorking(s), diagrams).cut);
            }
        }
        QCOMPARE(int(hidden.size()), 3);
    }

    void efficiencyWorking_data()
    {
        QTest::addColumn<int>("useful");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("missing");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("a fifth, wasted hidden") << 20 << 100 << int(Branch::Wasted) << "wasted = 100 J \u2212 20 J = 80 J"
                                                << "= 20 J \u00F7 100 J = 0.2 (20%)";
        QTest::newRow("a twentieth, useful hidden") << 20 << 400 << int(Branch::Useful) << "useful = 400 J \u2212 380 J = 20 J"
                                                    << "= 20 J \u00F7 400 J = 0.05 (5%)";
        QTest::newRow("most, input hidden") << 1140 << 1200 << int(Branch::Input) << "input = 1140 J + 60 J = 1200 J"
                                            << "= 1140 J \u00F7 1200 J = 0.95 (95%)";
    }
    // The hidden value is worked first, then the efficiency from the equation.
    void efficiencyWorking()
    {
        QFETCH(int, useful);
        QFETCH(int, input);
        QFETCH(int, missing);
        QFETCH(QString, first);
        QFETCH(QString, last);
        SankeyQuestion s;
        s.input = input, s.useful = useful, s.wasted = input - useful, s.missing = Branch(missing);
        QCOMPARE(statements::efficiencyWorking(s),
                 first + "\nefficiency = useful output energy transfer \u00F7 total input energy transfer\n" + last);
    }

    void diagramHidesThenShowsTheValue()
    {
        SeededScreens t;
        auto& q = t.open<EnergyTransferQuiz>("energytransfer");
        const SankeyQuestion& s = q.diagram.question();
        QVERIFY(q.diagram.labelOf(s.missing).endsWith("\n?"));
        click(q.parts.choices(q.parts.rightChoice()));
        QVERIFY(q.diagram.labelOf(s.missing).endsWith(QStringLiteral("\n%1 J").arg(s.valueOf(s.missing))));
        QCOMPARE(q.parts.reason.caption(), statements::efficiencyWorking(s));
    }
};

QTEST_MAIN(TestQuiz)
#include "test_quiz.moc"
