// A quiz worked without the board: what a screen reader finds on every quiz
// screen, and the keys that answer it (Tab, Enter, Space, the digits).
#include "statements/energytransferquiz.h"
#include "statements/quiz.h"
#include "statements/topics.h"
#include "support/testscreens.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using namespace statements;

namespace {

QString nameOf(QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); }

struct Quiz {
    TestScreens t;
    forms::Screen& screen;
    QuizParts& parts;
    explicit Quiz(const QString& name) : screen(t.open(name)), parts(*screen.findChild<QuizParts*>())
    {
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCoreApplication::processEvents(); // the screen takes back the focus its window gave away
    }
};

} // namespace

class TestQuizAccess : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestFonts();
        QStandardPaths::setTestModeEnabled(true);
    }

    void choicesAreButtonsTheKeysPress_data()
    {
        QTest::addColumn<QString>("screen");
        for (const activity::Topic& topic : topics())
            QTest::newRow(qPrintable(topic.screens.front())) << topic.screens.front();
    }

    // Each choice is a button named by its caption as spoken; Tab reaches the
    // choices first and in order; Enter and Space press the one focused, the
    // digit k presses choice k from anywhere, and a digit past the last
    // choice presses nothing.
    void choicesAreButtonsTheKeysPress()
    {
        QFETCH(QString, screen);
        Quiz q(screen);
        QSignalSpy pressed(&q.parts.choices, &forms::GroupSignals::clicked);
        const int n = q.parts.choices.count();
        for (int k = 0; k < n; ++k) {
            forms::Label& choice = q.parts.choices(k);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&choice);
            QCOMPARE(face->role(), QAccessible::Button);
            QCOMPARE(face->text(QAccessible::Name), QString(choice.caption()).remove(QChar(0x00AD)).trimmed());
            QVERIFY(!face->text(QAccessible::Name).isEmpty());
            QVERIFY(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            QTest::keyClick(&q.screen, Qt::Key_Tab);
            QCOMPARE(q.screen.focusWidget(), &choice);
        }
        QTest::keyClick(q.screen.focusWidget(), Qt::Key_Return);
        QTest::keyClick(q.screen.focusWidget(), Qt::Key_Space);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(pressed.at(1).at(0).toInt(), n - 1);
        pressed.clear();
        for (int k = 0; k < n; ++k)
            QTest::keyClick(&q.screen, char('1' + k));
        QTest::keyClick(&q.screen, char('1' + n));
        QCOMPARE(pressed.count(), n);
        for (int k = 0; k < n; ++k)
            QCOMPARE(pressed.at(k).at(0).toInt(), k);
    }

    // The feedback line as a screen reader reads it when told it changed (the
    // telling itself needs a real bus: bench/atspi-read.sh listens for it):
    // the words for a wrong try, the words and the whole reason once over.
    void feedbackReadsInFull()
    {
        Quiz q(QStringLiteral("radiationtypes"));
        const int right = q.parts.rightChoice();
        QTest::keyClick(&q.screen, char('1' + (right + 1) % 3));
        QCOMPARE(nameOf(&q.parts.feedback), QStringLiteral("Not quite \u2013 try again"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&q.parts.choices((right + 1) % 3))->text(QAccessible::Description),
                 QStringLiteral("ruled out"));
        QTest::keyClick(&q.screen, char('1' + right));
        const QString said = nameOf(&q.parts.feedback);
        QVERIFY2(said.startsWith(QStringLiteral("Correct. %1 \u2013 ").arg(q.parts.choices(right).caption())), qPrintable(said));
        QVERIFY(said.size() > q.parts.feedback.caption().size() + 12);
        QCOMPARE(QAccessible::queryAccessibleInterface(&q.parts.choices(right))->text(QAccessible::Description),
                 QStringLiteral("the answer"));
    }

    // The diagram says what it shows, the hidden value as "?" until the answer is shown.
    void diagramDescribed()
    {
        Quiz q(QStringLiteral("energytransfer"));
        auto& diagram = static_cast<EnergyTransferQuiz&>(q.screen).diagram;
        const SankeyQuestion& shown = diagram.question();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&diagram);
        QCOMPARE(face->role(), QAccessible::Graphic);
        const QString hidden = face->text(QAccessible::Description);
        QCOMPARE(hidden.count(QStringLiteral("?")), 1);
        QCOMPARE(hidden.count(QStringLiteral(" J ")), 2);
        QTest::keyClick(&q.screen, char('1' + shown.answer));
        const QString revealed = face->text(QAccessible::Description);
        QVERIFY(!revealed.contains(QLatin1Char('?')));
        QVERIFY2(revealed.contains(QStringLiteral("%1 J").arg(shown.valueOf(shown.missing))), qPrintable(revealed));
    }
};

QTEST_MAIN(TestQuizAccess)
#include "test_quizaccess.moc"
