#include "labelling/editor/labeleditor.h"
#include "labelling/editor/editorscreen.h"
#include "forms/notice.h"
#include "forms/screens.h"

namespace labelling {

namespace {

void registerOn(forms::Screens& screens, const QString& path, const QString& folder)
{
    screens.add(LabelEditorId, [path, folder](forms::Screens& s) { return std::make_unique<LabelEditor>(s, path, folder); });
}

} // namespace

void openLabelEditor(forms::Screens& screens, const QString& path, const QString& folder)
{
    // One activity at a time: what is being made is never thrown away unasked.
    if (auto* open = dynamic_cast<LabelEditor*>(screens.find(LabelEditorId)); open && open->hasChanges()) {
        screens.show(LabelEditorId);
        forms::Notice::post(*open, QObject::tr("Save or leave the activity you are making before opening another."));
        return;
    }
    screens.unload(LabelEditorId);
    registerOn(screens, path, folder);
    screens.show(LabelEditorId);
}

void registerLabelEditor(forms::Screens& screens, const QString& folder) { registerOn(screens, {}, folder); }

} // namespace labelling
