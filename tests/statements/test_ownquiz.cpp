// A teacher's own ".tavquiz": read, refused with a reason, rewritten without
// losing what this version does not know, and played to the end.
#include "forms/screens.h"
#include "statements/ownquiz.h"
#include "statements/ownquizscreen.h"
#include "support/testscreens.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace statements;

namespace {

void click(forms::Control& control) { QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center()); }

QByteArray quizJson(const QJsonArray& statements, const QJsonArray& choices = {"True", "False"}, int format = 1)
{
    return QJsonDocument(QJsonObject{{"format", format}, {"kind", "statements"}, {"title", "Forces"},
                                     {"instruction", "Is this statement true or false?"}, {"choices", choices},
                                     {"statements", statements}})
        .toJson();
}

QJsonObject said(const QString& text, const QString& answer) { return {{"text", text}, {"answer", answer}, {"reason", "because"}}; }

QString save(const QTemporaryDir& folder, const QByteArray& bytes)
{
    const QString path = folder.filePath("quiz.tavquiz");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test's file");
    return path;
}

} // namespace

class TestOwnQuiz : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("playable"); // -1: the file is refused
        QTest::addColumn<QString>("problem");
        const QJsonArray two{said("Friction opposes motion.", "True"), said("Mass is a force.", "False")};
        QJsonArray many;
        for (int k = 0; k <= MostStatements; ++k)
            many.append(said(QStringLiteral("Statement %1.").arg(k), "True"));
        QTest::newRow("good") << quizJson(two) << 2 << QString();
        QTest::newRow("empty") << QByteArray("  \n") << -1 << "is empty";
        QTest::newRow("over 1 MB") << QByteArray(LargestQuizFile + 1, ' ') << -1 << "too large";
        QTest::newRow("binary") << QByteArray("{\0\x01}", 4) << -1 << "not a text file";
        QTest::newRow("not UTF-8") << QByteArray("{\"title\": \"caf\xE9\"}") << -1 << "not UTF-8";
        QTest::newRow("not JSON") << QByteArray("True | Friction opposes motion. |") << -1 << "not a quiz file";
        QTest::newRow("newer format") << quizJson(two, {"True", "False"}, 2) << -1 << "needs a newer version";
        QTest::newRow("five choices") << quizJson(two, {"A", "B", "C", "D", "E"}) << -1 << "2 to 4 choices";
        QTest::newRow("answer not a choice")
            << quizJson({said("Friction opposes motion.", "Maybe"), two[1]}) << 1 << "statement 1 skipped: the answer";
        QTest::newRow("fields missing")
            << quizJson({QJsonObject{{"text", "Friction opposes motion."}}, two[1], 7}) << 1 << "statement 1 skipped: no answer";
        QTest::newRow("same statement twice") << quizJson({two[0], two[1], two[0]}) << 2 << "same statement as number 1";
        QTest::newRow("over 500 statements") << quizJson(many) << MostStatements << "statement 501 skipped: more than";
    }
    // What can be played is played; the rest is named with its number, and a
    // file that is no quiz of this version is refused, saying why.
    void badFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, playable);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const QString path = save(folder, bytes);
        const QuizRead read = readOwnQuiz(path);
        const StatementSet set = ownQuizSet(path, read.quiz.choices);
        if (playable < 0) {
            QVERIFY2(read.problem.contains(problem) && read.problem.contains("quiz.tavquiz"), qPrintable(read.problem));
            QVERIFY(set.statements.empty());
            QCOMPARE(set.notice, read.problem); // said on screen
            QVERIFY(ownQuizKind().summarise(path).problem.contains(problem));
            TestScreens t;
            QCOMPARE(ownQuizKind().play(*t, path), read.problem);
            QVERIFY(!t->isLoaded(OwnQuizId));
            return;
        }
        QVERIFY(read.ok());
        QCOMPARE(int(set.statements.size()), playable);
        QVERIFY2(set.problems.join('\n').contains(problem), qPrintable(set.problems.join('\n')));
        QCOMPARE(set.notice.isEmpty(), problem.isEmpty());
    }

    // Fields this version does not know survive a rewrite, at the top and in a statement.
    void rewriteKeepsUnknownFields()
    {
        QJsonObject top = QJsonDocument::fromJson(quizJson({said("Friction opposes motion.", "True")})).object();
        top["colour"] = "green";
        QJsonArray statements = top["statements"].toArray();
        QJsonObject first = statements[0].toObject();
        first["picture"] = QJsonObject{{"file", "ramp.png"}};
        statements[0] = first;
        top["statements"] = statements;
        const QuizRead read = parseOwnQuiz(QJsonDocument(top).toJson(), "quiz.tavquiz");
        QVERIFY(read.ok());
        QTemporaryDir folder;
        const QString path = folder.filePath("again/quiz.tavquiz");
        QCOMPARE(writeOwnQuiz(path, read.quiz), QString());
        const QuizRead again = readOwnQuiz(path);
        QCOMPARE(QJsonDocument::fromJson(ownQuizJson(again.quiz)).object(), top);
    }

    // Four named choices, played to the end of a round and into the next, on the ordinary statement screen.
    void playedToTheEnd()
    {
        const QJsonArray choices{"Conduction", "Convection", "Radiation", "None of these"};
        const QJsonArray statements{said("Energy reaches us from the Sun through space.", "Radiation"),
                                    said("Warm air rises above a radiator.", "convection"),
                                    said("A metal spoon in hot tea warms along its length.", "Conduction")};
        QTemporaryDir folder;
        const QString path = save(folder, quizJson(statements, choices));
        TestScreens t;
        QCOMPARE(playOwnQuiz(*t, path), QString());
        auto& quiz = t->get<StatementQuiz>(OwnQuizId);
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        QCOMPARE(quiz.windowTitle(), QString("Forces"));
        QCOMPARE(quiz.parts.choices.count(), 4);
        QCOMPARE(quiz.parts.choices(3).caption(), QString("None of these"));
        QSet<QString> seen;
        for (int k = 0; k < 3; ++k) {
            seen.insert(quiz.statement.caption());
            const int right = quiz.parts.rightChoice();
            click(quiz.parts.choices((right + 1) % 4)); // wrong first: not right first time
            QVERIFY(!quiz.parts.settled());
            click(quiz.parts.choices(right));
            QVERIFY(quiz.parts.settled());
            QCOMPARE(quiz.parts.feedback.caption(), QString("Correct"));
            QVERIFY(quiz.parts.reason.caption().endsWith("because"));
            QCOMPARE(quiz.parts.tally.caption(), QStringLiteral("Statement %1 of 3 \u00B7 right first time: 0").arg(k + 1));
            click(quiz.parts.commands(QuizParts::Next));
        }
        QCOMPARE(seen.size(), 3);
        QCOMPARE(quiz.parts.tally.caption(), QStringLiteral("Statement 1 of 3 \u00B7 right first time: 0")); // a new round
        click(quiz.parts.commands(QuizParts::Exit));
        QVERIFY(!t->isLoaded(OwnQuizId));
        QVERIFY(t->isLoaded(activity::MyActivitiesId)); // back to the list it was chosen from
    }
};

QTEST_MAIN(TestOwnQuiz)
#include "test_ownquiz.moc"
