// The statement sets: the built-in ones as a teacher would check them, and a
// teacher's own files, good and bad.
#include "forms/notice.h"
#include "forms/twips.h"
#include "statements/quiz.h"
#include "statements/quizdata.h"
#include "statements/statementset.h"
#include "statements/textfit.h"
#include "statements/topics.h"
#include "support/testscreens.h"

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <sys/stat.h>

using namespace statements;

namespace {

QStringList answersOf(const QuizData& q)
{
    QStringList answers;
    for (const Choice& c : q.choices)
        answers << c.caption;
    return answers;
}

// What the loader writes to standard error while it lives.
struct Reports {
    static inline QStringList lines;
    QtMessageHandler previous;
    Reports() : previous(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { lines << m; }))
    {
        lines.clear();
    }
    ~Reports() { qInstallMessageHandler(previous); }
    QString text() const { return lines.join('\n'); }
};

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestStatementSets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }

    // A row for every statement set of every topic's quiz, each level's own.
    void builtInSets_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("level");
        for (const QuizData* q : quizzes())
            for (int level = 0; level < q->sets.size(); ++level)
                QTest::addRow("%s level %d", qPrintable(q->screen), level + 1) << q->screen << level;
    }
    // Each set parses cleanly, is big enough for a lesson's starter, balanced
    // (each answer at least three quarters of its even share), without repeats,
    // and every statement fits its box at a size read from the back of the room.
    void builtInSets()
    {
        QFETCH(QString, screen);
        QFETCH(int, level);
        const QuizData& q = quizOf(screen);
        const StatementSet set = loadStatements(q.sets.at(level), answersOf(q), QString());
        QVERIFY2(set.problems.isEmpty(), qPrintable(set.problems.join('\n')));
        QVERIFY(set.builtIn);
        QVERIFY(set.statements.size() >= 12);
        std::map<int, int> perAnswer;
        QSet<QString> texts;
        for (const Statement& s : set.statements) {
            ++perAnswer[s.answer];
            texts.insert(s.text.toLower());
            QVERIFY2(!s.reason.isEmpty(), qPrintable(s.text));
            const TextFit fit = fitStatement(s.text);
            QVERIFY2(!fit.cut && fit.points >= StatementFloor, qPrintable(s.text));
            const QString reason = q.choices[std::size_t(s.answer)].caption + " \u2013 " + s.reason;
            QVERIFY2(fitReason(reason, q).points >= 18, qPrintable(reason)); // whole, at its full size
        }
        QCOMPARE(int(texts.size()), int(set.statements.size()));
        const int eachAnswer = int(set.statements.size() * 3 / (4 * q.choices.size()));
        for (int a = 0; a < int(q.choices.size()); ++a)
            QVERIFY2(perAnswer[a] >= eachAnswer, qPrintable(q.choices[std::size_t(a)].caption));
    }

    // Every choice caption fits its button whole at its designed size.
    void choiceCaptionsFit()
    {
        for (const QuizData* quiz : quizzes())
            for (const QuizData& q = *quiz; const Choice& c : q.choices) {
                const QString caption = c.caption.isEmpty() ? QStringLiteral("1500 J") : c.caption; // a diagram's joules
                const QRect box = forms::designArea(c.at).adjusted(2, 2, -2, -2);
                const TextFit fit = fitText(caption, "Arial", true, box.size(), q.choicePoints, q.choicePoints);
                // Not cut: whole, and no word wider than the button.
                QVERIFY2(!fit.cut, qPrintable(q.screen + ": " + caption));
            }
    }

    void teacherFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("builtIn");
        QTest::addColumn<int>("count");      // statements kept from the teacher's file
        QTest::addColumn<QString>("problem"); // what the report says, with where
        QTest::newRow("good, with notes and CRLF")
            << QByteArray("# my set\r\nTrue | Heat flows from hot to cold. | it does\r\n\r\nfalse|Ice is hot.\r\n") << false << 2
            << QString();
        QTest::newRow("malformed lines skipped")
            << QByteArray("True | Fine. | ok\nMaybe | Bad answer. | x\nno bars here\nTrue |  | empty\n"
                          "True | Fine. | again\nTrue | a | b | c\nFalse | Also fine.\n")
            << false << 2 << QString("bigbang.txt:2: skipped");
        QTest::newRow("empty") << QByteArray() << true << 0 << QString("no usable statements");
        QTest::newRow("notes only") << QByteArray("# nothing yet\n\n") << true << 0 << QString("no usable statements");
        QTest::newRow("huge") << QByteArray(10 * 1024 * 1024, 'a') << true << 0 << QString("too large");
        QTest::newRow("binary") << QByteArray("True | \0\x01\x02 | x\n", 15) << true << 0 << QString("not a text file");
        QTest::newRow("not UTF-8") << QByteArray("True | caf\xE9 | x\n") << true << 0 << QString("not UTF-8");
    }
    // A teacher's file replaces the set when it holds a usable statement; bad
    // lines are skipped and named with file and line; a file that cannot be a
    // set leaves the built-in one in place, and says why.
    void teacherFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, builtIn);
        QFETCH(int, count);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        write(folder.filePath("bigbang.txt"), content);
        const Reports reports;
        const StatementSet set = loadStatements("bigbang.txt", {"True", "False"}, folder.path());
        QCOMPARE(set.builtIn, builtIn);
        if (builtIn)
            QVERIFY(set.statements.size() >= 16);
        else
            QCOMPARE(int(set.statements.size()), count);
        QVERIFY2(set.problems.join('\n').contains(problem), qPrintable(set.problems.join('\n')));
        QCOMPARE(reports.text(), set.problems.join('\n')); // every problem on standard error
        QCOMPARE(reports.text().contains(folder.filePath("bigbang.txt")), !problem.isEmpty());
    }

    void malformedLinesNamed()
    {
        const StatementSet set = parseStatements("True | A. | r\nMaybe | B. | r\n\nno bars\nTrue | A. | again\n", "own.txt",
                                                 {"True", "False"});
        QCOMPARE(int(set.statements.size()), 1);
        QCOMPARE(set.problems.size(), 3);
        QVERIFY(set.problems[0].startsWith("own.txt:2: "));
        QVERIFY(set.problems[1].startsWith("own.txt:4: "));
        QVERIFY(set.problems[2].startsWith("own.txt:5: "));
    }

    void unreadableFolderEntry()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("bigbang.txt")); // a folder where the file should be
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("bigbang.txt is a folder, not a file, so the program's own set is shown"));
        const StatementSet set = loadStatements("bigbang.txt", {"True", "False"}, folder.path());
        QVERIFY(set.builtIn);
        QVERIFY(set.statements.size() >= 16);
    }

    void toldOnScreenOnce_data()
    {
        QTest::addColumn<QString>("file"); // what stands in the teacher's folder
        QTest::addColumn<QString>("told");
        QTest::newRow("named pipe") << "fifo" << "heattransfer.txt is not a plain file, so the program's own set is shown.";
        QTest::newRow("link loop") << "loop" << "heattransfer.txt is a link that leads round in a circle, so the program's own set is shown.";
        QTest::newRow("skipped lines") << "True | Heat flows. | ok\nMaybe | Bad. | x\nno bars\n"
                                       << "Line 2 of heattransfer.txt was skipped: the answer \"Maybe\" is not one of: True, False (and 1 more lines)";
    }
    // A file the quiz cannot use never holds the quiz up, and the teacher sees
    // why on the screen, once: not again at "Next", nor when the quiz reopens.
    void toldOnScreenOnce()
    {
        QFETCH(QString, file);
        QFETCH(QString, told);
        QStandardPaths::setTestModeEnabled(true);
        const QDir folder(teacherFolder());
        QVERIFY(folder.mkpath("."));
        const QString path = folder.filePath("heattransfer.txt");
        QFile::remove(path);
        if (file == "fifo")
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        else if (file == "loop")
            QVERIFY(QFile::link(path, path));
        else
            write(path, file.toUtf8());
        const Reports reports;
        QElapsedTimer clock;
        clock.start();
        TestScreens t;
        auto& quiz = t.open<StatementQuiz>("heattransfer");
        QVERIFY(clock.elapsed() < 1000);
        QFile::remove(path);
        forms::Notice* notice = forms::Notice::on(quiz);
        QVERIFY(notice);
        QCOMPARE(notice->caption(), told);
        QTest::mouseClick(notice, Qt::LeftButton);
        QTest::mouseClick(&quiz.parts.commands(QuizParts::Next), Qt::LeftButton);
        QVERIFY(!forms::Notice::on(quiz));
        t->unload("heattransfer");
        QVERIFY(!forms::Notice::on(t.open<StatementQuiz>("heattransfer")));
    }

    void fitting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<double>("atMost");  // points
        QTest::addColumn<double>("atLeast");
        const QString sentence = "Energy is transferred from the hotter object to the cooler one. ";
        QTest::newRow("short: largest size") << "Gravity is a force." << false << StatementPoints << StatementPoints;
        QTest::newRow("long: shrinks") << sentence.repeated(6) << false << 19.5 << StatementLeast;
        QTest::newRow("too long: cut") << sentence.repeated(20) << true << StatementLeast << StatementLeast;
        QTest::newRow("one huge word: cut") << QString(400, 'x') << true << StatementLeast << StatementLeast;
        QTest::newRow("a megabyte: cut") << sentence.repeated(16000) << true << StatementLeast << StatementLeast;
    }
    // Long statements shrink, then are cut with an ellipsis; nothing overflows.
    void fitting()
    {
        QFETCH(QString, text);
        QFETCH(bool, cut);
        QFETCH(double, atMost);
        QFETCH(double, atLeast);
        const TextFit fit = fitStatement(text);
        QCOMPARE(fit.cut, cut);
        QVERIFY2(fit.points <= atMost + 0.5 && fit.points >= atLeast - 0.01, qPrintable(QString::number(fit.points)));
        QVERIFY(fit.heightPixels <= forms::designPixels(statementArea().height));
        QCOMPARE(fit.text.endsWith(QChar(0x2026)), cut);
    }
};

QTEST_MAIN(TestStatementSets)
#include "test_statementsets.moc"
