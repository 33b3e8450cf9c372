#pragma once
// A kind of activity a teacher can make and share as one file: what "My
// Activities" needs of it. Each kind that teachers can make offers one; the
// app's catalogue lists them, as it lists the topics.

#include <QString>
#include <functional>

namespace forms { class Screens; }

namespace activity {

// The screen that lists teachers' own activities ("My Activities"), which
// their editors and players go back to.
inline const QString MyActivitiesId = QStringLiteral("myactivities");

// What the list of a teacher's activities shows of one file.
struct OwnSummary {
    QString title;   // empty when the file cannot be opened
    QString problem; // "cannot be opened: ..." reason; empty when it can
};

struct OwnKind {
    QString extension;  // "tavlabel", without the dot
    QString newCommand; // the command that makes a new one, as shown
    // Reads just enough of the file at `path` to list it.
    std::function<OwnSummary(const QString& path)> summarise;
    // Opens the file at `path` to play; returns why not, or empty.
    std::function<QString(forms::Screens&, const QString& path)> play;
    // Opens the editor on `path`, or on a new activity when `path` is empty;
    // `folder` is where a new one (or a copy of a read-only one) is saved.
    // `readOnly`: the file is never written in place (a school's, or one the
    // list found cannot be changed), so saving makes the teacher's own copy.
    std::function<void(forms::Screens&, const QString& path, const QString& folder, bool readOnly)> edit;
};

} // namespace activity
