#pragma once
// The screen on which a teacher makes a labelling activity: a title and an
// instruction typed at the top, the picture below with its answer boxes,
// the chosen label's answer typed beneath it, and the commands along the
// foot. Every control is large enough for a finger on the board.

#include "labelling/editor/draft.h"
#include "labelling/editor/extraspanel.h"
#include "labelling/editor/pictureboard.h"
#include "activity/editedfile.h"
#include "activity/hosted.h"
#include "activity/owneditor.h"
#include "activity/question.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <QPointer>

class QFileDialog;

namespace labelling {

class LabelEditor : public activity::OwnEditor {
    Q_OBJECT
public:
    enum Command { ChoosePicture, DeleteLabel, Undo, Redo, TryIt, Save, Extras, Exit };

    // `readOnly`: the file at `path` is never written in place, only copied into `folder`.
    LabelEditor(forms::Screens& screens, const QString& path, const QString& folder, bool readOnly = false);
    ~LabelEditor() override;

    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;

    void runCommand(int index);
    // Takes the picture file at `path` into the activity, or says why not;
    // asks first whether to keep the labels made on the picture before.
    bool usePicture(const QString& path);
    // The wrong answers and descriptions shown over the picture, or put away.
    void showExtras(bool shown);
    void tryIt();
    // Saves, asking first when there is something to look at (boxes too
    // close, answers repeated or too long for their boxes) and when the file
    // changed on disk since it was opened.
    // `then` runs once the activity is saved.
    void save(std::function<void()> then = {});
    // Leaves, asking first when there are changes not saved.
    void leave();
    bool hasChanges() const override { return !draft.history().isClean(); }

    LabelDraft draft;
    activity::EditedFile file;
    activity::TextField& title;
    activity::TextField& instruction;
    activity::TextField& answer;
    forms::Label& answerCaption;
    forms::Label& answerCount; // characters typed of the most an answer may have
    forms::Label& hint;
    forms::Label& emptyPicture;
    PictureBoard board;
    ExtrasPanel extras;
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    activity::Question& question;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void choosePictureFile();
    void saveChecked(const std::function<void()>& then);
    void write(bool asCopy, const std::function<void()>& then);
    void takePicture(const EmbeddedPicture& picture, bool keepLabels);
    QString stateHint() const;
    void showChosen(int index);
    void showState();
    void say(const QString& text);
    void goBack();

    QPointer<QFileDialog> pictureDialog_;
};

} // namespace labelling
