// The statement editor as a teacher drives it: opened from a quiz, rows
// added, changed, moved and deleted, undone and redone, saved and restored;
// a teacher's bad file shown line by line and nothing of it lost.
#include "activity/ownkind.h"
#include "forms/notice.h"
#include "forms/screens.h"
#include "statements/editor/statementeditor.h"
#include "statements/ownquiz.h"
#include "statements/ownquizscreen.h"
#include "statements/quiz.h"
#include "statements/topics.h"
#include "support/testscreens.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using namespace statements;

namespace {

void click(forms::Control& control) { QTest::mouseClick(&control, Qt::LeftButton, {}, control.rect().center()); }

const QString Set = QStringLiteral("heattransfer.txt");
QString teacherFile() { return QDir(teacherFolder()).filePath(Set); }

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The editor on Heat Transfer's set, opened from the quiz as the teacher opens it.
StatementEditor& openEditor(TestScreens& t)
{
    auto& quiz = t.open<StatementQuiz>("heattransfer");
    click(quiz.teacherCommands(0));
    TestScreens::flushDeletes();
    return t.open<StatementEditor>(StatementEditorId);
}

QStringList texts(const Draft& draft)
{
    QStringList all;
    for (const DraftRow& row : draft.rows)
        all << row.text;
    return all;
}

} // namespace

class TestStatementEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestFonts();
        QStandardPaths::setTestModeEnabled(true);
    }
    void cleanup() { QFile::remove(teacherFile()); }

    void editing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("rowsAdded");
        QTest::newRow("add") << "add" << 1;
        QTest::newRow("change") << "change" << 0;
        QTest::newRow("reorder") << "reorder" << 0;
        QTest::newRow("delete") << "delete" << -1;
    }
    // Each edit through the screen's controls changes the draft and is
    // announced; Ctrl+Z takes it back exactly, Ctrl+Y brings it again.
    void editing()
    {
        QFETCH(QString, action);
        QFETCH(int, rowsAdded);
        TestScreens t;
        StatementEditor& editor = openEditor(t);
        QVERIFY(!t->isLoaded("heattransfer")); // shown afresh on leaving
        const Draft before = editor.history.draft();
        QSignalSpy changed(&editor.history, &DraftHistory::changed);
        editor.choose(1);
        if (action == "add") {
            click(editor.rowCommands(StatementEditor::Add));
            QCOMPARE(editor.current(), 2);
            QTest::keyClicks(&editor.statement.widget, "Ice melts at 0 degrees Celsius.");
            editor.answer.widget.activated(0);
        } else if (action == "change") {
            editor.statement.widget.selectAll();
            QTest::keyClicks(&editor.statement.widget, "Conduction happens in solids.");
            QTest::keyClicks(&editor.reason.widget, " Mostly.");
        } else if (action == "reorder") {
            click(editor.rowCommands(StatementEditor::Up));
            QCOMPARE(editor.current(), 0);
        } else {
            click(editor.rowCommands(StatementEditor::Delete));
        }
        QVERIFY(changed.count() > 0);
        QVERIFY(editor.history.unsaved());
        const Draft after = editor.history.draft();
        QCOMPARE(int(after.rows.size()), int(before.rows.size()) + rowsAdded);
        if (action == "change")
            QCOMPARE(after.rows[1].text, QString("Conduction happens in solids."));
        if (action == "reorder")
            QCOMPARE(after.rows[0].text, before.rows[1].text); // its notes stay at the top
        if (action == "add")
            QCOMPARE(after.rows[2].answer, QString("True"));
        while (editor.history.stack.canUndo())
            QTest::keyClick(&editor.statement.widget, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.history.draft(), before);
        QVERIFY(!editor.history.unsaved());
        while (editor.history.stack.canRedo())
            QTest::keyClick(&editor.list.widget, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editor.history.draft(), after);
    }

    // Saved, the set is the teacher's: the quiz plays it and the editor reads
    // it back as saved. Restored (after asking), ours is back.
    void saveReloadRestore()
    {
        TestScreens t;
        StatementEditor& editor = openEditor(t);
        editor.statement.widget.selectAll();
        QTest::keyClicks(&editor.statement.widget, "Metals are good conductors.");
        click(editor.commands(StatementEditor::Save));
        QVERIFY(!editor.history.unsaved());
        const Draft saved = editor.history.draft();
        const StatementSet set = loadStatements(Set, {"True", "False"}, teacherFolder());
        QVERIFY(!set.builtIn);
        QCOMPARE(set.statements.front().text, QString("Metals are good conductors."));
        QCOMPARE(int(set.statements.size()), int(saved.rows.size()));

        click(editor.commands(StatementEditor::Exit)); // nothing unsaved: no question
        QVERIFY(!t->isLoaded(StatementEditorId));
        QVERIFY(!t->get<StatementQuiz>("heattransfer").set().builtIn);
        TestScreens::flushDeletes();
        StatementEditor& again = openEditor(t);
        QCOMPARE(texts(again.history.draft()), texts(saved));

        click(again.commands(StatementEditor::Restore));
        QVERIFY(!again.question.isHidden());
        QVERIFY(QFile::exists(teacherFile())); // not before the answer
        click(again.question.answers(0));
        QVERIFY(!QFile::exists(teacherFile()));
        QVERIFY(loadStatements(Set, {"True", "False"}, teacherFolder()).builtIn);
        QVERIFY(texts(again.history.draft()) != texts(saved));
    }

    // Leaving with changes asks; staying keeps them; leaving without saving writes nothing.
    void leavingAsksFirst()
    {
        TestScreens t;
        StatementEditor& editor = openEditor(t);
        click(editor.rowCommands(StatementEditor::Delete));
        click(editor.commands(StatementEditor::Exit));
        QVERIFY(!editor.question.isHidden());
        click(editor.question.answers(2)); // "Stay"
        QVERIFY(t->isLoaded(StatementEditorId));
        QVERIFY(editor.history.unsaved());
        click(editor.commands(StatementEditor::Exit));
        QCOMPARE(editor.question.answers(1).caption(), QString("Leave without saving"));
        click(editor.question.answers(1));
        QVERIFY(!t->isLoaded(StatementEditorId));
        QVERIFY(t->isLoaded("heattransfer"));
        QVERIFY(!QFile::exists(teacherFile()));
    }

    // Another copy of the program (a colleague, a second window) saved the
    // file meanwhile: Save asks before writing over it, and each answer
    // keeps what it says.
    void fileChangedElsewhereIsNotOverwrittenUnasked_data()
    {
        QTest::addColumn<bool>("ownQuiz");
        QTest::addColumn<QString>("reply");
        for (const char* reply : {"Save anyway", "Cancel"}) {
            QTest::addRow("set, %s", reply) << false << QString(reply);
            QTest::addRow("quiz, %s", reply) << true << QString(reply);
        }
        QTest::newRow("quiz, Save a copy") << true << QString("Save a copy");
    }
    void fileChangedElsewhereIsNotOverwrittenUnasked()
    {
        QFETCH(bool, ownQuiz);
        QFETCH(QString, reply);
        QTemporaryDir folder;
        const QString path = ownQuiz ? folder.filePath("forces.tavquiz") : teacherFile();
        const QByteArray mine = ownQuiz ? QByteArray(R"({"format": 1, "kind": "statements", "title": "Forces", "choices": ["True", "False"],
            "statements": [{"text": "Friction acts against motion.", "answer": "True"}]})")
                                        : QByteArray("True | Metals are good conductors. | free electrons carry energy.\n");
        write(path, mine);
        TestScreens t;
        if (ownQuiz)
            openQuizEditor(*t, path, folder.path(), {});
        StatementEditor& editor = ownQuiz ? t.open<StatementEditor>(StatementEditorId) : openEditor(t);
        click(editor.rowCommands(StatementEditor::Add));
        QTest::keyClicks(&editor.statement.widget, "Air is a good insulator.");
        const QByteArray theirs = mine + (ownQuiz ? QByteArray(" ") : QByteArray("False | Wood is a good conductor. |\n"));
        write(path, theirs);
        click(editor.commands(StatementEditor::Save));
        QVERIFY(editor.question.asking());
        QCOMPARE(read(path), theirs); // nothing written before the answer
        int k = 0;
        while (editor.question.answers(k).caption() != reply)
            ++k;
        click(editor.question.answers(k));
        QCOMPARE(read(path).contains("Air is a good insulator."), reply == "Save anyway");
        QCOMPARE(editor.history.unsaved(), reply == "Cancel");
        if (reply == "Save a copy") {
            QCOMPARE(read(path), theirs);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
            QVERIFY(read(folder.filePath("Forces (copy).tavquiz")).contains("Air is a good insulator."));
        }
    }

    // The editor may go (the program closes) while a choice is being typed:
    // the choice's end of editing must not reach what is already gone.
    void closingWhileAChoiceIsTyped()
    {
        QTemporaryDir folder;
        TestScreens t;
        openQuizEditor(*t, {}, folder.path(), {});
        auto& editor = t.open<StatementEditor>(StatementEditorId);
        editor.activateWindow();
        editor.choices[2]->widget.setFocus();
        QTest::keyClicks(&editor.choices[2]->widget, "Maybe");
        QTRY_VERIFY(editor.choices[2]->widget.hasFocus());
    } // the screens, and the editor with them, go here

    void badTeacherFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("note");   // what the editor says of the file
        QTest::addColumn<int>("marked");     // the row marked, -1 for none
        QTest::addColumn<int>("line");       // its line in the file
        QTest::addColumn<QString>("problem"); // what is wrong with it
        QByteArray many;
        for (int k = 0; k <= MostStatements; ++k)
            many += QStringLiteral("True | Statement %1. | r\n").arg(k).toUtf8();
        QTest::newRow("empty") << QByteArray() << "has no statements, so our set is shown" << -1 << 0 << "";
        QTest::newRow("over 1 MB") << QByteArray(LargestSetFile + 1, 'a') << "too large" << -1 << 0 << "";
        QTest::newRow("binary") << QByteArray("True | \0 | x\n", 12) << "not a text file" << -1 << 0 << "";
        QTest::newRow("not UTF-8") << QByteArray("True | Caf\xE9s have hot drinks. | x\n") << "read as Latin-1" << -1 << 0 << "";
        QTest::newRow("answer not a choice") << QByteArray("True | A. | r\nMaybe | B. | r\n") << "1 line cannot be used" << 1
                                             << 2 << "the answer \"Maybe\" is not one of: True, False";
        QTest::newRow("fields missing") << QByteArray("# mine\nTrue | A. | r\n\nno bars here\n") << "cannot be used" << 1
                                        << 4 << "expected \"answer | statement | reason\"";
        QTest::newRow("over 500 statements") << many << "1 line cannot be used" << MostStatements << MostStatements + 1
                                             << "more than 500";
    }
    // The quiz still opens; the editor names what is wrong, line by line; a
    // line that cannot be used is saved back exactly as it was until mended.
    void badTeacherFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, note);
        QFETCH(int, marked);
        QFETCH(int, line);
        QFETCH(QString, problem);
        write(teacherFile(), bytes);
        TestScreens t;
        StatementEditor& editor = openEditor(t);
        QVERIFY2(editor.fileNote.caption().contains(note), qPrintable(editor.fileNote.caption()));
        const QStringList problems = rowProblems(editor.history.draft());
        QCOMPARE(problems.size() - problems.count(QString()), marked < 0 ? 0 : 1);
        // The quiz opens with what is good, skipping just the lines the editor marks.
        const StatementSet played = loadStatements(Set, {"True", "False"}, teacherFolder());
        QVERIFY(!played.statements.empty() && played.statements.size() <= std::size_t(MostStatements));
        if (!played.builtIn)
            QCOMPARE(int(played.skipped.size()), marked < 0 ? 0 : 1);
        if (marked < 0)
            return;
        QVERIFY2(problems[marked].startsWith(problem), qPrintable(problems[marked]));
        editor.choose(marked);
        QVERIFY(editor.rowText(marked).contains(QStringLiteral("Line %1: ").arg(line)));
        QVERIFY(editor.rowNote.caption().contains(problem));
        const QByteArray badLine = bytes.split('\n').value(line - 1);
        editor.choose(0); // a change elsewhere, then saved
        QTest::keyClicks(&editor.reason.widget, " too");
        QVERIFY(editor.save());
        QVERIFY2(read(teacherFile()).contains(badLine + '\n'), badLine.constData());
    }

    void unusableQuizStatementsGoBackAsWritten_data()
    {
        QTest::addColumn<QByteArray>("statement"); // the second statement, as written
        QTest::addColumn<QString>("shown");        // what the list shows of it
        QTest::addColumn<QString>("problem");
        QTest::newRow("number as text") << QByteArray(R"({"text": 42, "answer": "True"})") << "42"
                                        << "the statement is not text";
        QTest::newRow("bare string") << QByteArray(R"("Ice floats on water.")") << "Ice floats on water." << "not a statement";
        QTest::newRow("answer not text") << QByteArray(R"({"text": "Ice floats on water.", "answer": true, "reason": "less dense"})")
                                         << "Ice floats on water." << "the answer is not text";
        QTest::newRow("reason not text") << QByteArray(R"({"text": "Ice floats on water.", "answer": "True", "reason": 5})")
                                         << "Ice floats on water." << "the reason is not text";
    }
    // A statement the quiz cannot use is shown to be mended and saved back
    // exactly as written while the rest changes; once mended, from its fields.
    void unusableQuizStatementsGoBackAsWritten()
    {
        QFETCH(QByteArray, statement);
        QFETCH(QString, shown);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const QString path = folder.filePath("forces.tavquiz");
        write(path, R"({"format": 1, "kind": "statements", "title": "Forces", "choices": ["True", "False"], "statements": [
            {"text": "Friction acts against motion.", "answer": "True"}, )" + statement + "]}");
        TestScreens t;
        openQuizEditor(*t, path, folder.path(), {});
        auto& editor = t.open<StatementEditor>(StatementEditorId);
        QVERIFY2(rowProblems(editor.history.draft()).value(1).startsWith(problem), qPrintable(rowProblems(editor.history.draft()).value(1)));
        QVERIFY(editor.rowText(1).contains(shown));
        editor.choose(0);
        QTest::keyClicks(&editor.reason.widget, "it opposes motion.");
        QVERIFY(editor.save());
        const auto saved = [&] { return QJsonDocument::fromJson(read(path)).object()["statements"].toArray(); };
        QCOMPARE(saved()[1], QJsonDocument::fromJson("[" + statement + "]").array()[0]);
        QCOMPARE(saved()[0].toObject()["reason"].toString(), QString("it opposes motion."));
        editor.choose(1);
        editor.statement.widget.selectAll();
        QTest::keyClicks(&editor.statement.widget, "Ice is less dense than water.");
        QVERIFY(editor.save());
        QCOMPARE(saved()[1].toObject()["text"].toString(), QString("Ice is less dense than water."));
    }

    // A save that cannot be written says why and keeps every change.
    void failedSaveKeepsChanges()
    {
        QTemporaryDir folder;
        write(folder.filePath("blocked"), "a file where a folder should be");
        TestScreens t;
        openQuizEditor(*t, {}, folder.filePath("blocked/quizzes"), {});
        auto& editor = t.open<StatementEditor>(StatementEditorId);
        QTest::keyClicks(&editor.title.widget, "Forces");
        click(editor.rowCommands(StatementEditor::Add));
        QTest::keyClicks(&editor.statement.widget, "Friction opposes motion.");
        click(editor.commands(StatementEditor::Save));
        QVERIFY2(editor.fileNote.caption().contains("could not be saved"), qPrintable(editor.fileNote.caption()));
        QVERIFY(editor.history.unsaved());
        QCOMPARE(editor.history.draft().rows.front().text, QString("Friction opposes motion."));
    }

    // A new quiz made in the editor: named choices, tried with "Play" as it
    // stands, then saved under its title.
    void newQuizMadeAndPlayed()
    {
        QTemporaryDir folder;
        TestScreens t;
        openQuizEditor(*t, {}, folder.path(), {});
        auto& editor = t.open<StatementEditor>(StatementEditorId);
        QTest::keyClicks(&editor.title.widget, "Circuits");
        QCOMPARE(editor.heading.caption(), QString("New true/false quiz"));
        editor.choices[0]->widget.selectAll();
        QTest::keyClicks(&editor.choices[0]->widget, "Series");
        editor.choices[1]->widget.selectAll();
        QTest::keyClicks(&editor.choices[1]->widget, "Parallel");
        QTest::keyClick(&editor.choices[1]->widget, Qt::Key_Return);
        QCOMPARE(editor.heading.caption(), QString("New quiz"));
        for (const auto& [text, choice] : {std::pair{"The current is the same everywhere.", 0}, {"Each bulb can be switched on its own.", 1}}) {
            click(editor.rowCommands(StatementEditor::Add));
            QTest::keyClicks(&editor.statement.widget, text);
            editor.answer.widget.activated(choice);
        }
        click(editor.commands(StatementEditor::Play));
        QVERIFY(QDir(folder.path()).isEmpty()); // tried, not saved
        auto& played = t->get<StatementQuiz>("ownquiz");
        QCOMPARE(played.parts.choices(1).caption(), QString("Parallel"));
        QCOMPARE(int(played.set().statements.size()), 2);
        click(played.parts.commands(QuizParts::Exit));
        QVERIFY(editor.save());
        const QuizRead read = readOwnQuiz(folder.filePath("Circuits.tavquiz"));
        QVERIFY2(read.ok() && read.skipped.empty(), qPrintable(read.problem));
        QCOMPARE(read.quiz.choices, QStringList({"Series", "Parallel"}));
        QCOMPARE(read.quiz.statements[1].answer, QString("Parallel"));
    }

    void playTriesTheDraftAsItStands_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("played"); // the first statement dealt, or the notice
        QTest::newRow("a statement changed") << "Friction acts with motion." << "Friction acts with motion.";
        QTest::newRow("nothing left to play") << "" << "Not played: forces.tavquiz has no statements that can be played yet.";
    }
    // "Play", as "Try it": the quiz as the editor holds it, without writing
    // the file; "Exit" comes back to the editor with the draft, its undo and
    // the row shown as they were, and never to My Activities.
    void playTriesTheDraftAsItStands()
    {
        QFETCH(QString, change);
        QFETCH(QString, played);
        QTemporaryDir folder;
        const QString path = folder.filePath("forces.tavquiz");
        const QByteArray saved = R"({"format": 1, "kind": "statements", "title": "Forces", "choices": ["True", "False"],
            "statements": [{"text": "Friction acts against motion.", "answer": "True"}, {"text": "", "answer": "True"}]})";
        write(path, saved);
        TestScreens t;
        openQuizEditor(*t, path, folder.path(), activity::MyActivitiesId);
        auto& editor = t.open<StatementEditor>(StatementEditorId);
        editor.choose(0);
        editor.statement.widget.selectAll();
        QTest::keyClicks(&editor.statement.widget, change);
        if (change.isEmpty())
            QTest::keyClick(&editor.statement.widget, Qt::Key_Delete);
        const Draft draft = editor.history.draft();
        click(editor.commands(StatementEditor::Play));
        QCOMPARE(read(path), saved);
        QCOMPARE(t->isLoaded(OwnQuizId), !change.isEmpty());
        if (change.isEmpty()) {
            QCOMPARE(forms::Notice::on(editor)->caption(), played);
            return;
        }
        auto& quiz = t->get<StatementQuiz>(OwnQuizId);
        QCOMPARE(quiz.statement.caption(), played);
        QVERIFY(!quiz.teacherCommands(0).isVisible()); // its editor is already open
        click(quiz.parts.commands(QuizParts::Exit));
        TestScreens::flushDeletes();
        QVERIFY(!t->isLoaded(OwnQuizId) && !t->isLoaded(activity::MyActivitiesId));
        QVERIFY(t->isLoaded(StatementEditorId) && editor.isVisible());
        QCOMPARE(editor.history.draft(), draft);
        QVERIFY(editor.history.unsaved() && editor.history.stack.canUndo());
        QCOMPARE(editor.current(), 0);
        QCOMPARE(read(path), saved);
    }

    // The rows are checked again only where a step changed them: after any
    // run of edits, undos and redos each row reads what a check of the whole
    // draft finds, its repeats and the statements past the most a quiz plays
    // following the edit of one row of many.
    void rowsFollowEachStep_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 4; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }
    void rowsFollowEachStep()
    {
        QFETCH(int, seed);
        QTemporaryDir folder;
        const QString path = folder.filePath("many.tavquiz");
        QJsonArray statements;
        for (int k = 0; k < MostStatements + 20; ++k) // a few repeats among them
            statements.append(QJsonObject{{"text", QStringLiteral("Statement %1.").arg(k % 7 == 6 ? k - 3 : k)}, {"answer", "True"}});
        write(path, QJsonDocument(QJsonObject{{"format", 1}, {"kind", "statements"}, {"title", "Many"},
                                              {"choices", QJsonArray{"True", "False"}}, {"statements", statements}}).toJson());
        TestScreens t;
        openQuizEditor(*t, path, folder.path(), {});
        auto& editor = t.open<StatementEditor>(StatementEditorId);
        QRandomGenerator random{quint32(seed)};
        const auto someRow = [&] { return int(random.bounded(quint32(editor.history.draft().rows.size()))); };
        for (int step = 0; step < 30; ++step) {
            const int row = someRow();
            switch (random.bounded(6)) {
            case 0: // made the same as another, or different from all
                editor.history.changeText(row, random.bounded(2) ? editor.history.draft().rows[std::size_t(someRow())].text
                                                                 : QStringLiteral("New statement %1.").arg(step));
                break;
            case 1: editor.history.changeAnswer(row, random.bounded(3) ? "False" : "Maybe"); break;
            case 2: editor.history.deleteStatement(row); break;
            case 3: editor.history.addStatement(row); break;
            case 4: editor.history.moveStatement(row, random.bounded(2) ? 1 : -1); break;
            default: random.bounded(2) ? editor.history.stack.undo() : editor.history.stack.redo(); break;
            }
            const Draft& draft = editor.history.draft();
            const QStringList problems = rowProblems(draft);
            QCOMPARE(editor.list.widget.model()->rowCount(), int(draft.rows.size()));
            for (int k = 0; k < int(draft.rows.size()); ++k) {
                const QString text = editor.rowText(k);
                QVERIFY2(text.startsWith(QStringLiteral("%1.  ").arg(k + 1)), qPrintable(text));
                QVERIFY2(problems[k].isEmpty() ? !text.contains(QChar(0x26A0)) : text.endsWith(problems[k]),
                         qPrintable(QStringLiteral("step %1, row %2: %3 / %4").arg(step).arg(k).arg(text, problems[k])));
            }
        }
    }

    // A notice in the editor stands over the fields of the row shown: never
    // over the file's note, the row's note, a row of the list or a command.
    void noticesCoverNoNoteRowOrCommand()
    {
        QTemporaryDir folder;
        TestScreens t;
        openQuizEditor(*t, {}, folder.path(), {});
        auto& editor = t.open<StatementEditor>(StatementEditorId);
        const auto overlaps = [](const forms::TwipRect& a, const forms::TwipRect& b) {
            return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
        };
        for (const QString& text : {QStringLiteral("Saved as Forces.tavquiz."),
                                    QStringLiteral("Forces.tavquiz cannot be changed from here, so your own copy was saved as %1.")
                                        .arg(QDir::toNativeSeparators(folder.filePath("a/longer/folder/of/the/school/Forces.tavquiz")))}) {
            const forms::TwipRect notice = forms::Notice::post(editor, text).twips();
            std::vector<forms::Control*> covered{&editor.fileNote, &editor.rowNote, &editor.list};
            editor.commands.forEach([&](int, forms::Label& c) { covered.push_back(&c); });
            editor.rowCommands.forEach([&](int, forms::Label& c) { covered.push_back(&c); });
            for (forms::Control* control : covered)
                QVERIFY2(!overlaps(notice, control->twips()), qPrintable(control->name()));
        }
    }

    // On a board a long press is a right-click: on a scroll bar it opens no
    // menu of the bar's own (whose loop would hold the screen until answered).
    void scrollBarsOpenNoMenu()
    {
        TestScreens t;
        StatementEditor& editor = openEditor(t);
        QScrollBar* bar = editor.list.widget.verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        bool menuOpened = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menuOpened = true;
                popup->close();
            }
        });
        closer.start(50);
        QTest::mouseClick(bar, Qt::RightButton, {}, bar->rect().center());
        QTest::qWait(100);
        QVERIFY(!menuOpened);
    }
};

QTEST_MAIN(TestStatementEditor)
#include "test_statementeditor.moc"
