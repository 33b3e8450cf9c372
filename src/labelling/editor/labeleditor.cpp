#include "labelling/editor/labeleditor.h"
#include "labelling/editor/editorscreen.h"
#include "activity/owneditor.h"
#include "forms/screens.h"

namespace labelling {

namespace {

forms::Screens::Factory editorOn(const QString& path, const QString& folder)
{
    return [path, folder](forms::Screens& s) { return std::make_unique<LabelEditor>(s, path, folder); };
}

} // namespace

void openLabelEditor(forms::Screens& screens, const QString& path, const QString& folder)
{
    activity::openOwnEditor(screens, LabelEditorId, editorOn(path, folder),
                            QObject::tr("Save or leave the activity you are making before opening another."));
}

void registerLabelEditor(forms::Screens& screens, const QString& folder) { screens.add(LabelEditorId, editorOn({}, folder)); }

} // namespace labelling
