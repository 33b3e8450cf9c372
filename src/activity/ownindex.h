#pragma once
// What the list of a teacher's activities remembers between openings: for
// each file its size and time of change, and its title or why it cannot be
// opened. Only a file that changed since is read again, so that a list of a
// hundred activities opens at once.

#include "activity/ownfolders.h"

#include <QHash>
#include <QString>

namespace activity {

class SummaryIndex {
public:
    // The index kept in `file` by the reader `stamp` (the program's version:
    // another version may judge files otherwise); empty when there is none,
    // it is damaged or another reader wrote it.
    SummaryIndex(QString file, QString stamp);

    // The file's summary: as remembered while the file is unchanged, else
    // from its kind, read afresh. A folder or device is never remembered.
    OwnSummary summary(const FoundFile& found);
    // Keeps the summaries of `found` alone, when any changed; a failed write
    // only costs the next opening its speed.
    void save(std::span<const FoundFile> found);

private:
    struct Entry {
        qint64 size;
        qint64 modified; // ms since the epoch
        OwnSummary summary;
    };
    QString file_;
    QString stamp_;
    QHash<QString, Entry> entries_;
    bool changed_ = false;
};

} // namespace activity
