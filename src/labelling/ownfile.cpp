#include "labelling/ownfile.h"
#include "labelling/picturedata.h"
#include "activity/editedfile.h"
#include "activity/teacherfile.h"
#include "activity/teacherwrite.h"
#include "activity/textlength.h"

#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>
#include <optional>

namespace labelling {

namespace {

// Thrown inside the parser only: the first thing wrong, in a teacher's words.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason) { throw Refusal{reason}; }

// The text under `key`; `what` names it for a teacher ("its title", "label 2's answer").
QString text(const QJsonObject& object, const QString& key, const QString& what, int longest, bool required)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() && !required)
        return {};
    if (value.isUndefined())
        refuse(QStringLiteral("%1 is missing").arg(what));
    if (!value.isString())
        refuse(QStringLiteral("%1 is not text").arg(what));
    const QString s = value.toString().trimmed();
    if (required && s.isEmpty())
        refuse(QStringLiteral("%1 is empty").arg(what));
    if (activity::characterCount(s) > longest)
        refuse(QStringLiteral("%1 is longer than %2 characters").arg(what).arg(longest));
    return s;
}

// `count` finite numbers, or a refusal naming `what`.
std::vector<double> numbers(const QJsonValue& value, qsizetype count, const QString& what)
{
    const QJsonArray array = value.toArray();
    if (!value.isArray() || array.size() != count)
        refuse(QStringLiteral("%1 is not a list of %2 numbers").arg(what).arg(count));
    std::vector<double> result;
    for (const QJsonValue& n : array) {
        if (!n.isDouble() || !std::isfinite(n.toDouble()))
            refuse(QStringLiteral("%1 is not a list of %2 numbers").arg(what).arg(count));
        result.push_back(n.toDouble());
    }
    return result;
}

// The picture's size in pixels, once it is known to decode; `shown` takes it
// decoded whole when it is to be shown.
QSize readPicture(const QJsonValue& value, OwnActivity& activity, QImage* shown)
{
    if (value.isUndefined())
        refuse(QStringLiteral("it has no picture"));
    const QJsonObject object = value.toObject();
    const QString type = object.value(QStringLiteral("type")).toString().toLower();
    if (!value.isObject() || !object.value(QStringLiteral("data")).isString())
        refuse(QStringLiteral("its picture is not a picture type and data"));
    if (type != QLatin1String("png") && type != QLatin1String("jpeg") && type != QLatin1String("jpg"))
        refuse(QStringLiteral("its picture is neither PNG nor JPEG"));
    // Line breaks and spaces are no part of the data: base64 is often written wrapped.
    QByteArray text = object.value(QStringLiteral("data")).toString().toLatin1();
    text.removeIf([](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\v'; });
    const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty())
        refuse(QStringLiteral("its picture data is damaged"));
    picture::Decoded image = picture::decode(decoded.decoded, type, shown ? picture::Decode::Whole : picture::Decode::Check);
    if (!image.ok())
        refuse(image.problem);
    if (shown)
        *shown = std::move(image.image);
    activity.picture = decoded.decoded;
    activity.pictureType = type == QLatin1String("png") ? QStringLiteral("png") : QStringLiteral("jpeg");
    return image.size;
}

OwnLabel readLabel(const QJsonValue& value, int number, QSize picture)
{
    const QString which = QStringLiteral("label %1").arg(number);
    if (!value.isObject())
        refuse(QStringLiteral("%1 is not a label").arg(which));
    const QJsonObject object = value.toObject();
    OwnLabel label;
    label.answer = text(object, QStringLiteral("answer"), which + QStringLiteral("'s answer"), LongestAnswer, true);
    const std::vector<double> box = numbers(object.value(QStringLiteral("target")), 4, which + QStringLiteral("'s answer box"));
    const std::vector<double> part = numbers(object.value(QStringLiteral("part")), 2, which + QStringLiteral("'s part"));
    const QRectF whole(0, 0, picture.width(), picture.height());
    label.target = QRectF(box[0], box[1], box[2], box[3]);
    if (box[2] <= 0 || box[3] <= 0)
        refuse(QStringLiteral("%1's answer box has no size").arg(which));
    if (!whole.contains(label.target))
        refuse(QStringLiteral("%1's answer box lies outside the picture").arg(which));
    label.part = QPointF(part[0], part[1]);
    if (!whole.contains(label.part))
        refuse(QStringLiteral("%1's part lies outside the picture").arg(which));
    label.pointsTo = text(object, QStringLiteral("pointsTo"), which + QStringLiteral("'s description"), LongestPointsTo, false);
    label.unknown = object;
    for (const char* known : {"answer", "target", "part", "pointsTo"})
        label.unknown.remove(QLatin1String(known));
    return label;
}

// The wrong answers: none when left out, else 0 to MostDistractors texts.
std::vector<QString> distractors(const QJsonValue& value)
{
    if (value.isUndefined())
        return {};
    const QJsonArray list = value.toArray();
    if (!value.isArray())
        refuse(QStringLiteral("its wrong answers are not a list"));
    if (list.size() > MostDistractors)
        refuse(QStringLiteral("it has %1 wrong answers; an activity has at most %2").arg(list.size()).arg(MostDistractors));
    std::vector<QString> texts;
    for (int i = 0; i < list.size(); ++i) {
        const QString what = QStringLiteral("wrong answer %1").arg(i + 1);
        if (!list[i].isString())
            refuse(QStringLiteral("%1 is not text").arg(what));
        texts.push_back(text(QJsonObject{{QStringLiteral("t"), list[i]}}, QStringLiteral("t"), what, LongestAnswer, true));
    }
    return texts;
}

OwnActivity readActivity(const QJsonObject& top, QImage* shown)
{
    const QJsonValue format = top.value(QStringLiteral("format"));
    if (!format.isDouble() || format.toDouble() < 1 || format.toDouble() != std::floor(format.toDouble()))
        refuse(QStringLiteral("it is not a labelling activity (it has no format number)"));
    if (format.toDouble() > OwnLabelFormat)
        refuse(QStringLiteral("it was made by a newer version of this program (format %1; this one reads format %2)")
                   .arg(format.toDouble()).arg(OwnLabelFormat));
    if (top.value(QStringLiteral("kind")).toString() != QLatin1String("labelling"))
        refuse(QStringLiteral("it is not a labelling activity"));
    OwnActivity activity;
    activity.title = text(top, QStringLiteral("title"), QStringLiteral("its title"), LongestTitle, true);
    activity.instruction = text(top, QStringLiteral("instruction"), QStringLiteral("its instruction"), LongestInstruction, false);
    const QSize picture = readPicture(top.value(QStringLiteral("picture")), activity, shown);
    const QJsonValue labels = top.value(QStringLiteral("labels"));
    if (!labels.isArray())
        refuse(QStringLiteral("it has no list of labels"));
    const QJsonArray list = labels.toArray();
    if (list.size() < FewestOwnLabels || list.size() > MostOwnLabels)
        refuse(QStringLiteral("it has %1 labels; an activity has %2 to %3").arg(list.size()).arg(FewestOwnLabels).arg(MostOwnLabels));
    for (int i = 0; i < list.size(); ++i)
        activity.labels.push_back(readLabel(list[i], i + 1, picture));
    activity.description = text(top, QStringLiteral("description"), QStringLiteral("its description"), LongestDescription, false);
    activity.distractors = distractors(top.value(QStringLiteral("distractors")));
    activity.unknown = top;
    for (const char* known : {"format", "kind", "title", "instruction", "labels", "description", "distractors"})
        activity.unknown.remove(QLatin1String(known));
    // The picture's own unknown fields stay under "picture"; type and data are rewritten.
    QJsonObject pictureExtras = top.value(QStringLiteral("picture")).toObject();
    pictureExtras.remove(QStringLiteral("type"));
    pictureExtras.remove(QStringLiteral("data"));
    activity.unknown.insert(QStringLiteral("picture"), pictureExtras);
    return activity;
}

QJsonArray array(std::initializer_list<double> values)
{
    QJsonArray a;
    for (double v : values)
        a.append(v);
    return a;
}

} // namespace

OwnRead parseOwnActivity(const QByteArray& json, const QString& fileName, PictureUse use)
{
    if (json.trimmed().isEmpty())
        return {{}, QStringLiteral("%1 is empty").arg(fileName)};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {{}, QStringLiteral("%1 is damaged or is not an activity file").arg(fileName)};
    if (!document.isObject())
        return {{}, QStringLiteral("%1 is not a labelling activity").arg(fileName)};
    try {
        OwnRead read;
        read.activity = readActivity(document.object(), use == PictureUse::Show ? &read.picture : nullptr);
        return read;
    } catch (const Refusal& refusal) {
        return {{}, QStringLiteral("%1: %2").arg(fileName, refusal.reason)};
    }
}

OwnRead readOwnActivity(const QString& path, PictureUse use)
{
    const activity::TeacherFile file = activity::readTeacherFile(path, LargestOwnFile);
    if (!file.ok())
        return {{}, file.problem};
    return parseOwnActivity(file.bytes, QFileInfo(path).fileName(), use);
}

QByteArray ownActivityJson(const OwnActivity& activity)
{
    QJsonObject top = activity.unknown;
    QJsonObject picture = activity.unknown.value(QStringLiteral("picture")).toObject();
    picture.insert(QStringLiteral("type"), activity.pictureType);
    picture.insert(QStringLiteral("data"), QString::fromLatin1(activity.picture.toBase64()));
    top.insert(QStringLiteral("format"), OwnLabelFormat);
    top.insert(QStringLiteral("kind"), QStringLiteral("labelling"));
    top.insert(QStringLiteral("title"), activity.title);
    top.insert(QStringLiteral("instruction"), activity.instruction);
    top.insert(QStringLiteral("picture"), picture);
    QJsonArray labels;
    for (const OwnLabel& label : activity.labels) {
        QJsonObject object = label.unknown;
        object.insert(QStringLiteral("answer"), label.answer);
        const QRectF& t = label.target;
        object.insert(QStringLiteral("target"), array({t.x(), t.y(), t.width(), t.height()}));
        object.insert(QStringLiteral("part"), array({label.part.x(), label.part.y()}));
        // The new fields only when used, so that a file without them reads as before.
        if (!label.pointsTo.isEmpty())
            object.insert(QStringLiteral("pointsTo"), label.pointsTo);
        labels.append(object);
    }
    top.insert(QStringLiteral("labels"), labels);
    if (!activity.description.isEmpty())
        top.insert(QStringLiteral("description"), activity.description);
    if (!activity.distractors.empty()) {
        QJsonArray wrong;
        for (const QString& d : activity.distractors)
            wrong.append(d);
        top.insert(QStringLiteral("distractors"), wrong);
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QString writeOwnActivity(const QString& path, const OwnActivity& activity)
{
    return activity::saveOrSayWhy(path, ownActivityJson(activity));
}

OwnRead openOwnActivity(activity::EditedFile& file, PictureUse use)
{
    const activity::TeacherFile read = file.open();
    if (!read.ok())
        return {{}, read.problem};
    return parseOwnActivity(read.bytes, QFileInfo(file.path()).fileName(), use);
}

QString saveOwnActivity(activity::EditedFile& file, const OwnActivity& activity, bool asCopy)
{
    const bool inPlace = !asCopy && !file.isNew() && !file.readOnly();
    const QString path = inPlace ? file.path() : file.pathForCopy(activity.title, OwnLabelExtension, QStringLiteral("Activity"));
    // Never written as a file that would not open again.
    const QByteArray json = ownActivityJson(activity);
    if (const OwnRead again = parseOwnActivity(json, QFileInfo(path).fileName()); !again.ok())
        return again.problem;
    return file.saveAs(path, json);
}

} // namespace labelling
