#include "labelling/ownkind.h"
#include "labelling/editor/labeleditor.h"
#include "labelling/ownfile.h"
#include "labelling/ownplay.h"

namespace labelling {

const activity::OwnKind& ownLabellingKind()
{
    static const activity::OwnKind kind{
        OwnLabelExtension,
        QStringLiteral("New labelling activity"),
        [](const QString& path) {
            const OwnRead read = readOwnActivity(path);
            return read.ok() ? activity::OwnSummary{read.activity.title, {}}
                             : activity::OwnSummary{{}, QStringLiteral("cannot be opened: %1").arg(read.problem)};
        },
        [](forms::Screens& screens, const QString& path) {
            const OwnRead read = readOwnActivity(path, PictureUse::Show); // read once, the picture decoded once
            return read.ok() ? playOwnActivity(screens, read.activity, read.picture) : read.problem;
        },
        &openLabelEditor,
    };
    return kind;
}

} // namespace labelling
