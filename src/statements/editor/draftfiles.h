#pragma once
// Reading a draft from the file it edits and the bytes it is written back
// as: a statement set of one of our topics (the teacher's own file, else
// ours), or a teacher's own ".tavquiz". The file is read through the editor's
// EditedFile, which remembers what it held.

#include "statements/editor/draft.h"

namespace activity { class EditedFile; }

namespace statements {

struct DraftSource {
    Draft draft;
    QString note{};            // for the teacher: what is wrong with the file as a whole; empty when nothing
    bool teacherSet = false;   // a set: the teacher's own file is shown, so it can be restored to ours
    bool keepsFile = true;     // an own quiz: saving writes back to the file read
};

// The set `name` ("heattransfer.txt") as the quiz plays it: the teacher's
// file (`file`) when there is one that is text, else ours.
// `checks`: those the editor keeps, to check the set's rows with.
DraftSource readSetDraft(activity::EditedFile& file, const QString& name, const QStringList& choices,
                         RowChecks* checks = nullptr);
QByteArray setBytes(const Draft& draft);
// Removes the teacher's file so that ours is played again; returns why not.
QString removeTeacherSet(const QString& path);

// A new quiz: true or false, no statements yet.
Draft newQuizDraft();
DraftSource readQuizDraft(activity::EditedFile& file);
QByteArray quizBytes(const Draft& draft);

} // namespace statements
