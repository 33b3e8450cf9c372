// A teacher's own labelling activity: its file read, written and refused
// whole, and the activity played on the labelling screen to a full score.
#include "labelling/activity.h"
#include "labelling/ownfile.h"
#include "labelling/ownplay.h"
#include "support/pupil.h"
#include "support/testscreens.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/resource.h>

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

void setPicture(QJsonObject& o, const QByteArray& data, const QString& type = "png")
{
    o["picture"] = QJsonObject{{"type", type}, {"data", QString::fromLatin1(data.toBase64())}};
}

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 v)
{
    const char bytes[] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

QByteArray chunk(const QByteArray& type, const QByteArray& data)
{
    return bigEndian(quint32(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A zlib stream of `count` zero bytes, written by hand as one block of
// back-references 258 bytes long: a picture of any size in few bytes.
QByteArray zeros(qint64 count)
{
    QByteArray out("\x78\x01", 2);
    quint32 bits = 0;
    int held = 0;
    const auto put = [&](quint32 value, int length) { // Huffman codes go highest bit first
        for (int k = length - 1; k >= 0; --k) {
            bits |= ((value >> k) & 1u) << held;
            if (++held == 8) {
                out.append(char(bits));
                bits = 0;
                held = 0;
            }
        }
    };
    put(1, 1); // the last block
    put(1, 1), put(0, 1); // of fixed codes, its two bits low first
    put(0x30, 8); // a literal zero
    qint64 left = count - 1;
    for (; left >= 258; left -= 258)
        put(0xC5, 8), put(0, 5); // length 258 at distance 1
    for (; left > 0; --left)
        put(0x30, 8);
    put(0, 7); // the end of the block
    if (held)
        out.append(char(bits));
    return out + bigEndian(quint32((count % 65521) << 16 | 1)); // the check sum of zeros
}

// A black PNG of `size` pixels: 8-bit RGB (colour type 2), or 16-bit RGBA (6).
QByteArray blackPng(QSize size, int depth = 8, int colourType = 2)
{
    const int bytesPerPixel = (colourType == 6 ? 4 : 3) * depth / 8;
    QByteArray header = bigEndian(quint32(size.width())) + bigEndian(quint32(size.height()));
    const char rest[] = {char(depth), char(colourType), 0, 0, 0}; // deflated, filtered by row, not interlaced
    header += QByteArray(rest, 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header)
           + chunk("IDAT", zeros(qint64(size.height()) * (1 + qint64(size.width()) * bytesPerPixel))) + chunk("IEND", {});
}

// A good picture with a chunk after its header that claims `length` bytes.
QByteArray claimingChunk(const QByteArray& type, quint32 length)
{
    const QByteArray good = png({40, 20});
    return good.left(33) + bigEndian(length) + type + good.mid(33);
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
    void picturesClaimingGigabytesCostLittle_data();
    void picturesClaimingGigabytesCostLittle();
    void everyPictureTheRulesAllowPlays_data();
    void everyPictureTheRulesAllowPlays();
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
    QTest::newRow("SVG named PNG") << changed([](QJsonObject& o) {
        setPicture(o, R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="200"><image href="file:///etc/hostname" width="9" height="9"/></svg>)");
    }) << "its data is not PNG";
    QTest::newRow("PNG named JPEG") << changed([](QJsonObject& o) { setPicture(o, png({400, 200}), "jpeg"); }) << "its data is not JPEG";
    QTest::newRow("16-bit, too many pixels")
        << changed([](QJsonObject& o) { setPicture(o, blackPng({5700, 5700}, 16, 6)); }) << "5700 x 5700 pixels of 16-bit colour";
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

void OwnFileTest::picturesClaimingGigabytesCostLittle_data()
{
    QTest::addColumn<QByteArray>("picture");
    QTest::newRow("text claims 2 GB") << claimingChunk("zTXt", 0x7ffffff0);
    QTest::newRow("colour profile claims 2 GB") << claimingChunk("iCCP", 0x7ffffff0);
    QTest::newRow("text claims 20 MB") << claimingChunk("tEXt", 20'000'000);
}

// A few bytes claiming gigabytes are refused in a moment and in little memory.
void OwnFileTest::picturesClaimingGigabytesCostLittle()
{
    QFETCH(QByteArray, picture);
    QJsonObject o = goodActivity();
    setPicture(o, picture);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer clock;
    clock.start();
    const OwnRead read = parseOwnActivity(json(o), "motor.tavlabel", PictureUse::Show);
    QVERIFY(clock.elapsed() < 500);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    QVERIFY2(after.ru_maxrss - before.ru_maxrss < 64 * 1024, qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss))); // in KB
    QVERIFY2(read.problem.contains("cut short or damaged"), qPrintable(read.problem));
}

void OwnFileTest::everyPictureTheRulesAllowPlays_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QSize>("size");
    QJsonObject wrapped = goodActivity();
    QString lines = wrapped["picture"].toObject()["data"].toString();
    for (qsizetype at = 76; at < lines.size(); at += 78)
        lines.insert(at, "\r\n");
    wrapped["picture"] = QJsonObject{{"type", "png"}, {"data", lines}};
    QTest::newRow("base64 wrapped at 76") << json(wrapped) << QSize(400, 200);
    QJsonObject largest = goodActivity();
    setPicture(largest, blackPng({8000, 8000}));
    QTest::newRow("8000 x 8000") << json(largest) << QSize(8000, 8000);
    QJsonObject jpeg = goodActivity();
    QImage photo(400, 200, QImage::Format_RGB32);
    photo.fill(QColor(120, 90, 60));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    photo.save(&buffer, "JPEG");
    setPicture(jpeg, bytes, "jpg");
    QTest::newRow("JPEG named jpg") << json(jpeg) << QSize(400, 200);
}

// What the rules allow is read, shown and played.
void OwnFileTest::everyPictureTheRulesAllowPlays()
{
    QFETCH(QByteArray, content);
    QFETCH(QSize, size);
    const OwnRead read = parseOwnActivity(content, "motor.tavlabel", PictureUse::Show);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.picture.size(), size);
    TestScreens t;
    QCOMPARE(playOwnActivity(*t, read.activity, read.picture), QString()); // as My Activities plays it
    QVERIFY(t->isLoaded(OwnActivityScreen));
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
