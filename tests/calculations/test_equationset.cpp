// A teacher's own equation set: a file that breaks a rule is refused whole
// with the reason, a newer format is refused and never written over, fields
// and equations this version does not know are kept when the set is saved
// again, and a set saved from the choosing screen is listed and played.
#include "support/testscreens.h"
#include "calculations/equationchoice.h"
#include "calculations/equationdrill.h"
#include "calculations/equationquestions.h"
#include "calculations/equationset.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace calculations;

class EquationSetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initTestFonts(); }

    void refusedWithTheReason_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("{\"format\": 1,") << "not a JSON object";
        QTest::newRow("newer") << QByteArray(R"({"format": 2, "kind": "equations", "title": "A", "equations": ["ohm"]})") << "newer version";
        QTest::newRow("no format") << QByteArray(R"({"kind": "equations", "title": "A", "equations": ["ohm"]})") << "no format number";
        QTest::newRow("other kind") << QByteArray(R"({"format": 1, "kind": "statements", "title": "A", "equations": ["ohm"]})") << "kind";
        QTest::newRow("no title") << QByteArray(R"({"format": 1, "kind": "equations", "title": "  ", "equations": ["ohm"]})") << "title";
        QTest::newRow("level") << QByteArray(R"({"format": 1, "kind": "equations", "title": "A", "level": 4, "equations": ["ohm"]})") << "level";
        QTest::newRow("not a list") << QByteArray(R"({"format": 1, "kind": "equations", "title": "A", "equations": "ohm"})") << "no list";
        QTest::newRow("a number") << QByteArray(R"({"format": 1, "kind": "equations", "title": "A", "equations": [3]})") << "text id";
        QTest::newRow("none known") << QByteArray(R"({"format": 1, "kind": "equations", "title": "A", "equations": ["x"]})") << "no equation";
        QTest::newRow("too large") << QByteArray(LargestEquationSet + 1, ' ') << "too large";
    }

    void refusedWithTheReason()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, reason);
        const EquationSetRead read = parseEquationSet(json, "Waves.taveqset");
        QVERIFY(!read.ok());
        QVERIFY2(read.problem.startsWith("Waves.taveqset: ") && read.problem.contains(reason), qPrintable(read.problem));
    }

    void whatIsNotKnownIsKept()
    {
        const QByteArray json = R"({"format": 1, "kind": "equations", "title": "Forces", "level": 3, "colour": "red",
                                    "equations": ["momentum", "later", "ohm", "momentum"]})";
        const EquationSetRead read = parseEquationSet(json, "f.taveqset");
        QVERIFY2(read.ok(), qPrintable(read.problem));
        QCOMPARE(read.set.equations, (QStringList{"momentum", "ohm"}));
        QCOMPARE(read.set.level, 3);
        const QJsonObject again = QJsonDocument::fromJson(equationSetJson(read.set)).object();
        QCOMPARE(again["colour"].toString(), QStringLiteral("red"));
        QCOMPARE(again["equations"].toVariant().toStringList(), (QStringList{"momentum", "ohm", "later"}));
        QCOMPARE(parseEquationSet(equationSetJson(read.set), "f.taveqset").set.title, QStringLiteral("Forces"));
    }

    void savedListedAndPlayed()
    {
        QTemporaryDir folder;
        TestScreens screens;
        auto& choice = screens->get<EquationChoice>(EquationChoiceId);
        const activity::OwnKind& kind = ownEquationSetKind();
        kind.edit(*screens, {}, folder.path(), false);
        choice.saveSet(); // no title yet: nothing written
        QVERIFY(QDir(folder.path()).isEmpty());
        choice.title.widget.setText("Electricity starter");
        choice.choose({"ohm", "powervi"}, Recall);
        choice.saveSet();
        const QString path = folder.filePath("Electricity starter.taveqset");
        QVERIFY2(QFile::exists(path), qPrintable(choice.words.caption()));
        QCOMPARE(kind.summarise(path).title, QStringLiteral("Electricity starter"));

        // Saved again in place, not beside itself.
        kind.edit(*screens, path, folder.path(), false);
        QCOMPARE(choice.ticked(), (QStringList{"ohm", "powervi"}));
        choice.choose({"ohm"}, Recall);
        choice.saveSet();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1);

        QVERIFY(kind.play(*screens, path).isEmpty());
        auto& drill = screens->get<EquationDrill>(EquationDrillId);
        QCOMPARE(drill.windowTitle(), QStringLiteral("Electricity starter"));
        QCOMPARE(drill.chosen(), QStringList{"ohm"});
        QCOMPARE(drill.level(), int(Recall));

        // A set from a newer version is refused, and a save never writes over it.
        QFile newer(folder.filePath("Newer.taveqset"));
        QVERIFY(newer.open(QIODevice::WriteOnly));
        newer.write(R"({"format": 9, "kind": "equations", "title": "Newer", "equations": ["ohm"]})");
        newer.close();
        QVERIFY(kind.summarise(newer.fileName()).problem.contains("newer version"));
        kind.edit(*screens, newer.fileName(), folder.path(), false);
        choice.title.widget.setText("Newer");
        choice.saveSet();
        QVERIFY(QFile::exists(folder.filePath("Newer (2).taveqset")));
        QVERIFY(kind.summarise(newer.fileName()).problem.contains("newer version"));
    }
};

QTEST_MAIN(EquationSetTest)
#include "test_equationset.moc"
