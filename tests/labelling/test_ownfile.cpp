// A teacher's own labelling activity: its file read, written and refused
// whole, and the activity played on the labelling screen to a full score.
#include "labelling/activity.h"
#include "labelling/ownfile.h"
#include "labelling/ownplay.h"
#include "support/pupil.h"
#include "support/testscreens.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace labelling;

namespace {

QByteArray png(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 60));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

// A 400 x 200 picture with three labels along it.
QJsonObject goodActivity()
{
    QJsonArray labels;
    const char* answers[] = {"coil", "magnet", "iron core"};
    for (int i = 0; i < 3; ++i)
        labels.append(QJsonObject{{"answer", answers[i]},
                                  {"target", QJsonArray{10 + 130 * i, 150, 100, 30}},
                                  {"part", QJsonArray{60 + 130 * i, 60}}});
    return {{"format", 1}, {"kind", "labelling"}, {"title", "A simple motor"}, {"instruction", "Label the motor."},
            {"picture", QJsonObject{{"type", "png"}, {"data", QString::fromLatin1(png({400, 200}).toBase64())}}},
            {"labels", labels}};
}

QByteArray json(const QJsonObject& o) { return QJsonDocument(o).toJson(); }

using Change = std::function<void(QJsonObject&)>;

void setLabel(QJsonObject& o, int i, const QString& key, const QJsonValue& v)
{
    QJsonArray labels = o["labels"].toArray();
    QJsonObject label = labels[i].toObject();
    label[key] = v;
    labels[i] = label;
    o["labels"] = labels;
}

void setPicture(QJsonObject& o, const QByteArray& data)
{
    o["picture"] = QJsonObject{{"type", "png"}, {"data", QString::fromLatin1(data.toBase64())}};
}

} // namespace

class OwnFileTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void roundTripKeepsEveryFieldAndTheUnknownOnes();
    void optionalFieldsAreReadAndWrittenOnlyWhenUsed();
    void badContentIsRefusedWhole_data();
    void badContentIsRefusedWhole();
    void filesThatAreNotActivitiesAreRefused_data();
    void filesThatAreNotActivitiesAreRefused();
    void failedSaveSaysWhyAndWritesNothing();
    void madeActivityPlaysToAFullScore();
};

void OwnFileTest::roundTripKeepsEveryFieldAndTheUnknownOnes()
{
    QJsonObject original = goodActivity();
    original["author"] = "Ms Okafor";
    QJsonObject picture = original["picture"].toObject();
    picture["credit"] = "own photo";
    original["picture"] = picture;
    setLabel(original, 1, "hint", "It attracts iron.");

    const OwnRead read = parseOwnActivity(json(original), "motor.tavlabel");
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.activity.labels.size(), 3u);
    QCOMPARE(read.activity.labels[2].answer, QStringLiteral("iron core"));
    QCOMPARE(read.activity.labels[1].target, QRectF(140, 150, 100, 30));
    QCOMPARE(read.activity.labels[1].part, QPointF(190, 60));

    QTemporaryDir dir;
    const QString path = dir.filePath("motor.tavlabel");
    QCOMPARE(writeOwnActivity(path, read.activity), QString());
    const OwnRead again = readOwnActivity(path);
    QVERIFY2(again.ok(), qPrintable(again.problem));
    QCOMPARE(QJsonDocument::fromJson(ownActivityJson(again.activity)).object(), original);
}

void OwnFileTest::optionalFieldsAreReadAndWrittenOnlyWhenUsed()
{
    QJsonObject original = goodActivity();
    original["distractors"] = QJsonArray{"brush", "commutator"};
    original["description"] = "A coil of wire between two magnets.";
    setLabel(original, 0, "pointsTo", "the wire wound round the middle");
    const OwnRead read = parseOwnActivity(json(original), "motor.tavlabel");
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.activity.distractors, (std::vector<QString>{"brush", "commutator"}));
    QCOMPARE(read.activity.description, QStringLiteral("A coil of wire between two magnets."));
    QCOMPARE(read.activity.labels[0].pointsTo, QStringLiteral("the wire wound round the middle"));
    QVERIFY(read.activity.unknown.value("distractors").isUndefined());
    // As written, the fields a version before them keeps as unknown, unchanged.
    QCOMPARE(QJsonDocument::fromJson(ownActivityJson(read.activity)).object(), original);
    // Left empty, they are not written at all: the file reads as before.
    OwnActivity plain = read.activity;
    plain.distractors.clear();
    plain.description.clear();
    plain.labels[0].pointsTo.clear();
    QCOMPARE(QJsonDocument::fromJson(ownActivityJson(plain)).object(), goodActivity());
}

void OwnFileTest::badContentIsRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    const QByteArray good = json(goodActivity());
    const auto changed = [](const Change& change) {
        QJsonObject o = goodActivity();
        change(o);
        return json(o);
    };
    QTest::newRow("empty") << QByteArray() << "is empty";
    QTest::newRow("truncated") << good.left(good.size() / 2) << "is damaged";
    QTest::newRow("not JSON") << QByteArray("coil, magnet, iron core") << "is damaged";
    QTest::newRow("a list") << QByteArray("[1, 2]") << "not a labelling activity";
    QTest::newRow("newer format") << changed([](QJsonObject& o) { o["format"] = 2; }) << "newer version";
    QTest::newRow("another kind") << changed([](QJsonObject& o) { o["kind"] = "statements"; }) << "not a labelling activity";
    QTest::newRow("title a number") << changed([](QJsonObject& o) { o["title"] = 7; }) << "its title is not text";
    QTest::newRow("blank title") << changed([](QJsonObject& o) { o["title"] = "  "; }) << "its title is empty";
    QTest::newRow("no picture") << changed([](QJsonObject& o) { o.remove("picture"); }) << "has no picture";
    QTest::newRow("picture not base64") << changed([](QJsonObject& o) { o["picture"] = QJsonObject{{"type", "png"}, {"data", "@@"}}; })
                                        << "picture data is damaged";
    QTest::newRow("picture does not decode") << changed([](QJsonObject& o) { setPicture(o, "not a picture at all"); })
                                             << "picture cannot be shown";
    QTest::newRow("picture cut short") << changed([](QJsonObject& o) { setPicture(o, png({400, 200}).left(60)); })
                                       << "picture cannot be shown";
    QTest::newRow("picture too wide") << changed([](QJsonObject& o) { setPicture(o, png({8001, 2})); }) << "more than 8000 x 8000";
    QTest::newRow("no labels") << changed([](QJsonObject& o) { o["labels"] = QJsonArray(); }) << "has 0 labels";
    QTest::newRow("eleven labels") << changed([](QJsonObject& o) {
        QJsonArray labels;
        for (int i = 0; i < 11; ++i)
            labels.append(o["labels"].toArray()[0]);
        o["labels"] = labels;
    }) << "has 11 labels";
    QTest::newRow("labels not a list") << changed([](QJsonObject& o) { o["labels"] = "coil"; }) << "no list of labels";
    QTest::newRow("empty answer") << changed([](QJsonObject& o) { setLabel(o, 1, "answer", ""); }) << "label 2's answer is empty";
    QTest::newRow("box past the edge") << changed([](QJsonObject& o) { setLabel(o, 2, "target", QJsonArray{350, 150, 100, 30}); })
                                       << "label 3's answer box lies outside the picture";
    QTest::newRow("huge numbers") << changed([](QJsonObject& o) { setLabel(o, 0, "target", QJsonArray{1e300, 1e300, 1e300, 1e300}); })
                                  << "label 1's answer box lies outside the picture";
    QTest::newRow("box of no size") << changed([](QJsonObject& o) { setLabel(o, 0, "target", QJsonArray{10, 10, 0, 30}); })
                                    << "label 1's answer box has no size";
    QTest::newRow("numbers as text") << changed([](QJsonObject& o) { setLabel(o, 0, "target", QJsonArray{"10", 10, 50, 30}); })
                                     << "label 1's answer box is not a list of 4 numbers";
    QTest::newRow("part outside") << changed([](QJsonObject& o) { setLabel(o, 0, "part", QJsonArray{60, -1}); })
                                  << "label 1's part lies outside the picture";
    QTest::newRow("wrong answers not a list") << changed([](QJsonObject& o) { o["distractors"] = "armature"; })
                                              << "its wrong answers are not a list";
    QTest::newRow("six wrong answers") << changed([](QJsonObject& o) {
        o["distractors"] = QJsonArray{"a", "b", "c", "d", "e", "f"};
    }) << "it has 6 wrong answers; an activity has at most 5";
    QTest::newRow("wrong answer a number") << changed([](QJsonObject& o) { o["distractors"] = QJsonArray{"brush", 3}; })
                                           << "wrong answer 2 is not text";
    QTest::newRow("blank wrong answer") << changed([](QJsonObject& o) { o["distractors"] = QJsonArray{" "}; })
                                        << "wrong answer 1 is empty";
    QTest::newRow("long wrong answer") << changed([](QJsonObject& o) { o["distractors"] = QJsonArray{QString(61, 'x')}; })
                                       << "wrong answer 1 is longer than 60 characters";
    QTest::newRow("long description") << changed([](QJsonObject& o) { o["description"] = QString(401, 'x'); })
                                      << "its description is longer than 400 characters";
    QTest::newRow("box description a list") << changed([](QJsonObject& o) { setLabel(o, 2, "pointsTo", QJsonArray{}); })
                                            << "label 3's description is not text";
}

void OwnFileTest::badContentIsRefusedWhole()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile file(dir.filePath("motor.tavlabel"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const OwnRead read = readOwnActivity(file.fileName());
    QVERIFY(!read.ok());
    QVERIFY2(read.problem.startsWith("motor.tavlabel"), qPrintable(read.problem));
    QVERIFY2(read.problem.contains(reason), qPrintable(read.problem));
    QVERIFY(read.activity.labels.empty() && read.activity.title.isEmpty());
}

void OwnFileTest::filesThatAreNotActivitiesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a 200 MB file") << "large" << "too large";
    QTest::newRow("a folder") << "folder" << "folder";
}

void OwnFileTest::filesThatAreNotActivitiesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("x.tavlabel");
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(200LL * 1024 * 1024)); // sparse: no 200 MB written
    }
    const OwnRead read = readOwnActivity(path);
    QVERIFY2(read.problem.startsWith("x.tavlabel") && read.problem.contains(reason), qPrintable(read.problem));
}

void OwnFileTest::failedSaveSaysWhyAndWritesNothing()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("lessons"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    const OwnActivity activity = parseOwnActivity(json(goodActivity()), "motor.tavlabel").activity;
    const QString problem = writeOwnActivity(dir.filePath("lessons/motor.tavlabel"), activity);
    QVERIFY2(problem.startsWith("motor.tavlabel could not be saved: "), qPrintable(problem));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"lessons"});
}

void OwnFileTest::madeActivityPlaysToAFullScore()
{
    TestScreens t;
    const OwnRead read = parseOwnActivity(json(goodActivity()), "motor.tavlabel");
    QCOMPARE(playOwnActivity(*t, read.activity), QString());
    auto& s = t.open<LabellingActivity>(OwnActivityScreen);
    QCOMPARE(s.windowTitle(), QStringLiteral("A simple motor"));
    QCOMPARE(s.board.count(), 3);
    const forms::TwipRect picture = ownPicturePlace({400, 200});
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(s.targets(i).caption(), activity::targetNumber(i));
        // In the file's order, scaled with the picture; the homes beneath it.
        QCOMPARE(s.targets(i).left(), picture.left + (10 + 130 * i) * picture.width / 400);
        QVERIFY(s.homes(i).top() >= picture.top + picture.height);
        QVERIFY(s.homes(i).top() + s.homes(i).twipHeight() <= s.scoreLine().top());
        // Each leader runs from its target to its part.
        QCOMPARE(s.lines(i).x2(), picture.left + (60 + 130 * i) * picture.width / 400);
    }
    for (int i : {2, 0, 1})
        pupil::dropOnTarget(s, i, i);
    QVERIFY(s.commands(LabellingActivity::CheckScore).isVisible());
    pupil::click(s.commands(LabellingActivity::CheckScore));
    QCOMPARE(s.scoreLine().caption(), QStringLiteral("3 out of 3 correct"));
    pupil::click(s.commands(LabellingActivity::StartAgain));
    QCOMPARE(pupil::cornerOf(s.answers(0)), pupil::cornerOf(s.homes(0)));
}

QTEST_MAIN(OwnFileTest)
#include "test_ownfile.moc"
