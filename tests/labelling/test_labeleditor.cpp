// Making a labelling activity: every editing step and its undo and redo, the
// rules a draft keeps, the pictures refused, and saving: a round trip, a file
// changed meanwhile on disk, a file that may not be changed in place.
#include "labelling/editor/draft.h"
#include "activity/editedfile.h"
#include "activity/teacherwrite.h"
#include "labelling/editor/editorscreen.h"
#include "labelling/editor/labeleditor.h"
#include "labelling/editor/picturefile.h"
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
}

void LabelEditorTest::picturesRefusedOrEmbedded_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("fileSize"); // a sparse file this large instead, when not 0
    QTest::addColumn<QString>("problem"); // a part of the message, or empty when embedded
    QTest::addColumn<QString>("type");
    QTest::addColumn<QSize>("size");
    QTest::newRow("over 20 MB") << QByteArray() << LargestPictureFile + 1 << QStringLiteral("too large") << QString() << QSize();
    QTest::newRow("claims 9000 x 9000") << claimedPng(9000, 9000) << qint64(0) << QStringLiteral("9000 x 9000") << QString() << QSize();
    QTest::newRow("claims 8001 wide") << claimedPng(8001, 10) << qint64(0) << QStringLiteral("8001 x 10") << QString() << QSize();
    QTest::newRow("not a picture") << QByteArray("{\"format\": 1}") << qint64(0) << QStringLiteral("not a PNG") << QString() << QSize();
    QTest::newRow("damaged") << encoded(diagram(200, 100), "png").left(60) << qint64(0) << QStringLiteral("damaged") << QString() << QSize();
    QTest::newRow("a diagram stays PNG") << encoded(diagram(300, 200), "bmp") << qint64(0) << QString() << QStringLiteral("png") << QSize(300, 200);
    const QSize largest = largestEmbedded();
    QTest::newRow("a large photograph is scaled down as JPEG")
        << encoded(photograph(largest.width() * 2, largest.height()), "bmp") << qint64(0) << QString() << QStringLiteral("jpeg")
        << QSize(largest.width(), largest.height() / 2);
    // Enough of a teacher's photograph is kept for a board three times the design size.
    QTest::newRow("a 1200 x 800 photograph is kept whole")
        << encoded(photograph(1200, 800), "jpeg") << qint64(0) << QString() << QStringLiteral("jpeg") << QSize(1200, 800);
    QTest::newRow("a 4000 x 3000 photograph keeps three pixels to a design pixel")
        << encoded(photograph(4000, 3000), "jpeg") << qint64(0) << QString() << QStringLiteral("jpeg") << QSize(1376, 1032);
    // Qt writes no GIF: the smallest there is, one transparent pixel.
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00"
                         ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;", 43);
    QTest::newRow("a GIF") << gif << qint64(0) << QString() << QStringLiteral("png") << QSize(1, 1);
}

void LabelEditorTest::picturesRefusedOrEmbedded()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, fileSize);
    QFETCH(QString, problem);
    QFETCH(QString, type);
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chosen.png"));
    QVERIFY(write(path, bytes).isEmpty());
    if (fileSize)
        QVERIFY(QFile::resize(path, fileSize));
    const PictureChoice choice = readPictureFile(path);
    if (!problem.isEmpty()) {
        QVERIFY2(choice.problem.contains(problem), qPrintable(choice.problem));
        QVERIFY(choice.problem.contains(QStringLiteral("chosen.png")));
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

QTEST_MAIN(LabelEditorTest)
#include "test_labeleditor.moc"
