#pragma once
// The editor in which a teacher makes a labelling activity from a picture of
// their own: title, instruction, parts of the picture and the answer boxes
// that name them; tried out, then saved as one ".tavlabel" file.

#include <QString>

namespace forms { class Screens; }

namespace labelling {

// The editor's screen, as "--open" names it.
inline const QString LabelEditorId = QStringLiteral("labeleditor");

// Opens the editor on the activity in the file at `path`, or on a new one when
// `path` is empty. `folder` is where a new activity, or a copy of one that
// cannot be changed in place, is saved. `readOnly`: the file is never written
// in place (a school's), only saved as the teacher's own copy.
void openLabelEditor(forms::Screens& screens, const QString& path, const QString& folder, bool readOnly = false);

// Registers the editor's screen on a new activity to be saved in `folder`, so
// that it opens by name like any other screen.
void registerLabelEditor(forms::Screens& screens, const QString& folder);

} // namespace labelling
