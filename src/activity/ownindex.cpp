#include "activity/ownindex.h"
#include "activity/teacherfile.h"
#include "activity/teacherwrite.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>


namespace activity {

namespace {
constexpr qint64 LargestIndex = 8 * 1024 * 1024;
constexpr int IndexFormat = 1;
} // namespace

SummaryIndex::SummaryIndex(QString file, QString stamp) : file_(std::move(file)), stamp_(std::move(stamp))
{
    if (!QFileInfo::exists(file_))
        return;
    const TeacherFile read = readTeacherFile(file_, LargestIndex);
    const QJsonObject top = QJsonDocument::fromJson(read.bytes).object();
    if (!read.ok() || top.value(QStringLiteral("format")).toInt() != IndexFormat || top.value(QStringLiteral("reader")).toString() != stamp_)
        return;
    for (const QJsonValue& value : top.value(QStringLiteral("files")).toArray()) {
        const QJsonObject e = value.toObject();
        const QString title = e.value(QStringLiteral("title")).toString();
        const QString problem = e.value(QStringLiteral("problem")).toString();
        if (title.isEmpty() == problem.isEmpty())
            continue; // one or the other, never both nor neither
        entries_.insert(e.value(QStringLiteral("path")).toString(),
                        {e.value(QStringLiteral("size")).toInteger(-1), e.value(QStringLiteral("modified")).toInteger(-1), {title, problem}});
    }
}

OwnSummary SummaryIndex::summary(const FoundFile& found)
{
    const qint64 modified = found.modified.toMSecsSinceEpoch();
    const auto it = entries_.constFind(found.path);
    if (it != entries_.constEnd() && it->size == found.size && it->modified == modified)
        return it->summary;
    const OwnSummary summary = found.kind->summarise(found.path);
    if (QFileInfo(found.path).isFile()) {
        entries_.insert(found.path, {found.size, modified, summary});
        changed_ = true;
    }
    return summary;
}

void SummaryIndex::save(std::span<const FoundFile> found)
{
    QHash<QString, Entry> kept;
    for (const FoundFile& f : found)
        if (const auto it = entries_.constFind(f.path); it != entries_.constEnd())
            kept.insert(f.path, *it);
    if (!changed_ && kept.size() == entries_.size())
        return;
    entries_ = std::move(kept);
    QJsonArray files;
    for (auto it = entries_.constBegin(); it != entries_.constEnd(); ++it)
        files.append(QJsonObject{{QStringLiteral("path"), it.key()},
                                 {QStringLiteral("size"), it->size},
                                 {QStringLiteral("modified"), it->modified},
                                 {QStringLiteral("title"), it->summary.title},
                                 {QStringLiteral("problem"), it->summary.problem}});
    // A list that cannot be kept is read afresh next time: nothing is lost.
    (void)writeAtomically(file_, QJsonDocument(QJsonObject{{QStringLiteral("format"), IndexFormat},
                                                           {QStringLiteral("reader"), stamp_},
                                                           {QStringLiteral("files"), files}})
                                     .toJson(QJsonDocument::Compact));
    changed_ = false;
}

} // namespace activity
