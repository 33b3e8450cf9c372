#include "labelling/editor/labeleditor.h"
#include "labelling/editor/editorscreen.h"
#include "activity/owneditor.h"
#include "forms/screens.h"

namespace labelling {

namespace {

forms::Screens::Factory editorOn(const QString& path, const QString& folder, bool readOnly = false)
{
    return [path, folder, readOnly](forms::Screens& s) { return std::make_unique<LabelEditor>(s, path, folder, readOnly); };
}

} // namespace

void openLabelEditor(forms::Screens& screens, const QString& path, const QString& folder, bool readOnly)
{
    activity::openOwnEditor(screens, LabelEditorId, editorOn(path, folder, readOnly),
                            QObject::tr("Save or leave the activity you are making before opening another."));
}

void registerLabelEditor(forms::Screens& screens, const QString& folder) { screens.add(LabelEditorId, editorOn({}, folder)); }

} // namespace labelling
