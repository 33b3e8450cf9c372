// The statement-quiz screens driven as the class drives them, by the pointer.
#include "activity/catalogue.h"
#include "forms/platform.h"
#include "statements/quiz.h"
#include "statements/sankey.h"
#include "support/testscreens.h"

#include <QStandardPaths>
#include <QtTest>
#include <set>

using namespace statements;

namespace {

const QStringList Screens{"heattransfer", "energytransfer", "resources", "emradiation",
                          "radiationtypes", "telescopes", "gravitation", "bigbang"};

void click(forms::Control& control) { QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center()); }

// The screen, shown, with the random source drawing from a seeded generator.
StatementQuiz& open(TestScreens& t, const QString& screen, std::uint64_t seed = 7)
{
    forms::UniformRandom random(seed);
    for (int i = 0; i < 5000; ++i)
        t.fake->draws.push_back(random());
    t->show(screen);
    auto& quiz = t->get<StatementQuiz>(screen);
    if (!QTest::qWaitForWindowExposed(&quiz))
        qFatal("%s never came up", qPrintable(screen));
    return quiz;
}

QString tally(const StatementQuiz& q) { return q.Label8.Caption(); }

void addScreenRows()
{
    QTest::addColumn<QString>("screen");
    for (const QString& s : Screens)
        QTest::newRow(qPrintable(s)) << s;
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
        TestScreens t;
        StatementQuiz& q = open(t, screen);
        QCOMPARE(q.windowTitle(), activity::topicOf(screen)->title);
        QCOMPARE(tally(q), QStringLiteral("%1 1 of %2 \u00B7 right first time: 0").arg(q.data().noun).arg(q.questionCount()));
        click(q.Label3(StatementQuiz::Exit));
        QVERIFY(!t->isLoaded(screen));
    }

    void everyStatementOncePerRound_data() { addScreenRows(); }
    // "Next" deals each statement once before any comes again, and a new
    // round does not open with the one just seen.
    void everyStatementOncePerRound()
    {
        QFETCH(QString, screen);
        TestScreens t;
        StatementQuiz& q = open(t, screen);
        const int n = q.questionCount();
        int last = -1;
        for (int round = 0; round < 3; ++round) {
            std::set<int> seen;
            for (int i = 0; i < n; ++i) {
                if (i > 0 || round > 0)
                    click(q.Label3(StatementQuiz::Next));
                if (i == 0 && round > 0)
                    QVERIFY(q.deck().current() != last);
                seen.insert(q.deck().current());
                last = q.deck().current();
            }
            QCOMPARE(int(seen.size()), n);
        }
    }

    void rightWrongAndReveal_data() { addScreenRows(); }
    void rightWrongAndReveal()
    {
        QFETCH(QString, screen);
        TestScreens t;
        StatementQuiz& q = open(t, screen);
        const int n = q.Label4.count();
        const int right = q.rightChoice();
        const int wrong = (right + 1) % n;

        click(q.Label4(wrong));
        QCOMPARE(q.Mark1.shape(), Mark::Shape::Cross);
        QCOMPARE(q.Label5.Caption(), QStringLiteral("Not quite \u2013 try again"));
        QVERIFY(q.Label6.Caption().isEmpty());
        QCOMPARE(q.greyed(wrong), n > 2);       // greyed out only where more than one choice is left
        QVERIFY(!q.settled());

        click(q.Label4(right));
        QCOMPARE(q.Mark1.shape(), Mark::Shape::Tick);
        QCOMPARE(q.Label5.Caption(), QStringLiteral("Correct"));
        QVERIFY(q.Label6.Caption().startsWith(q.data().diagrams ? "efficiency = " : q.Label4(right).Caption()));
        for (int k = 0; k < n; ++k)
            QCOMPARE(q.greyed(k), k != right);
        QVERIFY(tally(q).endsWith("right first time: 0")); // it took two tries

        click(q.Label3(StatementQuiz::Next));
        QCOMPARE(q.Mark1.shape(), Mark::Shape::None);
        for (int k = 0; k < n; ++k)
            QVERIFY(!q.greyed(k));
        click(q.Label4(q.rightChoice()));
        QVERIFY(tally(q).startsWith(q.data().noun + " 2 of "));
        QVERIFY(tally(q).endsWith("right first time: 1"));

        // "Answer" shows the answer; the choices then do nothing.
        click(q.Label3(StatementQuiz::Next));
        const int answer = q.rightChoice();
        click(q.Label3(StatementQuiz::Answer));
        QCOMPARE(q.Label5.Caption(), "The answer is: " + q.Label4(answer).Caption());
        QCOMPARE(q.Mark1.shape(), Mark::Shape::None);
        QVERIFY(!q.Label6.Caption().isEmpty());
        click(q.Label4(answer));
        QVERIFY(tally(q).endsWith("right first time: 1"));

        click(q.Label3(StatementQuiz::StartAgain));
        QCOMPARE(tally(q), QStringLiteral("%1 1 of %2 \u00B7 right first time: 0").arg(q.data().noun).arg(q.questionCount()));
    }

    void levelSwitch()
    {
        TestScreens t;
        StatementQuiz& q = open(t, "gravitation");
        QVERIFY(q.Option1(0).isVisible() && q.Option1(0).Value());
        QCOMPARE(q.set().file, QStringLiteral("gravitation-level1.txt"));
        click(q.Label4(q.rightChoice()));
        click(q.Option1(1));
        QCOMPARE(q.set().file, QStringLiteral("gravitation-level2.txt"));
        QCOMPARE(tally(q), QStringLiteral("Statement 1 of %1 \u00B7 right first time: 0").arg(q.set().statements.size()));
        QVERIFY(!q.settled());
        click(q.Option1(0));
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
        TestScreens t;
        StatementQuiz& q = open(t, "bigbang");
        QFile::remove(file);
        QVERIFY(!q.set().builtIn);
        QCOMPARE(int(q.set().statements.size()), 2);
        QVERIFY(q.Label2.Caption().startsWith("The universe is "));
    }

    // Over many seeds and every device: the branches add up, the values are
    // whole positive joules, the efficiency is the device's own, and the four
    // choices differ, with the hidden value among them once.
    void sankeyValues()
    {
        QVERIFY(devices().size() >= 8);
        const QuizData& diagrams = *std::find_if(quizzes().begin(), quizzes().end(), [](const QuizData& q) { return q.diagrams; });
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
                if (seed <= 20) // the worked efficiency fits whole
                    QVERIFY(fitReason(statements::efficiencyWorking(s), diagrams).points >= 18);
            }
        }
        QCOMPARE(int(hidden.size()), 3);
    }

    void efficiencyWorking_data()
    {
        QTest::addColumn<int>("useful");
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("line");
        QTest::newRow("a fifth") << 20 << 100 << "= 20 J \u00F7 100 J = 0.2 (20%)";
        QTest::newRow("a twentieth") << 10 << 200 << "= 10 J \u00F7 200 J = 0.05 (5%)";
        QTest::newRow("most") << 1140 << 1200 << "= 1140 J \u00F7 1200 J = 0.95 (95%)";
    }
    void efficiencyWorking()
    {
        QFETCH(int, useful);
        QFETCH(int, input);
        QFETCH(QString, line);
        SankeyQuestion s;
        s.input = input, s.useful = useful, s.wasted = input - useful;
        QCOMPARE(statements::efficiencyWorking(s),
                 "efficiency = useful output energy transfer \u00F7 total input energy transfer\n" + line);
    }

    void diagramHidesThenShowsTheValue()
    {
        TestScreens t;
        StatementQuiz& q = open(t, "energytransfer");
        const SankeyQuestion& s = q.Picture1.question();
        QVERIFY(q.Picture1.labelOf(s.missing).endsWith("\n?"));
        click(q.Label4(q.rightChoice()));
        QVERIFY(q.Picture1.labelOf(s.missing).endsWith(QStringLiteral("\n%1 J").arg(s.valueOf(s.missing))));
        QCOMPARE(q.Label6.Caption(), statements::efficiencyWorking(s));
    }
};

QTEST_MAIN(TestQuiz)
#include "test_quiz.moc"
