// "My Activities": the folders searched in order, the school's files kept
// from change, bad files listed with the reason, rows that say their kind and
// are told apart when their titles are alike, paging, playing by tap and by
// keyboard, deleting after asking, importing, and the index that spares
// reading unchanged files again.
#include "app/myactivities.h"
#include "forms/notice.h"
#include "labelling/ownfile.h"
#include "labelling/ownkind.h"
#include "labelling/ownplay.h"
#include "labelling/editor/editorscreen.h"
#include "labelling/editor/labeleditor.h"
#include "statements/editor/statementeditor.h"
#include "statements/ownquiz.h"
#include "support/pupil.h"
#include "support/ownactivities.h"
#include "support/testscreens.h"

#include <QAccessible>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using app::MyActivities;

namespace {

// Folders of its own for each test, and the kind's calls counted.
struct Fixture {
    QTemporaryDir root;
    QString user = root.filePath("user"), school = root.filePath("school"), school2 = root.filePath("school2"),
            shared = root.filePath("shared");
    int summaries = 0;
    QStringList trashed, edited;
    bool trashWorks = true;
    QString toImport;
    QStringList offered; // the extensions the last import offered
    activity::OwnKind kind = labelling::ownLabellingKind();
    bool withQuizzes = false; // quizzes listed too

    Fixture()
    {
        for (const QString& folder : {user, school, school2, shared})
            QDir().mkpath(folder);
        const auto real = kind.summarise;
        kind.summarise = [this, real](const QString& path) { ++summaries; return real(path); };
        kind.edit = [this](forms::Screens&, const QString& path, const QString&, bool) { edited << path; };
    }
    void write(const QString& folder, const QString& name, const QString& title)
    {
        QCOMPARE(labelling::writeOwnActivity(folder + "/" + name, twoLabelActivity(title)), QString());
    }
    static void writeQuiz(const QString& path, const QString& title)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"format": 1, "kind": "statements", "title": "%1", "choices": ["True", "False"],
                                      "statements": [{"text": "Friction acts against motion.", "answer": "True"}]})")
                       .arg(title).toUtf8());
    }
    MyActivities& open(TestScreens& t)
    {
        t->chooseForThisRun(activity::SharedFolderKey, shared);
        app::MyActivitiesPlaces places{{user, {school, school2}}, root.filePath("index.json"),
                                       [this](QWidget*, const QStringList& extensions) {
                                           offered = extensions;
                                           return toImport;
                                       }, [](QWidget*, const QString&) { return QString(); },
                                       [this](const QString& path) {
                                           trashed << path;
                                           return trashWorks && QFile::remove(path);
                                       }};
        std::vector<const activity::OwnKind*> kinds{&kind};
        if (withQuizzes)
            kinds.push_back(&statements::ownQuizKind());
        t->add(MyActivities::Id, [kinds, places](forms::Screens& s) { return std::make_unique<MyActivities>(s, kinds, places); });
        return t.open<MyActivities>(MyActivities::Id);
    }
};

QStringList captions(const MyActivities& s)
{
    QStringList shown;
    for (const app::ListedActivity& a : s.listed())
        shown << activity::originName(a.file.origin) + ": " + a.caption();
    return shown;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Clicks the answer of the question showing on `s` whose caption is `answer`.
void reply(MyActivities& s, const QString& answer)
{
    QVERIFY(s.question.isVisible());
    for (int k = 0; k < s.question.answers.count(); ++k)
        if (s.question.answers(k).isVisible() && s.question.answers(k).caption() == answer)
            return pupil::click(s.question.answers(k));
    QFAIL(qPrintable("no answer " + answer + " to: " + s.question.text()));
}

} // namespace

class MyActivitiesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void listsEveryFolderInOrderWithBadFilesExplained();
    void rowsSayTheirKindAndAreToldApart();
    void aFolderNamedTwiceIsSearchedOnce();
    void schoolFilesCannotBeDeleted();
    void schoolFilesAreNeverWrittenByAnEditor_data();
    void schoolFilesAreNeverWrittenByAnEditor();
    void deletingAsksFirstThenUsesTheWastebasket_data();
    void deletingAsksFirstThenUsesTheWastebasket();
    void tapAndKeyboardPlayTheChosenActivity();
    void longListsArePaged();
    void importCopiesAGoodFileAndRefusesABadOne();
    void importingANameAlreadyThereAsks_data();
    void importingANameAlreadyThereAsks();
    void unchangedFilesAreNotReadAgain();
    void aSharedFolderThatCannotBeReadIsTold_data();
    void aSharedFolderThatCannotBeReadIsTold();
};

void MyActivitiesTest::listsEveryFolderInOrderWithBadFilesExplained()
{
    Fixture f;
    f.write(f.shared, "a.tavlabel", "Transformer");
    f.write(f.school, "b.tavlabel", "Nuclear reactor");
    f.write(f.user, "c.tavlabel", "Simple motor");
    f.write(f.user, "d.tavlabel", "Bicycle dynamo");
    QFile bad(f.user + "/broken.tavlabel");
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("{\"format\": 1,"));
    bad.close();
    QDir().mkpath(f.school + "/x.tavlabel");
    TestScreens t;
    const MyActivities& s = f.open(t);
    QCOMPARE(captions(s), (QStringList{"Yours: Bicycle dynamo", "Yours: Cannot be opened: broken.tavlabel is damaged or is not an activity file",
                                       "Yours: Simple motor", "School: Cannot be opened: x.tavlabel is a folder, not a file",
                                       "School: Nuclear reactor", "Shared: Transformer"}));
    QCOMPARE(s.rows(5).caption(), QStringLiteral("Transformer"));
    QCOMPARE(s.origins(3).caption(), QStringLiteral("School"));
    QVERIFY(!s.listed()[0].file.readOnly && s.listed()[4].file.readOnly);
}

void MyActivitiesTest::aFolderNamedTwiceIsSearchedOnce()
{
    const auto folders = activity::activityFolders({"/data/user", {"/usr/share/a", "/usr/share/b/"}}, "/usr/share/b");
    QCOMPARE(int(folders.size()), 3);
    QCOMPARE(folders[2].path, QStringLiteral("/usr/share/b"));
    QCOMPARE(folders[2].origin, activity::Origin::School);
}

void MyActivitiesTest::schoolFilesCannotBeDeleted()
{
    Fixture f;
    f.write(f.school, "b.tavlabel", "Nuclear reactor");
    TestScreens t;
    MyActivities& s = f.open(t);
    pupil::click(s.rows(0));
    pupil::click(s.commands(MyActivities::Delete));
    QVERIFY(!s.question.isVisible());
    QVERIFY(forms::Notice::on(s)->caption().contains("cannot be deleted"));
    QVERIFY(QFile::exists(f.school + "/b.tavlabel"));
}

void MyActivitiesTest::schoolFilesAreNeverWrittenByAnEditor_data()
{
    QTest::addColumn<bool>("quiz");
    QTest::newRow("labelling activity") << false;
    QTest::newRow("true/false quiz") << true;
}

// A school deploys to a folder it happens to let teachers write: Save still
// never changes the school's file, and says where the teacher's copy went.
void MyActivitiesTest::schoolFilesAreNeverWrittenByAnEditor()
{
    QFETCH(bool, quiz);
    Fixture f;
    f.kind = quiz ? statements::ownQuizKind() : labelling::ownLabellingKind();
    const QString path = f.school + (quiz ? "/forces.tavquiz" : "/reactor.tavlabel");
    if (quiz) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": 1, "kind": "statements", "title": "Forces", "choices": ["True", "False"],
                      "statements": [{"text": "Friction acts against motion.", "answer": "True"}]})");
    } else {
        f.write(f.school, "reactor.tavlabel", "Nuclear reactor");
    }
    const QByteArray before = [&] { QFile file(path); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); }();
    TestScreens t;
    MyActivities& s = f.open(t);
    QVERIFY(QFileInfo(f.school).isWritable());
    pupil::click(s.rows(0));
    QCOMPARE(s.origins(0).caption(), QStringLiteral("School"));
    pupil::click(s.commands(MyActivities::Edit));
    TestScreens::flushDeletes();
    forms::Screen* editor = nullptr;
    forms::Label* save = nullptr;
    QLineEdit* title = nullptr;
    if (quiz) {
        auto& e = t->get<statements::StatementEditor>(statements::StatementEditorId);
        std::tie(editor, save, title) = std::tuple(&e, &e.commands(statements::StatementEditor::Save), &e.title.widget);
    } else {
        auto& e = t->get<labelling::LabelEditor>(labelling::LabelEditorId);
        std::tie(editor, save, title) = std::tuple(&e, &e.commands(labelling::LabelEditor::Save), &e.title.widget);
    }
    QTest::keyClicks(title, " today");
    QCOMPARE(save->caption(), QStringLiteral("Save a copy"));
    pupil::click(*save);
    QFile school(path);
    QVERIFY(school.open(QIODevice::ReadOnly));
    QCOMPARE(school.readAll(), before);
    // Named as the copy it is.
    const QStringList mine = QDir(f.user).entryList(QDir::Files);
    QCOMPARE(mine, QStringList{quiz ? "Forces today (copy).tavquiz" : "Nuclear reactor today (copy).tavlabel"});
    const QString notice = forms::Notice::on(*editor)->caption();
    QVERIFY2(notice.contains(QDir::toNativeSeparators(QDir(f.user).filePath(mine[0]))), qPrintable(notice));
}

void MyActivitiesTest::deletingAsksFirstThenUsesTheWastebasket_data()
{
    QTest::addColumn<bool>("shared");
    QTest::addColumn<bool>("trashWorks");
    QTest::addColumn<QStringList>("answers"); // the captions clicked in turn
    QTest::addColumn<bool>("kept");
    QTest::newRow("kept") << false << true << QStringList{"Keep it"} << true;
    QTest::newRow("to the wastebasket") << false << true << QStringList{"Delete"} << false;
    QTest::newRow("no wastebasket, kept") << false << false << QStringList{"Delete", "Keep it"} << true;
    QTest::newRow("no wastebasket, for good") << false << false << QStringList{"Delete", "Delete for good"} << false;
    QTest::newRow("shared, kept") << true << true << QStringList{"Keep it"} << true;
    QTest::newRow("shared, for everyone") << true << true << QStringList{"Delete for everyone"} << false;
    QTest::newRow("shared, no wastebasket") << true << false << QStringList{"Delete for everyone", "Delete for good"} << false;
}

void MyActivitiesTest::deletingAsksFirstThenUsesTheWastebasket()
{
    QFETCH(bool, shared);
    QFETCH(bool, trashWorks);
    QFETCH(QStringList, answers);
    QFETCH(bool, kept);
    Fixture f;
    f.trashWorks = trashWorks;
    const QString folder = shared ? f.shared : f.user;
    f.write(folder, "c.tavlabel", "Simple motor");
    f.write(folder, "d.tavlabel", "Bicycle dynamo");
    TestScreens t;
    MyActivities& s = f.open(t);
    pupil::click(s.rows(1));
    pupil::click(s.commands(MyActivities::Delete));
    // The department's file is said to be theirs, and to go for everyone.
    QCOMPARE(s.question.text().contains("the department's file"), shared);
    for (const QString& given : answers) {
        QVERIFY(QFile::exists(folder + "/c.tavlabel"));
        QCOMPARE(s.question.text().contains("for everyone"), shared);
        pupil::click(s.rows(0)); // the question holds the screen: the row asked about is the one that goes
        reply(s, given);
    }
    QVERIFY(!s.question.isVisible());
    QCOMPARE(QFile::exists(folder + "/c.tavlabel"), kept);
    QCOMPARE(int(s.listed().size()), kept ? 2 : 1);
    QVERIFY(QFile::exists(folder + "/d.tavlabel"));
}

void MyActivitiesTest::tapAndKeyboardPlayTheChosenActivity()
{
    Fixture f;
    f.write(f.user, "c.tavlabel", "Simple motor");
    f.write(f.user, "d.tavlabel", "Bicycle dynamo");
    TestScreens t;
    MyActivities& s = f.open(t);
    pupil::click(s.rows(1)); // chosen at the first tap, played at the second
    QCOMPARE(s.selected(), 1);
    QVERIFY(!t->isLoaded(labelling::OwnActivityScreen));
    pupil::click(s.rows(1));
    QCOMPARE(t->get(labelling::OwnActivityScreen).windowTitle(), QStringLiteral("Simple motor"));
    t->unload(labelling::OwnActivityScreen);

    QTest::keyClick(&s.rows(0), Qt::Key_Space);
    QCOMPARE(s.selected(), 0);
    QTest::keyClick(&s.commands(MyActivities::Edit), Qt::Key_Return);
    QCOMPARE(f.edited, QStringList{QDir(f.user).absoluteFilePath("d.tavlabel")});
}

void MyActivitiesTest::longListsArePaged()
{
    Fixture f;
    for (int i = 0; i < 20; ++i)
        f.write(f.user, QStringLiteral("m%1.tavlabel").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Motor %1").arg(i, 2, 10, QLatin1Char('0')));
    TestScreens t;
    MyActivities& s = f.open(t);
    QCOMPARE(s.pageCount(), 3);
    QVERIFY(!s.pageLinks(0).isVisible() && s.pageLinks(1).isVisible());
    pupil::click(s.pageLinks(1));
    pupil::click(s.pageLinks(1));
    QCOMPARE(s.rows(1).caption(), QStringLiteral("Motor 19"));
    QVERIFY(!s.rows(2).isVisible() && !s.pageLinks(1).isVisible());
    QCOMPARE(s.pageIndicator.caption(), QStringLiteral("Page 3 of 3"));
}

void MyActivitiesTest::importCopiesAGoodFileAndRefusesABadOne()
{
    Fixture f;
    QTemporaryDir elsewhere;
    f.write(elsewhere.path(), "motor.tavlabel", "Simple motor");
    QFile bad(elsewhere.filePath("empty.tavlabel"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.close();
    TestScreens t;
    MyActivities& s = f.open(t);
    f.toImport = bad.fileName();
    pupil::click(s.commands(MyActivities::Import));
    QCOMPARE(f.offered, QStringList{"tavlabel"}); // what the listed kinds are
    QCOMPARE(forms::Notice::on(s)->caption(), QStringLiteral("empty.tavlabel was not imported: it cannot be opened: empty.tavlabel is empty"));
    QVERIFY(s.listed().empty());
    f.toImport = elsewhere.filePath("motor.tavlabel");
    pupil::click(s.commands(MyActivities::Import));
    QCOMPARE(forms::Notice::on(s)->caption(), QStringLiteral("Imported \u201CSimple motor\u201D."));
    // The same file again, or the copy itself: nothing to ask, nothing copied.
    for (const QString& again : {f.toImport, QDir(f.user).filePath("motor.tavlabel")}) {
        s.select(-1);
        f.toImport = again;
        pupil::click(s.commands(MyActivities::Import));
        QVERIFY(!s.question.isVisible());
        QCOMPARE(forms::Notice::on(s)->caption(),
                 QStringLiteral("\u201CSimple motor\u201D is already in your activities, as motor.tavlabel."));
        QCOMPARE(QDir(f.user).entryList(QDir::Files), QStringList{"motor.tavlabel"});
        QCOMPARE(s.selected(), 0);
    }
}

void MyActivitiesTest::importingANameAlreadyThereAsks_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("listed"); // afterwards, the chosen one first
    QTest::addColumn<QString>("notice");
    QTest::newRow("replaced") << "Replace" << QStringList{"Yours: Simple motor"}
                              << "Imported \u201CSimple motor\u201D in place of motor.tavlabel.";
    QTest::newRow("both kept") << "Keep both"
                               << QStringList{"Yours: Simple motor \u2013 motor (2).tavlabel", "Yours: Simple motor \u2013 motor.tavlabel"}
                               << "Imported \u201CSimple motor\u201D as motor (2).tavlabel.";
    QTest::newRow("cancelled") << "Cancel" << QStringList{"Yours: Simple motor"} << "";
}

// A colleague's newer "motor.tavlabel" meets the one imported last term.
void MyActivitiesTest::importingANameAlreadyThereAsks()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, listed);
    QFETCH(QString, notice);
    Fixture f;
    QTemporaryDir elsewhere;
    f.write(f.user, "motor.tavlabel", "Simple motor");
    labelling::OwnActivity newer = twoLabelActivity("Simple motor");
    newer.instruction = "Label the motor's coil and magnet.";
    f.toImport = elsewhere.filePath("motor.tavlabel");
    QCOMPARE(labelling::writeOwnActivity(f.toImport, newer), QString());
    const QByteArray before = bytesOf(f.user + "/motor.tavlabel");
    TestScreens t;
    MyActivities& s = f.open(t);
    pupil::click(s.commands(MyActivities::Import));
    QCOMPARE(s.question.text(), QStringLiteral("Your activities already have a file called motor.tavlabel.\n"
                                               "Replace it with the one imported, or keep both?"));
    QCOMPARE(bytesOf(f.user + "/motor.tavlabel"), before); // nothing written while it asks
    reply(s, answer);
    QVERIFY(!s.question.isVisible());
    QCOMPARE(bytesOf(f.user + "/motor.tavlabel"), answer == "Replace" ? bytesOf(f.toImport) : before);
    QStringList shown = captions(s);
    if (s.selected() >= 0)
        shown.move(s.selected(), 0);
    QCOMPARE(shown, listed);
    QCOMPARE(s.selected() >= 0, !notice.isEmpty());
    QCOMPARE(forms::Notice::on(s) ? forms::Notice::on(s)->caption() : QString(), notice);
}

void MyActivitiesTest::rowsSayTheirKindAndAreToldApart()
{
    Fixture f;
    f.withQuizzes = true;
    f.write(f.user, "a.tavlabel", "Simple motor");
    f.write(f.user, "b.tavlabel", "SIMPLE MOTOR");
    f.write(f.shared, "a.tavlabel", "Simple motor");
    f.write(f.school, "r.tavlabel", "Reactor");
    f.write(f.school2, "r.tavlabel", "Reactor");
    const QString transformer = "Transformer: the turns on each coil set the ratio of the potential differences across them";
    f.write(f.user, "t.tavlabel", transformer);
    Fixture::writeQuiz(f.user + "/forces.tavquiz", "Forces");
    Fixture::writeQuiz(f.user + "/motor.tavquiz", "Simple motor");
    TestScreens t;
    MyActivities& s = f.open(t);
    // Alike but for case: the file's name tells them apart, with the origin;
    // two school folders' files of one name, their whole paths.
    const auto path = [](const QString& folder) { return QDir::toNativeSeparators(QDir(folder).absoluteFilePath("r.tavlabel")); };
    QCOMPARE(captions(s), (QStringList{"Yours: Forces", "Yours: Simple motor \u2013 a.tavlabel", "Yours: SIMPLE MOTOR \u2013 b.tavlabel",
                                       "Yours: Simple motor \u2013 motor.tavquiz", "Yours: " + transformer,
                                       "School: Reactor \u2013 " + path(f.school), "School: Reactor \u2013 " + path(f.school2),
                                       "Shared: Simple motor \u2013 a.tavlabel"}));
    QStringList kinds;
    for (int r = 0; r < 8; ++r) {
        QVERIFY(s.rowKinds(r).isVisible());
        kinds << s.rowKinds(r).caption();
    }
    QCOMPARE(kinds, (QStringList{"True/false quiz", "Labelling activity", "Labelling activity", "True/false quiz",
                                 "Labelling activity", "Labelling activity", "Labelling activity", "Labelling activity"}));
    QVERIFY(!s.rowKinds(8).isVisible());
    // A screen reader hears the row whole: its title, kind and origin, and whether it is chosen.
    const auto spoken = [&s](int row) { return QAccessible::queryAccessibleInterface(&s.rows(row))->text(QAccessible::Name); };
    QCOMPARE(spoken(0), QStringLiteral("Forces, true/false quiz, Yours"));
    // A title longer than a row's two lines is cut where it shows, and heard whole.
    QCOMPARE(s.rows(4).caption(), QStringLiteral("Transformer: the turns on each coil set the ratio of the po\u2026"));
    QCOMPARE(spoken(4), transformer + ", labelling activity, Yours");
    pupil::click(s.rowKinds(7)); // the kind's word is the row's too
    QCOMPARE(s.selected(), 7);
    QCOMPARE(spoken(7), QStringLiteral("Simple motor \u2013 a.tavlabel, labelling activity, Shared, chosen: Enter plays it"));
    QCOMPARE(spoken(0), QStringLiteral("Forces, true/false quiz, Yours"));
    // Asked about, it is named whole, as the department's.
    pupil::click(s.commands(MyActivities::Delete));
    QCOMPARE(s.question.text(), QStringLiteral("Delete \u201CSimple motor\u201D (a.tavlabel) from the shared folder?\n"
                                               "It is the department's file: it goes for everyone."));
}

void MyActivitiesTest::unchangedFilesAreNotReadAgain()
{
    Fixture f;
    for (const char* name : {"a.tavlabel", "b.tavlabel", "c.tavlabel"})
        f.write(f.user, name, "Simple motor");
    TestScreens t;
    MyActivities& s = f.open(t);
    QCOMPARE(f.summaries, 3);
    t->unload(MyActivities::Id);
    TestScreens::flushDeletes();
    f.write(f.user, "b.tavlabel", "A changed title");
    MyActivities& again = f.open(t);
    QCOMPARE(f.summaries, 4);
    QCOMPARE(again.listed()[0].caption(), QStringLiteral("A changed title"));
    Q_UNUSED(s);
}

void MyActivitiesTest::aSharedFolderThatCannotBeReadIsTold_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("told");
    QTest::newRow("unreadable") << "unreadable" << "cannot be read: permission denied";
    QTest::newRow("removed") << "removed" << "is not there";
    QTest::newRow("a file") << "a file" << "is a file, not a folder";
}

// The shared activities gone from the list, the list says why.
void MyActivitiesTest::aSharedFolderThatCannotBeReadIsTold()
{
    QFETCH(QString, change);
    QFETCH(QString, told);
    Fixture f;
    f.write(f.user, "c.tavlabel", "Simple motor");
    f.write(f.shared, "a.tavlabel", "Transformer");
    if (change == "unreadable") {
        QVERIFY(QFile::setPermissions(f.shared, {}));
        if (QDir(f.shared).entryList(QDir::Files).size() == 1) { // the system's administrator reads everything
            QFile::setPermissions(f.shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user can read any folder");
        }
    } else {
        QVERIFY(QDir(f.shared).removeRecursively());
        if (change == "a file") {
            QFile file(f.shared);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    TestScreens t;
    MyActivities& s = f.open(t);
    QCOMPARE(captions(s), QStringList{"Yours: Simple motor"});
    const QString notice = forms::Notice::on(s) ? forms::Notice::on(s)->caption() : QString();
    QVERIFY2(notice.contains(QStringLiteral("The shared folder %1 %2, so its activities are not listed.")
                                 .arg(QDir::toNativeSeparators(f.shared), told)),
             qPrintable(notice));
    QFile::setPermissions(f.shared, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(MyActivitiesTest)
#include "test_myactivities.moc"
