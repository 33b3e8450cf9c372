// The keyboard alone on each kind of screen: Tab reaches every command that
// can be used, in the order the screen reads, passes over what is hidden or
// unavailable, goes round to the first again, and Enter or Space works what
// it reaches; a question holds the keyboard until it is answered.
#include "activity/question.h"
#include "app/catalogue.h"
#include "app/myactivities.h"
#include "forms/accessible.h"
#include "forms/notice.h"
#include "labelling/activity.h"
#include "labelling/editor/editorscreen.h"
#include "labelling/editor/labeleditor.h"
#include "labelling/ownfile.h"
#include "labelling/ownkind.h"
#include "labelling/ownplay.h"
#include "statements/editor/statementeditor.h"
#include "statements/quiz.h"
#include "support/pupil.h"
#include "support/ownactivities.h"
#include "support/testscreens.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using labelling::LabellingActivity;

namespace {

labelling::EmbeddedPicture whitePicture()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return {bytes, QStringLiteral("png"), image.size(), image};
}

// "answers[3]" for element 3 of a group, the name alone for a lone control.
QString nameOf(const QWidget* w)
{
    if (!w)
        return QStringLiteral("(none)");
    if (const auto* c = qobject_cast<const forms::Control*>(w); c && c->index() >= 0)
        return QStringLiteral("%1[%2]").arg(c->name()).arg(c->index());
    return w->objectName();
}

void activate(forms::Screen& screen)
{
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QCoreApplication::processEvents(); // a screen takes back the focus its window gave away
}

// Where each of `presses` Tabs lands, from the screen itself unless a question holds the keyboard.
QStringList tabWalk(forms::Screen& screen, int presses)
{
    const QWidget* holder = QApplication::focusWidget();
    const auto* asking = holder ? qobject_cast<const activity::Question*>(holder->parentWidget()) : nullptr;
    if (!asking || !asking->asking())
        screen.setFocus(Qt::OtherFocusReason);
    QStringList reached;
    for (int k = 0; k < presses; ++k) {
        QWidget* from = QApplication::focusWidget();
        QTest::keyClick(from ? from : &screen, Qt::Key_Tab);
        reached << nameOf(QApplication::focusWidget());
    }
    return reached;
}

QStringList numbered(const QString& group, int count)
{
    QStringList names;
    for (int k = 0; k < count; ++k)
        names << QStringLiteral("%1[%2]").arg(group).arg(k);
    return names;
}

// My Activities over a folder of its own holding two of the teacher's activities.
app::MyActivities& openMyActivities(TestScreens& t, const QString& folder)
{
    const QString user = folder + "/user";
    for (const QString title : {"Bicycle dynamo", "Simple motor"})
        if (const QString why = labelling::writeOwnActivity(user + "/" + title + ".tavlabel", twoLabelActivity(title)); !why.isEmpty())
            qWarning("%s", qPrintable(why));
    const app::MyActivitiesPlaces places{{user, {}}, folder + "/index.json", [](QWidget*, const QStringList&) { return QString(); },
                                         [](QWidget*, const QString&) { return QString(); }, [](const QString&) { return false; }};
    t->add(app::MyActivities::Id, [places](forms::Screens& s) { return std::make_unique<app::MyActivities>(s, app::ownKinds(), places); });
    return t.open<app::MyActivities>(app::MyActivities::Id);
}

// The screen of a row, made ready as the row says.
forms::Screen& openFor(TestScreens& t, const QString& screen, const QString& state, const QString& folder)
{
    if (screen == app::MyActivities::Id) {
        app::MyActivities& list = openMyActivities(t, folder);
        if (state == "asking") {
            list.select(1);
            list.askToDelete();
        }
        return list;
    }
    if (screen == labelling::OwnActivityScreen) {
        const labelling::OwnActivity own = twoLabelActivity("Simple motor");
        if (const QString why = labelling::playOwnActivity(*t, own); !why.isEmpty())
            qWarning("%s", qPrintable(why));
        return t.open(screen);
    }
    if (screen == labelling::LabelEditorId) {
        labelling::openLabelEditor(*t, {}, folder);
        auto& editor = t.open<labelling::LabelEditor>(screen);
        if (state == "one label" || state == "asking") {
            editor.draft.setPicture(whitePicture());
            editor.draft.addPart({200, 150});
        }
        if (state == "asking")
            editor.leave();
        return editor;
    }
    if (screen == statements::StatementEditorId) {
        auto& quiz = t.open<statements::StatementQuiz>("heattransfer");
        pupil::click(quiz.teacherCommands(0));
        TestScreens::flushDeletes();
        return t.open(screen);
    }
    return t.open(screen);
}

} // namespace

class FocusOrderTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        initTestFonts();
        QStandardPaths::setTestModeEnabled(true);
    }
    void cleanup() { TestScreens::flushDeletes(); }

    void tabReachesEveryCommandInOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("order");
        const QStringList foot{"commands[1]", "commands[0]"}; // Start Again, Exit; Check Score once all are placed
        QTest::newRow("labelling") << "generator" << "" << numbered("answers", 8) + foot;
        QTest::newRow("labelling, all placed") << "generator" << "dropped"
                                                 << numbered("answers", 8) + QStringList{"commands[1]", "commands[2]", "commands[0]"};
        QTest::newRow("labelling, variant switch") << "nakedeye" << "" << numbered("answers", 4) + foot + numbered("variantSwitch", 3);
        QTest::newRow("teacher's labelling") << labelling::OwnActivityScreen << "" << numbered("answers", 2) + foot;
        // Delete Label, Undo and Redo cannot be used yet, nor the answer without a label.
        QTest::newRow("label editor, empty") << labelling::LabelEditorId << ""
                                             << QStringList{"title", "instruction", "commands[0]", "commands[4]", "commands[5]", "commands[7]"};
        QTest::newRow("label editor, one label")
            << labelling::LabelEditorId << "one label"
            << QStringList{"title", "instruction", "commands[0]", "picture", "boxes[0]", "parts[0]", "answer",
                           "commands[1]", "commands[2]", "commands[4]", "commands[5]", "commands[6]", "commands[7]"};
        QTest::newRow("label editor, asking") << labelling::LabelEditorId << "asking"
                                              << QStringList{"answers[1]", "answers[2]", "answers[0]"};
        // The rows, then the commands from the top: each kind's "New", Play, Edit, Delete, Import, the shared folder.
        QTest::newRow("my activities") << app::MyActivities::Id << ""
                                       << numbered("rows", 2) + QStringList{"commands[5]", "commands[6]", "commands[7]"}
                                              + numbered("commands", 5) + QStringList{"exitButton"};
        QTest::newRow("my activities, asking") << app::MyActivities::Id << "asking" << QStringList{"answers[1]", "answers[0]"};
        // Undo, Redo and "Restore our set" cannot be used on our own set unchanged; Play is a quiz's.
        QTest::newRow("statement editor") << statements::StatementEditorId << ""
                                          << QStringList{"list"} + numbered("rowCommands", 4)
                                                 + QStringList{"statement", "answer", "reason", "commands[2]", "commands[5]"};
    }

    void tabReachesEveryCommandInOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QString, state);
        QFETCH(QStringList, order);
        TestScreens t;
        QTemporaryDir folder;
        forms::Screen& shown = openFor(t, screen, state, folder.path());
        activate(shown);
        if (state == "dropped") {
            auto& labelling = static_cast<LabellingActivity&>(shown);
            for (int a = 0; a < labelling.answers.count(); ++a) // every target filled: "Check Score" shows
                pupil::dropOnTarget(labelling, a, a);
            QVERIFY(labelling.commands(LabellingActivity::CheckScore).isVisible());
        }
        const QStringList reached = tabWalk(shown, int(order.size()) + 1);
        QCOMPARE(reached, order + QStringList{order.front()}); // and round to the first again
    }

    // Space and Enter work a command, and an option of the variant switch, as a click does.
    void theKeysWorkWhatTabReaches()
    {
        TestScreens t;
        auto& screen = t.open<LabellingActivity>("nakedeye");
        activate(screen);
        for (int a = 0; a < screen.answers.count(); ++a)
            pupil::dropOnTarget(screen, a, a);
        QVERIFY(screen.commands(LabellingActivity::CheckScore).isVisible());
        QSignalSpy commands(&screen.commands, &forms::GroupSignals::clicked);
        screen.commands(LabellingActivity::StartAgain).setFocus(Qt::TabFocusReason);
        QTest::keyClick(&screen.commands(LabellingActivity::StartAgain), Qt::Key_Space);
        QCOMPARE(commands.count(), 1);
        QCOMPARE(screen.answers(0).left(), screen.homes(0).left()); // sent home
        QVERIFY(screen.commands(LabellingActivity::CheckScore).isHidden());
        screen.variantSwitch(1).setFocus(Qt::TabFocusReason);
        QTest::keyClick(&screen.variantSwitch(1), Qt::Key_Return);
        TestScreens::flushDeletes();
        QVERIFY(t->find("telescope") && t->find("telescope")->isVisible());
    }

    // A command that cannot be used is read as unavailable and loses the
    // keyboard to the next one; it is read as available again once it can be.
    void unavailableCommandsAreReadSoAndPassedOver()
    {
        TestScreens t;
        QTemporaryDir folder;
        auto& editor = static_cast<labelling::LabelEditor&>(openFor(t, labelling::LabelEditorId, "one label", folder.path()));
        activate(editor);
        forms::Label& remove = editor.commands(labelling::LabelEditor::DeleteLabel);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&remove);
        QVERIFY(!face->state().disabled);
        remove.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&remove, Qt::Key_Return); // deletes the only label
        QCOMPARE(editor.draft.count(), 0);
        QVERIFY(face->state().disabled);
        QVERIFY(!remove.hasFocus());
        QCOMPARE(nameOf(QApplication::focusWidget()), QStringLiteral("commands[2]")); // Undo, which now can
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(editor.draft.count(), 1);
        QVERIFY(!face->state().disabled);
    }

    // The picture's cross: the arrow keys move it, Enter adds a part beneath
    // it, and the answer then takes the keyboard for its text.
    void thePictureTakesPartsFromTheKeyboard()
    {
        TestScreens t;
        QTemporaryDir folder;
        auto& editor = static_cast<labelling::LabelEditor&>(openFor(t, labelling::LabelEditorId, "", folder.path()));
        activate(editor);
        editor.draft.setPicture(whitePicture());
        forms::Image& shown = editor.board.picture;
        shown.setFocus(Qt::TabFocusReason);
        QVERIFY(editor.board.cursor.isVisible());
        const QPointF centre = editor.board.cursorAt();
        QTest::keyClick(&shown, Qt::Key_Left);
        QTest::keyClick(&shown, Qt::Key_Up);
        QTest::keyClick(&shown, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(editor.board.cursorAt(), centre + QPointF(-150, -180));
        // Held inside the picture, however far it is pushed.
        for (int k = 0; k < 100; ++k)
            QTest::keyClick(&shown, Qt::Key_Right);
        QCOMPARE(float(editor.board.cursorAt().x()), shown.left() + shown.twipWidth());
        for (int k = 0; k < 20; ++k)
            QTest::keyClick(&shown, Qt::Key_Left);
        const QPointF at = editor.board.toPicture(editor.board.cursorAt());
        QTest::keyClick(&shown, Qt::Key_Return);
        QCOMPARE(editor.draft.count(), 1);
        QVERIFY(QLineF(editor.draft.label(0).part, at).length() < 1);
        QCOMPARE(QApplication::focusWidget(), &editor.answer.widget);
        QVERIFY(!editor.board.cursor.isVisible());
    }

    // A row chosen with a click holds the keyboard, so that Enter plays it;
    // the question asked about it holds the keyboard until it is answered,
    // then gives it back to the command that asked.
    void myActivitiesRowsAndQuestionsTakeTheKeyboard()
    {
        TestScreens t;
        QTemporaryDir folder;
        app::MyActivities& list = openMyActivities(t, folder.path());
        activate(list);
        pupil::click(list.rows(0));
        QCOMPARE(QApplication::focusWidget(), &list.rows(0));
        forms::Label& remove = list.commands(app::MyActivities::Delete);
        remove.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&remove, Qt::Key_Space);
        QVERIFY(list.question.asking());
        QCOMPARE(QApplication::focusWidget(), &list.question.answers(0));
        for (const char* next : {"answers[1]", "answers[0]", "answers[1]"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(nameOf(QApplication::focusWidget()), QString(next));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // "Keep it"
        QVERIFY(!list.question.asking());
        QCOMPARE(QApplication::focusWidget(), &remove);
        QCOMPARE(int(list.listed().size()), 2);

        pupil::click(list.rows(1));
        QCOMPARE(QApplication::focusWidget(), &list.rows(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(t->get(labelling::OwnActivityScreen).windowTitle(), QStringLiteral("Simple motor"));
    }

    // The question holds the keyboard: Tab goes round its answers, Escape
    // answers with the last, and the keyboard goes back where it was.
    void aQuestionHoldsTheKeyboardUntilAnswered()
    {
        TestScreens t;
        QTemporaryDir folder;
        auto& editor = static_cast<labelling::LabelEditor&>(openFor(t, labelling::LabelEditorId, "one label", folder.path()));
        activate(editor);
        forms::Label& exit = editor.commands(labelling::LabelEditor::Exit);
        exit.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&exit, Qt::Key_Return);
        QVERIFY(editor.question.asking());
        QCOMPARE(QApplication::focusWidget(), &editor.question.answers(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), &editor.question.answers(2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // "Stay"
        QVERIFY(!editor.question.asking());
        QCOMPARE(QApplication::focusWidget(), &exit);
    }
};

QTEST_MAIN(FocusOrderTest)
#include "test_focusorder.moc"
