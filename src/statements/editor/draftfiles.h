#pragma once
// Reading a draft from the file it edits and writing it back: a statement set
// of one of our topics (the teacher's own file, else ours), or a teacher's
// own ".tavquiz". Every write is atomic: a failed save leaves the old file
// whole and returns why, in words for the teacher.

#include "statements/editor/draft.h"

namespace statements {

struct DraftSource {
    Draft draft;
    QString note{};            // for the teacher: what is wrong with the file as a whole; empty when nothing
    bool teacherSet = false;   // a set: the teacher's own file is shown, so it can be restored to ours
    bool keepsFile = true;     // an own quiz: saving writes back to the file read
};

// The set `name` ("heattransfer.txt") as the quiz plays it: the teacher's
// file in `folder` when there is one that is text, else ours.
DraftSource readSetDraft(const QString& name, const QStringList& choices, const QString& folder);
QString writeSetDraft(const QString& path, const Draft& draft);
// Removes the teacher's file so that ours is played again; returns why not.
QString removeTeacherSet(const QString& path);

// A new quiz: true or false, no statements yet.
Draft newQuizDraft();
DraftSource readQuizDraft(const QString& path);
QString writeQuizDraft(const QString& path, const Draft& draft);
// A file in `folder` named after `title` that is not there yet.
QString newQuizPath(const QString& folder, const QString& title);

} // namespace statements
