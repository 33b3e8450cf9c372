// Making a labelling activity: every editing step and its undo and redo, the
// rules a draft keeps, the pictures refused, and saving: a round trip, a file
// changed meanwhile on disk, a file that may not be changed in place.
#include "labelling/editor/draft.h"
#include "labelling/editor/draftchecks.h"
#include "activity/editedfile.h"
#include "activity/teacherwrite.h"
#include "labelling/editor/editorscreen.h"
#include "labelling/editor/labeleditor.h"
#include "labelling/editor/picturefile.h"
#include "labelling/editor/playarea.h"
#include "activity/textlength.h"
#include "labelling/ownfile.h"
#include "forms/notice.h"
#include "support/pointer.h"
#include "support/testscreens.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <random>

using namespace labelling;
using Step = std::function<bool(LabelDraft&)>;
Q_DECLARE_METATYPE(Step)

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A diagram: flat colours and sharp lines.
QImage diagram(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(QRect(width / 4, height / 4, width / 2, height / 2));
    return image;
}

// A photograph: smooth shading with a camera's grain in every pixel.
QImage photograph(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 200 / width + int(random() % 12), y * 200 / height + int(random() % 12),
                                      (x + y) * 100 / (width + height) + int(random() % 12)));
    return image;
}

EmbeddedPicture embedded(const QImage& image) { return {encoded(image, "png"), QStringLiteral("png"), image.size()}; }

// A PNG whose header claims a size its few bytes never hold.
QByteArray claimedPng(quint32 width, quint32 height)
{
    QByteArray png = encoded(QImage(1, 1, QImage::Format_RGB32), "png");
    auto put = [&png](int at, quint32 v) {
        for (int k = 0; k < 4; ++k)
            png[at + k] = char(v >> (24 - 8 * k));
    };
    put(16, width);
    put(20, height);
    quint32 crc = 0xffffffffu; // over the chunk type and data, as the format asks
    for (int k = 12; k < 29; ++k) {
        crc ^= quint8(png[k]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    put(29, ~crc);
    return png;
}

QByteArray snapshot(const LabelDraft& draft) { return ownActivityJson(draft.activity()); }

// A draft on a 400 x 300 diagram with two labels, "nucleus" and "electron".
void prepare(LabelDraft& draft)
{
    OwnActivity a;
    a.title = QStringLiteral("An atom");
    const QImage picture = diagram(400, 300);
    a.picture = encoded(picture, "png");
    a.pictureType = QStringLiteral("png");
    a.labels = {{QStringLiteral("nucleus"), QRectF(10, 10, 100, 20), QPointF(200, 150)},
                {QStringLiteral("electron"), QRectF(10, 200, 100, 20), QPointF(300, 150)}};
    QVERIFY(draft.reset(a));
}

QString write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return file.errorString();
    return {};
}

} // namespace

class LabelEditorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestFonts(); }
    void cleanup() { TestScreens::flushDeletes(); }

    void eachStepUndoesAndRedoes_data();
    void eachStepUndoesAndRedoes();
    void refusedStepsChangeNothing_data();
    void refusedStepsChangeNothing();
    void newBoxesLieClearOfTheOthers();
    void picturesRefusedOrEmbedded_data();
    void picturesRefusedOrEmbedded();
    void savedActivityReadsBack();
    void lengthsCountCharactersAsSeen();
    void aSmallerPictureLeavesEveryBoxReadable();
    void fileChangedOnDiskIsNotOverwrittenUnasked();
    void readOnlyFileIsSavedAsACopy();
    void failedSaveKeepsTheWork();
    void droppedBoxOnAnotherSpringsBack();
    void leavingWithChangesAsksFirst();
    void eleventhClickJoinsNoLabel();
    void aTapOnABoxChoosesItAndTypingJoinsItsAnswer();
    void crowdedBoxesAreFoundByTheBoardsRule_data();
    void crowdedBoxesAreFoundByTheBoardsRule();
    void savingAsksAboutWhatToLookAt_data();
    void savingAsksAboutWhatToLookAt();
    void theAnswerCountWarnsBeforeTheLimit();
    void aNewPictureAsksWhetherToKeepTheLabels_data();
    void aNewPictureAsksWhetherToKeepTheLabels();
    void extrasAreTypedSavedAndUndone();
    void noticesLeaveTheHintAndFieldsClear_data();
    void noticesLeaveTheHintAndFieldsClear();
};

void LabelEditorTest::eachStepUndoesAndRedoes_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<QByteArray>("signal");
    const QByteArray moved = QMetaMethod::fromSignal(&LabelDraft::labelMoved).methodSignature();
    QTest::newRow("add a part") << Step([](LabelDraft& d) { return d.addPart({350, 50}); })
                                << QMetaMethod::fromSignal(&LabelDraft::labelAdded).methodSignature();
    QTest::newRow("move a box") << Step([](LabelDraft& d) { return d.moveBox(0, {200, 60}); }) << moved;
    QTest::newRow("move a part") << Step([](LabelDraft& d) { return d.movePart(1, {50, 100}); }) << moved;
    QTest::newRow("rename") << Step([](LabelDraft& d) { return d.rename(0, QStringLiteral("proton")); })
                            << QMetaMethod::fromSignal(&LabelDraft::labelRenamed).methodSignature();
    QTest::newRow("delete") << Step([](LabelDraft& d) { return d.remove(0); })
                            << QMetaMethod::fromSignal(&LabelDraft::labelRemoved).methodSignature();
    QTest::newRow("title") << Step([](LabelDraft& d) { d.setTitle(QStringLiteral("Lithium")); return true; })
                           << QMetaMethod::fromSignal(&LabelDraft::titleChanged).methodSignature();
    QTest::newRow("instruction") << Step([](LabelDraft& d) { d.setInstruction(QStringLiteral("Label it.")); return true; })
                                 << QMetaMethod::fromSignal(&LabelDraft::instructionChanged).methodSignature();
    QTest::newRow("description") << Step([](LabelDraft& d) { d.setText(LabelDraft::Text::Description, 0, QStringLiteral("An atom")); return true; })
                                 << QMetaMethod::fromSignal(&LabelDraft::extraChanged).methodSignature();
    QTest::newRow("a wrong answer") << Step([](LabelDraft& d) { d.setText(LabelDraft::Text::Distractor, 2, QStringLiteral("photon")); return true; })
                                    << QMetaMethod::fromSignal(&LabelDraft::extraChanged).methodSignature();
    QTest::newRow("what a box points to")
        << Step([](LabelDraft& d) { d.setText(LabelDraft::Text::PointsTo, 1, QStringLiteral("the dot")); return d.label(1).pointsTo == QStringLiteral("the dot"); })
        << QMetaMethod::fromSignal(&LabelDraft::extraChanged).methodSignature();
    QTest::newRow("picture, labels dropped")
        << Step([](LabelDraft& d) {
               d.setPicture(embedded(diagram(800, 600)), false);
               return d.count() == 0;
           })
        << QMetaMethod::fromSignal(&LabelDraft::pictureChanged).methodSignature();
    QTest::newRow("picture, labels kept in place")
        << Step([](LabelDraft& d) {
               d.setPicture(embedded(diagram(800, 600)));
               return d.pictureSize() == QSize(800, 600) && d.label(1).part == QPointF(600, 300)
                      && d.label(1).target == QRectF(20, 400, 200, 40);
           })
        << QMetaMethod::fromSignal(&LabelDraft::pictureChanged).methodSignature();
}

void LabelEditorTest::eachStepUndoesAndRedoes()
{
    QFETCH(Step, step);
    QFETCH(QByteArray, signal);
    LabelDraft draft;
    prepare(draft);
    const QByteArray before = snapshot(draft);
    QSignalSpy told(&draft, QByteArray("2" + signal).constData());
    QSignalSpy changed(&draft, &LabelDraft::changed);
    QVERIFY(step(draft));
    QCOMPARE(told.count(), 1);
    QCOMPARE(changed.count(), 1);
    const QByteArray after = snapshot(draft);
    QVERIFY(after != before);
    QVERIFY(!draft.history().isClean());
    draft.history().undo();
    QCOMPARE(snapshot(draft), before);
    QCOMPARE(changed.count(), 2);
    QVERIFY(draft.history().isClean());
    draft.history().redo();
    QCOMPARE(snapshot(draft), after);
}

void LabelEditorTest::refusedStepsChangeNothing_data()
{
    QTest::addColumn<Step>("before"); // what the teacher did first
    QTest::addColumn<Step>("step");
    const Step nothing = [](LabelDraft&) { return true; };
    QTest::newRow("box onto another") << nothing << Step([](LabelDraft& d) { return d.moveBox(1, {50, 20}); });
    QTest::newRow("box partly onto another") << nothing << Step([](LabelDraft& d) { return d.moveBox(1, {105, 25}); });
    QTest::newRow("eleventh label") << Step([](LabelDraft& d) {
        bool added = true;
        for (int k = 2; k < MostOwnLabels; ++k)
            added = d.addPart({40.0 * k, 120}) && added;
        return added;
    }) << Step([](LabelDraft& d) { return d.addPart({390, 290}); });
    QTest::newRow("part off the picture") << nothing << Step([](LabelDraft& d) { return d.addPart({401, 10}); });
    QTest::newRow("part with no picture") << Step([](LabelDraft& d) { return d.reset({}); })
                                          << Step([](LabelDraft& d) { return d.addPart({10, 10}); });
}

void LabelEditorTest::refusedStepsChangeNothing()
{
    QFETCH(Step, before);
    QFETCH(Step, step);
    LabelDraft draft;
    prepare(draft);
    QVERIFY(before(draft));
    const QByteArray then = snapshot(draft);
    const int steps = draft.history().count();
    QSignalSpy refused(&draft, &LabelDraft::refused);
    QSignalSpy changed(&draft, &LabelDraft::changed);
    QVERIFY(!step(draft));
    QCOMPARE(refused.count(), 1);
    QVERIFY(!refused.first().first().toString().isEmpty());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(snapshot(draft), then);
    QCOMPARE(draft.history().count(), steps);
}

// Boxes dragged past the picture's edge stop at it; every new box is found
// a place inside the picture, clear of the others and of the parts.
void LabelEditorTest::newBoxesLieClearOfTheOthers()
{
    LabelDraft draft;
    prepare(draft);
    QVERIFY(draft.moveBox(0, {-500, 9000}));
    QCOMPARE(draft.label(0).target.bottomLeft(), QPointF(0, 300));
    for (int k = 2; k < MostOwnLabels; ++k)
        QVERIFY2(draft.addPart({30.0 + 37 * k, 40.0 + 23 * k}), qPrintable(QString::number(k)));
    const QRectF picture(0, 0, 400, 300);
    for (int k = 0; k < draft.count(); ++k) {
        QVERIFY(picture.contains(draft.label(k).target));
        for (int j = 0; j < draft.count(); ++j) {
            QVERIFY(j == k || !draft.label(k).target.intersects(draft.label(j).target));
            // No part there when the box was placed lies under it.
            QVERIFY(k < 2 || j > k || !draft.label(k).target.contains(draft.label(j).part));
        }
    }
    // Where there is room, no two so close that a pupil's drop is in doubt.
    LabelDraft roomy;
    QVERIFY(roomy.reset({QStringLiteral("Roomy"), {}, encoded(diagram(800, 600), "png"), QStringLiteral("png"), {}}));
    for (int k = 0; k < 6; ++k)
        QVERIFY(roomy.addPart({300.0 + 40 * (k % 3), 250.0 + 40 * (k / 3)}));
    QCOMPARE(crowdedBoxes(roomy.activity(), roomy.pictureSize()).size(), std::size_t(0));
}

void LabelEditorTest::picturesRefusedOrEmbedded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("fileSize"); // a sparse file this large instead, when not 0
    QTest::addColumn<QString>("problem"); // a part of the message, or empty when embedded
    QTest::addColumn<QString>("type");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name"); // the file's name, whose ending says its type
    QTest::newRow("over 20 MB") << QByteArray() << LargestPictureFile + 1 << QStringLiteral("too large") << QString() << QSize() << QStringLiteral("chosen.png");
    QTest::newRow("claims 9000 x 9000") << claimedPng(9000, 9000) << qint64(0) << QStringLiteral("9000 x 9000") << QString() << QSize() << QStringLiteral("chosen.png");
    QTest::newRow("claims 8001 wide") << claimedPng(8001, 10) << qint64(0) << QStringLiteral("8001 x 10") << QString() << QSize() << QStringLiteral("chosen.png");
    QTest::newRow("not a picture") << QByteArray("{\"format\": 1}") << qint64(0) << QStringLiteral("not a PNG") << QString() << QSize() << QStringLiteral("chosen.png");
    QTest::newRow("damaged") << encoded(diagram(200, 100), "png").left(60) << qint64(0) << QStringLiteral("damaged") << QString() << QSize() << QStringLiteral("chosen.png");
    QTest::newRow("a diagram stays PNG") << encoded(diagram(300, 200), "bmp") << qint64(0) << QString() << QStringLiteral("png") << QSize(300, 200) << QStringLiteral("chosen.bmp");
    const QSize largest = largestEmbedded();
    QTest::newRow("a large photograph is scaled down as JPEG")
        << encoded(photograph(largest.width() * 2, largest.height()), "bmp") << qint64(0) << QString() << QStringLiteral("jpeg")
        << QSize(largest.width(), largest.height() / 2) << QStringLiteral("chosen.bmp");
    // Enough of a teacher's photograph is kept for a board three times the design size.
    QTest::newRow("a 1200 x 800 photograph is kept whole")
        << encoded(photograph(1200, 800), "jpeg") << qint64(0) << QString() << QStringLiteral("jpeg") << QSize(1200, 800) << QStringLiteral("chosen.jpg");
    QTest::newRow("a 4000 x 3000 photograph keeps three pixels to a design pixel")
        << encoded(photograph(4000, 3000), "jpeg") << qint64(0) << QString() << QStringLiteral("jpeg") << QSize(1376, 1032) << QStringLiteral("chosen.jpeg");
    // Qt writes no GIF: the smallest there is, one transparent pixel.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;", 43);
    // Never read as another type than its name says.
    QTest::newRow("a JPEG named as a PNG") << encoded(photograph(40, 30), "jpeg") << qint64(0) << QStringLiteral("not a PNG picture")
                                           << QString() << QSize() << QStringLiteral("chosen.png");
    QTest::newRow("an SVG named as a PNG") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>")
                                           << qint64(0) << QStringLiteral("not a PNG picture") << QString() << QSize()
                                           << QStringLiteral("chosen.png");
    QTest::newRow("a BMP named as a GIF") << encoded(diagram(30, 20), "bmp") << qint64(0) << QStringLiteral("not a GIF picture")
                                          << QString() << QSize() << QStringLiteral("chosen.gif");
    QTest::newRow("no picture's name") << encoded(diagram(30, 20), "png") << qint64(0) << QStringLiteral("not a PNG, JPEG")
                                       << QString() << QSize() << QStringLiteral("chosen.svg");
    QTest::newRow("a GIF") << gif << qint64(0) << QString() << QStringLiteral("png") << QSize(1, 1) << QStringLiteral("chosen.gif");
}

void LabelEditorTest::picturesRefusedOrEmbedded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, fileSize);
    QFETCH(QString, problem);
    QFETCH(QString, type);
    QFETCH(QSize, size);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(write(path, bytes).isEmpty());
    if (fileSize)
        QVERIFY(QFile::resize(path, fileSize));
    const PictureChoice choice = readPictureFile(path);
    if (!problem.isEmpty()) {
        QVERIFY2(choice.problem.contains(problem), qPrintable(choice.problem));
        QVERIFY(choice.problem.contains(name));
        return;
    }
    QVERIFY2(choice.ok(), qPrintable(choice.problem));
    QCOMPARE(choice.picture.type, type);
    QCOMPARE(choice.picture.size, size);
    QCOMPARE(QImage::fromData(choice.picture.bytes, type.toLatin1()).size(), size);
}

void LabelEditorTest::savedActivityReadsBack()
{
    QTemporaryDir dir;
    LabelDraft draft;
    prepare(draft);
    draft.setTitle(QStringLiteral("  An atom: lithium  "));
    draft.rename(1, QStringLiteral("electron "));
    activity::EditedFile file({}, dir.filePath(QStringLiteral("mine")), LargestOwnFile);
    QVERIFY(saveOwnActivity(file, draft.finished()).isEmpty());
    QCOMPARE(QFileInfo(file.path()).fileName(), QStringLiteral("An atom lithium.tavlabel"));
    const OwnRead read = readOwnActivity(file.path());
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.activity.title, QStringLiteral("An atom: lithium"));
    QCOMPARE(read.activity.picture, draft.activity().picture);
    QCOMPARE(int(read.activity.labels.size()), 2);
    QCOMPARE(read.activity.labels[1].answer, QStringLiteral("electron"));
    QCOMPARE(read.activity.labels[1].target, draft.label(1).target);
    QCOMPARE(read.activity.labels[0].part, QPointF(200, 150));
    // A second activity of the same title never replaces the first.
    activity::EditedFile second({}, dir.filePath(QStringLiteral("mine")), LargestOwnFile);
    QVERIFY(saveOwnActivity(second, draft.finished()).isEmpty());
    QCOMPARE(QFileInfo(second.path()).fileName(), QStringLiteral("An atom lithium (2).tavlabel"));
}

// Every limit on a text counts, and cuts, characters as a person sees them:
// an emoji of several code points, or a letter outside the first plane of
// Unicode, is one, and never cut in half.
void LabelEditorTest::lengthsCountCharactersAsSeen()
{
    const QString scientist = QStringLiteral("\U0001F469\u200D\U0001F52C"); // one character, five code units
    const QString bold = QStringLiteral("\U0001D400");                      // a letter, two code units
    LabelDraft draft;
    prepare(draft);
    draft.setTitle(QString(LongestTitle - 1, QLatin1Char('a')) + scientist + QStringLiteral("bc"));
    QCOMPARE(draft.activity().title, QString(LongestTitle - 1, QLatin1Char('a')) + scientist);
    draft.rename(0, QString(LongestAnswer - 1, QLatin1Char('a')) + bold + QStringLiteral("c"));
    QVERIFY(draft.label(0).answer.endsWith(bold));
    // What the reader takes, it takes by the same count.
    QTemporaryDir dir;
    activity::EditedFile file({}, dir.path(), LargestOwnFile);
    QCOMPARE(saveOwnActivity(file, draft.finished()), QString());
    QVERIFY(readOwnActivity(file.path()).ok());
    // A file named after a title, at most 60 characters of it.
    const QString name = activity::freeFileName(dir.path(), QString(59, QLatin1Char('a')) + bold + QStringLiteral("cd"),
                                                OwnLabelExtension, {});
    QCOMPARE(name, QString(59, QLatin1Char('a')) + bold + QStringLiteral(".tavlabel"));
    // Typed or pasted into a field, the same.
    TestScreens t;
    openLabelEditor(*t, {}, dir.path());
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    editor.title.widget.insert(QString(LongestTitle - 1, QLatin1Char('x')) + scientist + scientist);
    QCOMPARE(editor.title.text(), QString(LongestTitle - 1, QLatin1Char('x')) + scientist);
    QVERIFY(editor.title.text().isValidUtf16());
}

// Boxes a pixel or two across on a picture replaced by a smaller one keep a
// size and stay on it; what the reader would refuse is never saved.
void LabelEditorTest::aSmallerPictureLeavesEveryBoxReadable()
{
    OwnActivity a;
    a.title = QStringLiteral("Tiny boxes");
    a.picture = encoded(diagram(100, 100), "png");
    a.pictureType = QStringLiteral("png");
    a.labels = {{QStringLiteral("coil"), QRectF(0, 5, 2, 1), QPointF(1, 5)},
                {QStringLiteral("core"), QRectF(98, 97, 2, 3), QPointF(100, 100)}};
    LabelDraft draft;
    QVERIFY(draft.reset(a));
    draft.setPicture(embedded(diagram(40, 40)));
    for (int k = 0; k < draft.count(); ++k) {
        const QRectF box = draft.label(k).target;
        QVERIFY2(box.width() >= 1 && box.height() >= 1 && QRectF(0, 0, 40, 40).contains(box), qPrintable(QString::number(k)));
    }
    QTemporaryDir dir;
    activity::EditedFile file({}, dir.path(), LargestOwnFile);
    QCOMPARE(saveOwnActivity(file, draft.finished()), QString());
    QVERIFY(readOwnActivity(file.path()).ok());

    a.labels[0].target = QRectF(0, 2, 1, 0);
    activity::EditedFile refused({}, dir.filePath(QStringLiteral("other")), LargestOwnFile);
    QVERIFY(saveOwnActivity(refused, a).contains(QStringLiteral("label 1's answer box has no size")));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("other"))));
}

void LabelEditorTest::fileChangedOnDiskIsNotOverwrittenUnasked()
{
    QTemporaryDir dir;
    LabelDraft made;
    prepare(made);
    const QString path = dir.filePath(QStringLiteral("atom.tavlabel"));
    QVERIFY(writeOwnActivity(path, made.finished()).isEmpty());
    TestScreens t;
    openLabelEditor(*t, path, dir.path());
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    QCOMPARE(editor.draft.count(), 2);
    editor.draft.rename(0, QStringLiteral("nucleus of the atom"));
    OwnActivity theirs = made.finished();
    theirs.title = QStringLiteral("Changed by a colleague");
    QVERIFY(writeOwnActivity(path, theirs).isEmpty());
    const QByteArray onDisk = ownActivityJson(theirs);

    editor.save();
    QVERIFY(editor.question.asking());
    QVERIFY(editor.question.text().contains(QStringLiteral("Save anyway?")));
    QCOMPARE(editor.question.answers(1).caption(), QStringLiteral("Save a copy"));
    editor.question.answer(1);
    QFile original(path);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), onDisk);
    QVERIFY(editor.file.path() != path);
    QCOMPARE(readOwnActivity(editor.file.path()).activity.labels[0].answer, QStringLiteral("nucleus of the atom"));
    QVERIFY(!editor.hasChanges());
}

void LabelEditorTest::readOnlyFileIsSavedAsACopy()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("school")));
    const QString school = dir.filePath(QStringLiteral("school")), mine = dir.filePath(QStringLiteral("mine"));
    LabelDraft made;
    prepare(made);
    const QString path = school + QStringLiteral("/atom.tavlabel");
    QVERIFY(writeOwnActivity(path, made.finished()).isEmpty());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(school, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    TestScreens t;
    openLabelEditor(*t, path, mine);
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    QCOMPARE(editor.commands(LabelEditor::Save).caption(), QStringLiteral("Save a copy"));
    editor.draft.setTitle(QStringLiteral("My atom"));
    editor.save();
    QFile::setPermissions(school, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!editor.question.asking());
    QCOMPARE(QFileInfo(editor.file.path()).absolutePath(), QDir(mine).absolutePath());
    QCOMPARE(readOwnActivity(editor.file.path()).activity.title, QStringLiteral("My atom"));
    QCOMPARE(readOwnActivity(path).activity.title, QStringLiteral("An atom"));
}

void LabelEditorTest::failedSaveKeepsTheWork()
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QVERIFY(write(notAFolder, "x").isEmpty());
    TestScreens t;
    openLabelEditor(*t, {}, notAFolder + QStringLiteral("/activities"));
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    editor.draft.setTitle(QStringLiteral("Typed and kept"));
    editor.save();
    QVERIFY(editor.hasChanges());
    QCOMPARE(editor.title.text(), QStringLiteral("Typed and kept"));
    QVERIFY(forms::Notice::on(editor));
    QVERIFY(forms::Notice::on(editor)->caption().contains(QStringLiteral("Not saved")));
}

void LabelEditorTest::droppedBoxOnAnotherSpringsBack()
{
    TestScreens t;
    openLabelEditor(*t, {}, QDir::tempPath());
    auto& editor = t.open<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    forms::Label& box = editor.board.boxes(1);
    const QPoint home = box.pos();
    QSignalSpy refused(&editor.draft, &LabelDraft::refused);
    pointer::drag(box, editor.board.boxes(0).geometry().center());
    QCOMPARE(refused.count(), 1);
    QCOMPARE(box.pos(), home);
    pointer::drag(box, home + QPoint(box.width() / 2 + 60, box.height() / 2));
    QVERIFY(std::abs(editor.draft.label(1).target.left() - (10 + 60 * 400.0 / editor.board.picture.width())) <= 1);
    QCOMPARE(editor.draft.label(1).target.top(), 200.0);
}

void LabelEditorTest::leavingWithChangesAsksFirst()
{
    TestScreens t;
    openLabelEditor(*t, {}, QDir::tempPath());
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    editor.title.widget.setFocus();
    QTest::keyClicks(&editor.title.widget, QStringLiteral("Motor"));
    QCOMPARE(editor.draft.activity().title, QStringLiteral("Motor"));
    editor.runCommand(LabelEditor::Exit);
    QVERIFY(editor.question.asking());
    editor.question.answer(2); // "Stay"
    QVERIFY(t->isLoaded(LabelEditorId));
    QTest::keyClick(&editor.title.widget, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor.draft.activity().title, QString());
    QCOMPARE(editor.title.text(), QString());
    QVERIFY(!editor.hasChanges());
    editor.runCommand(LabelEditor::Exit);
    QVERIFY(!editor.question.asking());
    QVERIFY(!t->isLoaded(LabelEditorId));
}

// A tap on the picture when ten labels are made says so, and what is typed
// next joins no label's answer.
void LabelEditorTest::eleventhClickJoinsNoLabel()
{
    TestScreens t;
    openLabelEditor(*t, {}, QDir::tempPath());
    auto& editor = t.open<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    for (int k = 2; k < MostOwnLabels; ++k)
        QVERIFY(editor.draft.addPart({30.0 + 37 * k, 40.0 + 23 * k}));
    editor.draft.rename(9, QStringLiteral("proton"));
    QCOMPARE(editor.board.chosen(), 9);
    // A point of the picture that no box or ring covers.
    QPoint free(-1, -1);
    for (int y = 2; y < editor.board.picture.height() && free.x() < 0; y += 6)
        for (int x = 2; x < editor.board.picture.width() && free.x() < 0; x += 6)
            if (editor.childAt(editor.board.picture.mapTo(&editor, QPoint(x, y))) == &editor.board.picture)
                free = {x, y};
    QVERIFY(free.x() >= 0);
    QTest::mouseClick(&editor.board.picture, Qt::LeftButton, Qt::NoModifier, free);
    QCOMPARE(editor.draft.count(), MostOwnLabels);
    QVERIFY(forms::Notice::on(editor));
    QVERIFY(forms::Notice::on(editor)->caption().contains(QStringLiteral("at most 10 labels")));
    QCOMPARE(editor.board.chosen(), -1);
    QVERIFY(!editor.answer.widget.isEnabled());
    QTest::keyClicks(&editor.answer.widget, QStringLiteral("neutron"));
    QCOMPARE(editor.draft.label(9).answer, QStringLiteral("proton"));
}

// A tap on a box chooses it and adds no part, even where the box lies over
// another label's part; what is then typed on the box or a ring joins the
// chosen label's answer.
void LabelEditorTest::aTapOnABoxChoosesItAndTypingJoinsItsAnswer()
{
    TestScreens t;
    openLabelEditor(*t, {}, QDir::tempPath());
    auto& editor = t.open<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    QVERIFY(editor.draft.movePart(0, editor.draft.label(1).target.center()));
    pointer::click(editor.board.boxes(1));
    QCOMPARE(editor.draft.count(), 2);
    QCOMPARE(editor.board.chosen(), 1);
    QVERIFY2(editor.hint.caption().contains(QStringLiteral("Label 2 is chosen")), qPrintable(editor.hint.caption()));
    QTest::keyClicks(&editor.board.boxes(1), QStringLiteral("s"));
    QCOMPARE(editor.draft.label(1).answer, QStringLiteral("electrons"));
    QTest::keyClick(&editor.answer.widget, Qt::Key_Backspace);
    QCOMPARE(editor.draft.label(1).answer, QStringLiteral("electron"));
    QTest::keyClicks(&editor.board.parts(0), QStringLiteral(" core"));
    QCOMPARE(editor.draft.label(0).answer, QStringLiteral("nucleus core"));
    QCOMPARE(editor.draft.count(), 2);
}

// On a picture of ten playing twips a pixel, a label meant for box 1 and
// dropped DropSlip beyond its edge must land in it, not in box 2.
void LabelEditorTest::crowdedBoxesAreFoundByTheBoardsRule_data()
{
    QTest::addColumn<QRectF>("second");
    QTest::addColumn<bool>("crowded");
    QTest::newRow("side by side, 60 twips apart") << QRectF(334, 100, 228, 38) << true;
    QTest::newRow("side by side, 600 twips apart") << QRectF(388, 100, 228, 38) << false;
    QTest::newRow("one above the other, 150 twips apart") << QRectF(100, 153, 228, 38) << true;
    QTest::newRow("one above the other, 300 twips apart") << QRectF(100, 168, 228, 38) << false;
    QTest::newRow("corner to corner, 60 twips apart") << QRectF(334, 144, 228, 38) << true;
}

void LabelEditorTest::crowdedBoxesAreFoundByTheBoardsRule()
{
    QFETCH(QRectF, second);
    QFETCH(bool, crowded);
    const QSize picture(1152, 516);
    QCOMPARE(playTwipsPerPixel(picture), 10.0);
    OwnActivity a;
    a.labels = {{QStringLiteral("anode"), QRectF(100, 100, 228, 38), QPointF(50, 50)}, {QStringLiteral("cathode"), second, QPointF(600, 400)}};
    using Pairs = std::vector<std::pair<int, int>>;
    QVERIFY(crowdedBoxes(a, picture) == (crowded ? Pairs{{0, 1}} : Pairs{}));
    QCOMPARE(doubts(a, picture).join(QString()).contains(QStringLiteral("boxes 1 and 2 stand so close")), crowded);
}

void LabelEditorTest::savingAsksAboutWhatToLookAt_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<QString>("asked"); // a part of the question, or empty when none is asked
    QTest::newRow("nothing to look at") << Step([](LabelDraft& d) { return d.rename(1, QStringLiteral("electrons")); }) << QString();
    QTest::newRow("two answers alike") << Step([](LabelDraft& d) { return d.rename(1, QStringLiteral(" Nucleus")); })
                                       << QStringLiteral("answers 1 and 2 are the same");
    QTest::newRow("boxes too close") << Step([](LabelDraft& d) { return d.moveBox(1, {10, 32}); })
                                     << QStringLiteral("boxes 1 and 2 stand so close");
    QTest::newRow("an answer its box cannot hold")
        << Step([](LabelDraft& d) { return d.moveBox(1, {112, 10}) && d.rename(0, QStringLiteral("electromagnetically")); })
        << QStringLiteral("answer 1 is too long for its box");
    QTest::newRow("a wrong answer reading as a right one")
        << Step([](LabelDraft& d) {
               d.setText(LabelDraft::Text::Distractor, 0, QStringLiteral("Electron"));
               return true;
           })
        << QStringLiteral("wrong answer 1 reads as answer 2");
}

// Allowed, but never saved unasked: the teacher may go back, or save as it is.
void LabelEditorTest::savingAsksAboutWhatToLookAt()
{
    QFETCH(Step, step);
    QFETCH(QString, asked);
    QTemporaryDir dir;
    TestScreens t;
    openLabelEditor(*t, {}, dir.path());
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    QVERIFY(step(editor.draft));
    editor.save();
    if (!asked.isEmpty()) {
        QVERIFY(editor.question.asking());
        QVERIFY2(editor.question.text().contains(asked), qPrintable(editor.question.text()));
        QVERIFY2(editor.hint.caption().contains(asked), qPrintable(editor.hint.caption()));
        editor.question.answer(1); // "Go back"
        QVERIFY(editor.hasChanges());
        QVERIFY(QDir(dir.path()).isEmpty());
        editor.save();
        editor.question.answer(0); // "Save as it is"
    }
    QVERIFY(!editor.question.asking());
    QVERIFY(!editor.hasChanges());
    const OwnRead read = readOwnActivity(editor.file.path());
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(ownActivityJson(read.activity), ownActivityJson(editor.draft.finished()));
}

// The count is of characters as seen; near the limit the hint says how many
// are left, and at it that no more is taken.
void LabelEditorTest::theAnswerCountWarnsBeforeTheLimit()
{
    TestScreens t;
    openLabelEditor(*t, {}, QDir::tempPath());
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    editor.board.choose(0);
    QCOMPARE(editor.answerCount.caption(), QStringLiteral("7/60"));
    QTest::keyClicks(&editor.answer.widget, QString(LongestAnswer - 7 - 6, QLatin1Char('x')));
    QCOMPARE(editor.answerCount.caption(), QStringLiteral("54/60"));
    QVERIFY2(editor.hint.caption().contains(QStringLiteral("room for 6 more characters")), qPrintable(editor.hint.caption()));
    QTest::sendKeyEvent(QTest::Click, &editor.answer.widget, Qt::Key_unknown, QStringLiteral("\U0001F469\u200D\U0001F52C"), Qt::NoModifier);
    QCOMPARE(editor.answerCount.caption(), QStringLiteral("55/60"));
    QTest::keyClicks(&editor.answer.widget, QStringLiteral("abcdefgh"));
    QCOMPARE(activity::characterCount(editor.draft.label(0).answer), LongestAnswer);
    QCOMPARE(editor.answerCount.caption(), QStringLiteral("60/60"));
    QVERIFY2(editor.hint.caption().contains(QStringLiteral("the most characters an answer may have")), qPrintable(editor.hint.caption()));
}

void LabelEditorTest::aNewPictureAsksWhetherToKeepTheLabels_data()
{
    QTest::addColumn<int>("choice"); // of "Keep the labels", "Start with no labels", "Cancel"
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("labels");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QString>("said"); // a part of the notice after, or empty for none
    QTest::newRow("kept") << 0 << QSize(800, 600) << 2 << QSize(800, 600) << QString();
    QTest::newRow("started again") << 1 << QSize(800, 600) << 0 << QSize(800, 600) << QString();
    QTest::newRow("cancelled") << 2 << QSize(800, 600) << 2 << QSize(400, 300) << QString();
    // Shown a sixth as wide, so that no answer fits its box any more.
    QTest::newRow("kept on a tall, narrow picture") << 0 << QSize(60, 900) << 2 << QSize(60, 900)
                                                    << QStringLiteral("boxes of answers 1 and 2 are too small");
}

void LabelEditorTest::aNewPictureAsksWhetherToKeepTheLabels()
{
    QFETCH(int, choice);
    QFETCH(QSize, picture);
    QFETCH(int, labels);
    QFETCH(QSize, shown);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.png"));
    QVERIFY(write(path, encoded(diagram(picture.width(), picture.height()), "png")).isEmpty());
    TestScreens t;
    openLabelEditor(*t, {}, dir.path());
    auto& editor = t->get<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    QVERIFY(editor.usePicture(path));
    QVERIFY(editor.question.text().contains(QStringLiteral("Keep the 2 labels")));
    editor.question.answer(choice);
    QCOMPARE(editor.draft.count(), labels);
    QCOMPARE(editor.draft.pictureSize(), shown);
    const forms::Notice* notice = forms::Notice::on(editor);
    QCOMPARE(notice && notice->caption().contains(QStringLiteral("labels were kept")), !said.isEmpty());
    if (!said.isEmpty()) {
        QVERIFY2(notice->caption().contains(said), qPrintable(notice->caption()));
        // What is saved reads back, boxes and all.
        editor.save();
        editor.question.answer(0);
        QVERIFY2(readOwnActivity(editor.file.path()).ok(), qPrintable(readOwnActivity(editor.file.path()).problem));
    }
    if (choice < 2) { // one step, taken back whole
        editor.runCommand(LabelEditor::Undo);
        QCOMPARE(editor.draft.count(), 2);
        QCOMPARE(editor.draft.pictureSize(), QSize(400, 300));
    }
}

// Reached by a command, over the picture; each field optional, saved, and
// undone as every other step.
void LabelEditorTest::extrasAreTypedSavedAndUndone()
{
    QTemporaryDir dir;
    TestScreens t;
    openLabelEditor(*t, {}, dir.path());
    auto& editor = t.open<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    editor.runCommand(LabelEditor::Extras);
    QVERIFY(editor.extras.isVisible());
    QVERIFY(!editor.board.picture.isVisible() && !editor.board.boxes(0).isVisible());
    QVERIFY(editor.extras.pointsTo[1]->isVisible() && !editor.extras.pointsTo[2]->isVisible()); // a row a label
    QCOMPARE(editor.extras.pointsToCaptions(1).caption(), QStringLiteral("2: electron"));
    QTest::keyClicks(&editor.extras.description.widget, QStringLiteral("An atom of lithium"));
    QTest::keyClicks(&editor.extras.distractors[1]->widget, QStringLiteral("photon"));
    QTest::keyClicks(&editor.extras.pointsTo[1]->widget, QStringLiteral("the small dot"));
    pointer::click(editor.extras.done);
    QVERIFY(!editor.extras.isVisible());
    QVERIFY(editor.board.picture.isVisible() && editor.board.boxes(1).isVisible());
    editor.save();
    QVERIFY(!editor.question.asking());
    const OwnRead read = readOwnActivity(editor.file.path());
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.activity.description, QStringLiteral("An atom of lithium"));
    QCOMPARE(QStringList(read.activity.distractors.begin(), read.activity.distractors.end()), QStringList{QStringLiteral("photon")});
    QCOMPARE(read.activity.labels[1].pointsTo, QStringLiteral("the small dot"));
    editor.runCommand(LabelEditor::Undo);
    QCOMPARE(editor.draft.label(1).pointsTo, QString());
    editor.runCommand(LabelEditor::Extras);
    QCOMPARE(editor.extras.pointsTo[1]->text(), QString());
    QCOMPARE(editor.extras.distractors[1]->text(), QStringLiteral("photon"));
}

void LabelEditorTest::noticesLeaveTheHintAndFieldsClear_data()
{
    QTest::addColumn<QPointF>("chosenBox"); // where the chosen label's box stands on the 400 x 300 picture
    QTest::newRow("chosen box at the top") << QPointF(150, 5);
    QTest::newRow("chosen box at the foot") << QPointF(150, 280);
}

void LabelEditorTest::noticesLeaveTheHintAndFieldsClear()
{
    QFETCH(QPointF, chosenBox);
    TestScreens t;
    openLabelEditor(*t, {}, QDir::tempPath());
    auto& editor = t.open<LabelEditor>(LabelEditorId);
    prepare(editor.draft);
    QVERIFY(editor.draft.moveBox(0, chosenBox));
    editor.board.choose(0);
    editor.draft.setTitle({});
    editor.save(); // says "Not saved yet"
    const forms::Notice* notice = forms::Notice::on(editor);
    QVERIFY(notice);
    // Over the picture, between the texts typed above it and the answer beneath it.
    QVERIFY(notice->geometry().top() > editor.instruction.geometry().bottom());
    QVERIFY(notice->geometry().bottom() < editor.answer.geometry().top());
    std::vector<QWidget*> clear{&editor.hint, &editor.answer, &editor.answerCaption, &editor.answerCount, &editor.board.boxes(0)};
    for (int k = 0; k <= LabelEditor::Exit; ++k)
        clear.push_back(&editor.commands(k));
    for (const QWidget* w : clear)
        QVERIFY2(!notice->geometry().intersects(w->geometry()), qPrintable(w->objectName()));
}

QTEST_MAIN(LabelEditorTest)
#include "test_labeleditor.moc"
