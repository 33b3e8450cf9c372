// Every reader of a teacher's file fed a stream of mutations of good files:
// bytes flipped, cut, repeated and spliced, JSON values swapped for others of
// another kind, pictures damaged inside their base64. Each input must be read
// or refused within a second, without a crash or (under the sanitizers) a
// memory fault; what is accepted must keep the rules the README states; and
// what is written again must keep what it should. The run is the same every
// time: a seed and a count, within a time budget, so that the suite stays
// quick and never flaky. TAVRENEL_FUZZ_SEED and TAVRENEL_FUZZ_SECONDS (for
// each reader) run it otherwise; a failure names its seed and input number.
#include "activity/editedfile.h"
#include "activity/ownindex.h"
#include "activity/textlength.h"
#include "labelling/ownfile.h"
#include "labelling/picturedata.h"
#include "statements/editor/draftfiles.h"
#include "statements/ownquiz.h"
#include "statements/statementset.h"

#include <QBuffer>
#include <QScopeGuard>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <cstdio>
#include <random>

namespace {

using Check = std::function<QString(const QByteArray&)>; // empty when the input was handled soundly

QByteArray picture(const char* format)
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(x * 6, y * 8, (x + y) * 3));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, format);
    return bytes;
}

QByteArray json(const QJsonObject& o) { return QJsonDocument(o).toJson(QJsonDocument::Compact); }

QList<QByteArray> labelCorpus()
{
    QList<QByteArray> corpus;
    for (const char* format : {"png", "jpeg"}) {
        const QJsonArray labels{QJsonObject{{"answer", "coil"}, {"target", QJsonArray{2, 2, 12, 6}}, {"part", QJsonArray{20, 15}}},
                                QJsonObject{{"answer", "magnet"}, {"target", QJsonArray{20, 20, 15, 8}}, {"part", QJsonArray{5, 25}},
                                            {"hint", "it attracts iron"}}};
        corpus << json({{"format", 1}, {"kind", "labelling"}, {"title", "A simple motor \u26A1"}, {"instruction", "Label it."},
                        {"picture", QJsonObject{{"type", format}, {"data", QString::fromLatin1(picture(format).toBase64())}}},
                        {"labels", labels}, {"author", "Ms Okafor"}});
    }
    return corpus;
}

QList<QByteArray> quizCorpus()
{
    const QJsonArray statements{QJsonObject{{"text", "Friction acts against motion."}, {"answer", "True"}, {"reason", "it opposes it"}},
                                QJsonObject{{"text", "Mass is a force."}, {"answer", "false"}, {"picture", "m.png"}},
                                QJsonObject{{"text", 42}, {"answer", "True"}}, "A bare string.",
                                QJsonObject{{"text", "Mass is a force."}, {"answer", "False"}}};
    return {json({{"format", 1}, {"kind", "statements"}, {"title", "Forces"}, {"instruction", "True or false?"},
                  {"choices", QJsonArray{"True", "False"}}, {"statements", statements}, {"colour", "green"}}),
            json({{"format", 1}, {"kind", "statements"}, {"title", "Heat"}, {"choices", QJsonArray{"Conduction", "Convection", "Radiation"}},
                  {"statements", QJsonArray{QJsonObject{{"text", "Warm air rises."}, {"answer", "Convection"}}}}})};
}

QList<QByteArray> setCorpus()
{
    return {"# notes first\nTrue | Metals are good conductors. | free electrons carry energy.\n"
            "False | Conduction can happen through a vacuum. | it needs particles.\nMaybe | Wood floats. |\nno bars here\n"
            "True | Metals are good conductors. | again\n# a last note\n"};
}

QList<QByteArray> indexCorpus()
{
    const QJsonArray files{QJsonObject{{"path", "/a/motor.tavlabel"}, {"size", 120}, {"modified", 1000}, {"title", "Motor"}, {"problem", ""}},
                           QJsonObject{{"path", "/a/bad.tavquiz"}, {"size", 3}, {"modified", 2000}, {"title", ""},
                                       {"problem", "cannot be opened: bad.tavquiz is empty"}}};
    return {json({{"format", 1}, {"reader", "fuzz"}, {"files", files}})};
}

// A JSON value of some kind, chosen at random: the swaps that reach past the parser.
QJsonValue anyValue(std::mt19937& random)
{
    switch (random() % 9) {
    case 0: return QJsonValue::Null;
    case 1: return bool(random() % 2);
    case 2: return double(int(random() % 20000) - 10000);
    case 3: return 1e300;
    case 4: return QString(int(random() % 300), QChar(u'\u00e9'));
    case 5: return QStringLiteral("\U0001F469\u200D\U0001F52C");
    case 6: return QJsonArray{0, 0, 1, 1};
    case 7: return QJsonObject{{"type", "png"}, {"data", "@@"}};
    default: return QString();
    }
}

// One value somewhere inside `value` replaced, removed or added.
void mutateValue(QJsonValue& value, std::mt19937& random, int depth = 0)
{
    if (value.isObject() && depth < 4) {
        QJsonObject object = value.toObject();
        const QStringList keys = object.keys();
        if (keys.isEmpty() || random() % 6 == 0)
            object.insert(QStringLiteral("k%1").arg(random() % 4), anyValue(random));
        else if (random() % 5 == 0)
            object.remove(keys[int(random() % keys.size())]);
        else {
            const QString key = keys[int(random() % keys.size())];
            QJsonValue inner = object.value(key);
            mutateValue(inner, random, depth + 1);
            object.insert(key, inner);
        }
        value = object;
    } else if (value.isArray() && depth < 4 && !value.toArray().isEmpty()) {
        QJsonArray array = value.toArray();
        const qsizetype k = qsizetype(random() % array.size());
        if (random() % 5 == 0)
            array.removeAt(k);
        else if (random() % 5 == 0)
            array.append(array[k]);
        else {
            QJsonValue inner = array[k];
            mutateValue(inner, random, depth + 1);
            array[k] = inner;
        }
        value = array;
    } else {
        value = anyValue(random);
    }
}

const QList<QByteArray> Tokens{"{", "}", "[", "]", ",", ":", "\"", "null", "true", "-0", "1e999", "\\u0000", "\\ud800", "|",
                               "\n", "\r\n", "\xff", "\xc3", "# ", "    ", "\"data\"", "\"labels\"", "\"statements\""};

// `input` changed in one of several ways; `corpus` lends pieces to splice in.
QByteArray mutate(QByteArray input, const QList<QByteArray>& corpus, std::mt19937& random)
{
    const auto at = [&](qsizetype size) { return size > 0 ? qsizetype(random() % size) : 0; };
    const int changes = 1 + int(random() % 4);
    for (int c = 0; c < changes; ++c) {
        switch (random() % 9) {
        case 0: // a bit flipped
            if (!input.isEmpty())
                input[at(input.size())] ^= char(1 << (random() % 8));
            break;
        case 1: // a byte replaced
            if (!input.isEmpty())
                input[at(input.size())] = char(random());
            break;
        case 2: // a run cut out
            if (!input.isEmpty()) {
                const qsizetype from = at(input.size());
                input.remove(from, qsizetype(random() % std::min<qsizetype>(64, input.size() - from + 1)));
            }
            break;
        case 3: { // a run repeated
            const qsizetype from = at(input.size()), length = std::min<qsizetype>(qsizetype(random() % 40), input.size() - from);
            input.insert(at(input.size()), input.mid(from, length));
            break;
        }
        case 4: // a token put in
            input.insert(at(input.size() + 1), Tokens[at(Tokens.size())]);
            break;
        case 5: { // spliced with another good file
            const QByteArray& other = corpus[at(corpus.size())];
            input = input.left(at(input.size() + 1)) + other.mid(at(other.size()));
            break;
        }
        case 6: { // a value of another kind, where JSON still parses
            QJsonParseError error;
            const QJsonDocument document = QJsonDocument::fromJson(input, &error);
            if (error.error == QJsonParseError::NoError && document.isObject()) {
                QJsonValue top = document.object();
                mutateValue(top, random);
                input = json(top.toObject());
            }
            break;
        }
        case 7: { // the picture inside damaged, its base64 still sound
            QJsonObject top = QJsonDocument::fromJson(input).object();
            QJsonObject picture = top.value("picture").toObject();
            QByteArray bytes = QByteArray::fromBase64(picture.value("data").toString().toLatin1());
            if (!bytes.isEmpty()) {
                for (int k = 0; k < 1 + int(random() % 8); ++k)
                    bytes[at(bytes.size())] = char(random());
                if (random() % 4 == 0)
                    bytes.truncate(at(bytes.size()));
                picture.insert("data", QString::fromLatin1(bytes.toBase64()));
                top.insert("picture", picture);
                input = json(top);
            }
            break;
        }
        default: // cut short
            input.truncate(at(input.size() + 1));
            break;
        }
    }
    return input;
}

QString rulesOfAnActivity(const labelling::OwnActivity& a)
{
    using namespace labelling;
    const int title = activity::characterCount(a.title);
    if (title < 1 || title > LongestTitle || a.title != a.title.trimmed())
        return QStringLiteral("a title of %1 characters").arg(title);
    if (activity::characterCount(a.instruction) > LongestInstruction)
        return QStringLiteral("an instruction too long");
    if (a.labels.size() < std::size_t(FewestOwnLabels) || a.labels.size() > std::size_t(MostOwnLabels))
        return QStringLiteral("%1 labels").arg(a.labels.size());
    if (a.pictureType != "png" && a.pictureType != "jpeg")
        return QStringLiteral("a picture of type %1").arg(a.pictureType);
    const picture::Decoded decoded = picture::decode(a.picture, a.pictureType, picture::Decode::Check);
    if (!decoded.ok() || decoded.size.width() > picture::LargestSide || decoded.size.height() > picture::LargestSide)
        return QStringLiteral("a picture that cannot be shown");
    const QRectF whole(QPointF(0, 0), QSizeF(decoded.size));
    for (const OwnLabel& l : a.labels)
        if (l.answer.trimmed().isEmpty() || activity::characterCount(l.answer) > LongestAnswer || !(l.target.width() > 0)
            || !(l.target.height() > 0) || !whole.contains(l.target) || !whole.contains(l.part))
            return QStringLiteral("a label breaking the rules (%1)").arg(l.answer);
    return {};
}

QString checkActivity(const QByteArray& bytes)
{
    const labelling::OwnRead read = labelling::parseOwnActivity(bytes, "fuzz.tavlabel");
    if (!read.ok())
        return read.problem.startsWith("fuzz.tavlabel") ? QString() : QStringLiteral("a refusal naming no file: ") + read.problem;
    if (const QString broken = rulesOfAnActivity(read.activity); !broken.isEmpty())
        return QStringLiteral("accepted %1").arg(broken);
    // Written again, it reads the same and keeps every field this version does not know.
    const QByteArray again = labelling::ownActivityJson(read.activity);
    const labelling::OwnRead reread = labelling::parseOwnActivity(again, "fuzz.tavlabel");
    if (!reread.ok() || labelling::ownActivityJson(reread.activity) != again)
        return QStringLiteral("not read the same once written again: ") + reread.problem;
    QJsonObject before = QJsonDocument::fromJson(bytes).object(), after = QJsonDocument::fromJson(again).object();
    for (const char* known : {"format", "kind", "title", "instruction", "labels", "picture"})
        before.remove(known), after.remove(known);
    return before == after ? QString() : QStringLiteral("a field it does not know lost on writing");
}

QString checkQuiz(const QByteArray& bytes, QTemporaryDir& folder, int number)
{
    using namespace statements;
    const QuizRead read = parseOwnQuiz(bytes, "fuzz.tavquiz");
    if (!read.ok())
        return read.problem.startsWith("fuzz.tavquiz") ? QString() : QStringLiteral("a refusal naming no file: ") + read.problem;
    if (!choicesProblem(read.quiz.choices).isEmpty())
        return QStringLiteral("accepted choices that break the rules");
    const StatementSet played = playableSet(read, "fuzz.tavquiz", read.quiz.choices);
    QSet<QString> seen;
    for (const Statement& s : played.statements) {
        if (s.text.isEmpty() || s.answer < 0 || s.answer >= read.quiz.choices.size() || seen.contains(s.text.toLower()))
            return QStringLiteral("played a statement that breaks the rules: ") + s.text;
        seen.insert(s.text.toLower());
    }
    if (played.statements.size() > std::size_t(MostStatements))
        return QStringLiteral("played more than the most statements");
    const QJsonArray statements = QJsonDocument::fromJson(bytes).object().value("statements").toArray();
    // Through the editor, as a teacher changing nothing but the title saves it: what could not be used goes back as written.
    if (number % 8 == 0) {
        const QString path = folder.filePath("fuzz.tavquiz");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QStringLiteral("the test could not write its file");
        file.close();
        activity::EditedFile edited(path, folder.path(), LargestQuizFile);
        DraftSource source = readQuizDraft(edited);
        source.draft.title += QStringLiteral(" (edited)");
        const QJsonArray saved = QJsonDocument::fromJson(quizBytes(source.draft)).object().value("statements").toArray();
        if (saved.size() != statements.size())
            return QStringLiteral("statements lost through the editor");
        for (const Skipped& skipped : read.skipped)
            if (saved[skipped.line - 1] != statements[skipped.line - 1])
                return QStringLiteral("statement %1, which could not be used, changed through the editor").arg(skipped.line);
    }
    return {};
}

QString checkSet(const QByteArray& bytes)
{
    using namespace statements;
    const QStringList choices{"True", "False"};
    const QString text = QString::fromUtf8(bytes);
    const StatementSet set = parseStatements(text, "fuzz.txt", choices);
    QSet<QString> seen;
    for (const Statement& s : set.statements) {
        if (s.text.isEmpty() || s.answer < 0 || s.answer > 1 || seen.contains(s.text.toLower()))
            return QStringLiteral("played a line that breaks the rules: ") + s.text;
        seen.insert(s.text.toLower());
    }
    if (set.statements.size() > std::size_t(MostStatements))
        return QStringLiteral("played more than the most statements");
    // Written again by the editor, every line that could not be used is kept as it was, and a second writing changes nothing.
    const Draft draft = setDraft(text, choices);
    const QString written = setText(draft);
    for (const DraftRow& row : draft.rows)
        if (!row.asRead.isEmpty() && !written.contains(row.asRead))
            return QStringLiteral("a line that could not be used lost on writing: ") + row.asRead;
    if (setText(setDraft(written, choices)) != written)
        return QStringLiteral("written twice, the set changed");
    return {};
}

QString checkIndex(const QByteArray& bytes, QTemporaryDir& folder)
{
    const QString path = folder.filePath("index.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("the test could not write its file");
    file.close();
    activity::SummaryIndex index(path, "fuzz");
    activity::OwnKind kind;
    kind.summarise = [](const QString&) { return activity::OwnSummary{QStringLiteral("Read afresh"), {}}; };
    for (const QString& listed : {QStringLiteral("/a/motor.tavlabel"), QStringLiteral("/a/bad.tavquiz")}) {
        const activity::FoundFile found{listed, activity::Origin::Yours, false, &kind, 120, QDateTime::fromMSecsSinceEpoch(1000)};
        const activity::OwnSummary summary = index.summary(found);
        if (summary.title.isEmpty() == summary.problem.isEmpty())
            return QStringLiteral("a remembered file with both a title and a problem, or neither");
    }
    return {};
}

} // namespace

class FuzzTest : public QObject {
    Q_OBJECT
private slots:
    void readers_data()
    {
        QTest::addColumn<QString>("reader");
        for (const char* reader : {"labelling activity", "quiz", "statement set", "activities index"})
            QTest::newRow(reader) << QString(reader);
    }

    void readers()
    {
        QFETCH(QString, reader);
        QTemporaryDir folder;
        QList<QByteArray> corpus;
        Check check;
        int number = 0;
        if (reader == "labelling activity") {
            corpus = labelCorpus();
            check = checkActivity;
        } else if (reader == "quiz") {
            corpus = quizCorpus();
            check = [&](const QByteArray& b) { return checkQuiz(b, folder, number); };
        } else if (reader == "statement set") {
            corpus = setCorpus();
            check = checkSet;
        } else {
            corpus = indexCorpus();
            check = [&](const QByteArray& b) { return checkIndex(b, folder); };
        }
        const quint32 seed = qEnvironmentVariableIsSet("TAVRENEL_FUZZ_SEED") ? quint32(qEnvironmentVariableIntValue("TAVRENEL_FUZZ_SEED")) : 34;
        const int seconds = qEnvironmentVariableIsSet("TAVRENEL_FUZZ_SECONDS") ? qEnvironmentVariableIntValue("TAVRENEL_FUZZ_SECONDS") : 4;
        const int most = qEnvironmentVariableIsSet("TAVRENEL_FUZZ_SECONDS") ? std::numeric_limits<int>::max() : 3000;
        std::mt19937 random(seed + quint32(qHash(reader)));
        for (const QByteArray& good : corpus) // the good files themselves pass
            QVERIFY2(check(good).isEmpty(), qPrintable(check(good)));
        // What the picture decoders say of each damaged picture is no news here.
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type != QtWarningMsg && type != QtDebugMsg)
                std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        QElapsedTimer budget;
        budget.start();
        for (number = 0; number < most && budget.elapsed() < seconds * 1000; ++number) {
            const QByteArray input = mutate(corpus[int(random() % corpus.size())], corpus, random);
            QElapsedTimer clock;
            clock.start();
            QString fault = check(input);
            // A read over a second is timed once more, so that a machine busy for a moment fails nothing.
            if (fault.isEmpty() && clock.elapsed() > 1000) {
                clock.restart();
                (void)check(input);
                if (clock.elapsed() > 1000)
                    fault = QStringLiteral("took %1 ms").arg(clock.elapsed());
            }
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, input %2: %3\n%4")
                                     .arg(seed).arg(number).arg(fault, QString::fromLatin1(input.left(2000).toBase64()))));
        }
        qInfo("%s: %d inputs in %lld ms (seed %u)", qPrintable(reader), number, budget.elapsed(), seed);
    }
};

QTEST_GUILESS_MAIN(FuzzTest)
#include "test_fuzz.moc"
