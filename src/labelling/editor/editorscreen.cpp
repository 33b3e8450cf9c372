#include "labelling/editor/editorscreen.h"
#include "labelling/editor/draftchecks.h"
#include "labelling/editor/labeleditor.h"
#include "labelling/editor/picturefile.h"
#include "labelling/ownfile.h"
#include "labelling/ownplay.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/ownfolders.h"
#include "activity/ownkind.h"
#include "activity/setup.h"
#include "activity/textlength.h"
#include "activity/undokeys.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/notice.h"
#include "forms/screens.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>
#include <QStandardPaths>

namespace labelling {

namespace {

// Where the picture lies: as large as when played, below the typed texts.
constexpr forms::TwipRect PictureArea{OwnPictureArea.left, 1230, OwnPictureArea.width, OwnPictureArea.height};

const activity::Command Commands[] = {
    {QObject::tr("Choose Picture..."), {8160, 90, 3600, 510}},
    {QObject::tr("Delete Label"), {8160, 6480, 3600, 510}},
    {QObject::tr("Undo"), {240, 7920, 1500, 495}},
    {QObject::tr("Redo"), {1860, 7920, 1500, 495}},
    {QObject::tr("Try it"), {3720, 7920, 1800, 495}},
    {QObject::tr("Save"), {5640, 7920, 2400, 495}},
    {QObject::tr("Extras..."), {8160, 7920, 2280, 495}},
    activity::ExitCommand,
};

const forms::LabelLook CaptionLook{QStringLiteral("Arial"), 14, true, forms::Yellow, forms::Black, false, false,
                                   forms::Label::Align::Right};
const forms::LabelLook HintLook{QStringLiteral("Arial"), 12, false, QColor(255, 255, 255), forms::Black, false, false,
                                forms::Label::Align::Center};
// An answer this near its most characters shows how many are left.
constexpr int FewLeft = 10;
// Characters of doubts the hint holds on its two lines.
constexpr qsizetype MostHinted = 150;
const QString PictureFolderKey = QStringLiteral("editor/pictureFolder");

forms::Label& caption(QWidget* screen, const QString& name, const QString& text, const forms::TwipRect& at)
{
    return forms::design(*new forms::Label(screen, name), text, at, CaptionLook);
}

activity::TextField& field(QWidget* screen, const QString& name, const forms::TwipRect& at, const QString& spoken, int longest)
{
    auto& field = *new activity::TextField(screen, name, at, 14, spoken, longest);
    field.widget.setFrame(true);
    return field;
}

} // namespace

LabelEditor::LabelEditor(forms::Screens& screens, const QString& path, const QString& folder, bool readOnly)
    : OwnEditor(screens, LabelEditorId), file(path, folder, LargestOwnFile, !readOnly && !activity::isSchoolFile(path)),
      title(field(this, QStringLiteral("title"), {2220, 90, 5760, 510}, tr("Title"), LongestTitle)),
      instruction(field(this, QStringLiteral("instruction"), {2220, 630, 9540, 510}, tr("Instruction"), LongestInstruction)),
      answer(field(this, QStringLiteral("answer"), {2220, 6480, 4860, 510}, tr("Answer"), LongestAnswer)),
      answerCaption(caption(this, QStringLiteral("answerCaption"), tr("Answer"), {240, 6540, 1860, 450})),
      answerCount(caption(this, QStringLiteral("answerCount"), {}, {7140, 6540, 900, 450})),
      hint(forms::design(*new forms::Label(this, QStringLiteral("hint")), {}, {240, 7080, 11520, 690}, HintLook)),
      emptyPicture(forms::design(*new forms::Label(this, QStringLiteral("emptyPicture")), tr("No picture yet"), PictureArea,
                                 {QStringLiteral("Arial"), 20, true, QColor(200, 220, 255), forms::Black, false, true,
                                  forms::Label::Align::Center})),
      board(*this, draft, PictureArea), extras(this, draft, PictureArea),
      question(*new activity::Question(this, {120, 6420, 11760, 2160}))
{
    setCaption(tr("Make a Labelling Activity"));
    caption(this, QStringLiteral("titleCaption"), tr("Title"), {240, 150, 1860, 450});
    caption(this, QStringLiteral("instructionCaption"), tr("Instruction"), {240, 690, 1860, 450});
    activity::buildCommands(this, commands, Commands);
    connect(&commands, &forms::GroupSignals::clicked, this, &LabelEditor::runCommand);
    // Tab: the texts at the top, the picture and each label's box and ring,
    // the chosen label's answer, then the commands along the foot.
    std::vector<QWidget*> order{&title.widget, &instruction.widget, &commands(ChoosePicture), &board.picture};
    for (int k = 0; k < MostOwnLabels; ++k)
        order.insert(order.end(), {&board.boxes(k), &board.parts(k)});
    order.insert(order.end(), {&answer.widget, &commands(DeleteLabel)});
    for (QWidget* w : extras.tabOrder())
        order.push_back(w);
    for (const int k : {Undo, Redo, TryIt, Save, Extras, Exit})
        order.push_back(&commands(k));
    activity::chainTabOrder(order);

    connect(&title.widget, &QLineEdit::textEdited, &draft, &LabelDraft::setTitle);
    connect(&instruction.widget, &QLineEdit::textEdited, &draft, &LabelDraft::setInstruction);
    connect(&answer.widget, &QLineEdit::textEdited, this, [this](const QString& text) { draft.rename(board.chosen(), text); });
    connect(&draft, &LabelDraft::titleChanged, this, [this](const QString& text) { title.showText(text); });
    connect(&draft, &LabelDraft::instructionChanged, this, [this](const QString& text) { instruction.showText(text); });
    connect(&draft, &LabelDraft::labelRenamed, this, [this](int k) { if (k == board.chosen()) showChosen(k); });
    connect(&draft, &LabelDraft::labelAdded, this, [this] { answer.setFocus(Qt::OtherFocusReason); });
    connect(&draft, &LabelDraft::changed, this, &LabelEditor::showState);
    connect(&draft, &LabelDraft::refused, this, &LabelEditor::say);
    connect(&draft.history(), &QUndoStack::cleanChanged, this, &LabelEditor::showState);
    connect(&board, &PictureBoard::chosenChanged, this, &LabelEditor::showChosen);
    board.sendTypingTo(answer.widget);
    connect(&extras.done, &forms::Control::clicked, this, [this] { showExtras(false); });
    activity::runOnKeys(extras.done, [this] { showExtras(false); });

    // The draft's history, not a text box's own, answers Undo and Redo.
    auto* undoKeys = new activity::UndoKeys(*this, [this] { runCommand(Undo); }, [this] { runCommand(Redo); });
    for (QLineEdit* edit : {&title.widget, &instruction.widget, &answer.widget})
        undoKeys->claimFrom(*edit);
    for (QWidget* w : extras.tabOrder())
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            undoKeys->claimFrom(*edit);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, [this] { runCommand(Save); });
}

// The draft outlives the commands and boxes it would update as it goes.
LabelEditor::~LabelEditor()
{
    disconnect(&draft, nullptr, this, nullptr);
    disconnect(&draft.history(), nullptr, this, nullptr);
}

void LabelEditor::load()
{
    activity::prepareScreen(*this);
    if (!file.isNew()) {
        const OwnRead read = openOwnActivity(file, PictureUse::Show);
        if (!read.ok() || !draft.reset(read.activity, read.picture)) {
            say(tr("%1. A new activity was started instead.").arg(read.ok() ? tr("Its picture cannot be shown") : read.problem));
            file.forget();
        }
    }
    if (file.readOnly())
        commands(Save).setCaption(tr("Save a copy"));
    showChosen(board.chosen());
    showState();
}

void LabelEditor::moveOverBackground(const forms::MouseArgs&) { activity::dimCommands(commands); }

void LabelEditor::runCommand(int index)
{
    if (question.asking())
        return;
    switch (index) {
    case ChoosePicture: choosePictureFile(); break;
    case DeleteLabel:
        if (!draft.remove(board.chosen()))
            say(tr("Tap the box of the label to delete first."));
        break;
    case Undo: draft.history().undo(); break;
    case Redo: draft.history().redo(); break;
    case TryIt: tryIt(); break;
    case Save: save(); break;
    case Extras:
        if (!draft.hasPicture())
            say(tr("Choose a picture first."));
        else
            showExtras(!extras.isVisible());
        break;
    case Exit: leave(); break;
    default: break;
    }
}

void LabelEditor::choosePictureFile()
{
    if (pictureDialog_) {
        pictureDialog_->raise();
        return;
    }
    // Where the last picture came from, else the desktop's pictures folder, else home.
    QString start = screens().setting(PictureFolderKey).toString();
    for (const QString& place : {QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), QDir::homePath()})
        if (start.isEmpty() || !QFileInfo(start).isDir())
            start = place;
    // Opened without waiting in a loop of its own: the screens go on working
    // beneath it, and nothing can be unloaded while a modal call is pending.
    pictureDialog_ = new QFileDialog(this, tr("Choose a picture to label"), start,
                                     tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif);;All files (*)"));
    pictureDialog_->setAttribute(Qt::WA_DeleteOnClose);
    pictureDialog_->setFileMode(QFileDialog::ExistingFile);
    connect(pictureDialog_, &QFileDialog::fileSelected, this, [this](const QString& path) {
        screens().choose(PictureFolderKey, QFileInfo(path).absolutePath());
        usePicture(path);
    });
    pictureDialog_->open();
}

bool LabelEditor::usePicture(const QString& path)
{
    const PictureChoice choice = readPictureFile(path);
    if (!choice.ok()) {
        say(choice.problem);
        return false;
    }
    // A refusal shown for an earlier choice no longer holds.
    if (forms::Notice* notice = forms::Notice::on(*this))
        notice->lifetime.start(0);
    if (draft.count() == 0) {
        takePicture(choice.picture, true);
        return true;
    }
    const QString labels = draft.count() == 1 ? tr("the label") : tr("the %1 labels").arg(draft.count());
    question.ask(tr("Keep %1 you made, placed on the new picture as on the old one?").arg(labels),
                 {tr("Keep the labels"), tr("Start with no labels"), tr("Cancel")}, [this, picture = choice.picture](int k) {
                     if (k < 2)
                         takePicture(picture, k == 0);
                 });
    return true;
}

void LabelEditor::takePicture(const EmbeddedPicture& picture, bool keepLabels)
{
    draft.setPicture(picture, keepLabels);
    if (const std::vector<int> cut = answersNotWhole(draft.activity(), draft.pictureSize()); keepLabels && !cut.empty()) {
        say(tr("The labels were kept, but on this picture the boxes of answers %1 are too small for them: "
               "drag a box where there is room and it grows to hold its answer.").arg(numbers(cut)));
    }
}

void LabelEditor::showExtras(bool shown)
{
    extras.showDraft();
    extras.setVisible(shown);
    extras.raise();
    board.setShown(!shown);
    commands(Extras).setCaption(shown ? tr("Picture") : tr("Extras..."));
    if (shown)
        extras.description.setFocus(Qt::OtherFocusReason);
    showState();
}

void LabelEditor::tryIt()
{
    if (const QString why = draft.unfinished(); !why.isEmpty())
        return say(why);
    if (const QString why = playOwnActivity(screens(), draft.finished(), draft.picture()); !why.isEmpty())
        say(why);
}

void LabelEditor::save(std::function<void()> then)
{
    if (const QString why = draft.unfinished(); !why.isEmpty())
        return say(tr("Not saved yet: %1").arg(why));
    if (const QStringList look = doubts(draft.finished(), draft.pictureSize()); !look.isEmpty()) {
        question.ask(beforeSaving(look), {tr("Save as it is"), tr("Go back")},
                     [this, then](int k) {
                         if (k == 0)
                             saveChecked(then);
                     });
        return;
    }
    saveChecked(then);
}

void LabelEditor::saveChecked(const std::function<void()>& then)
{
    if (file.readOnly())
        return write(true, then);
    if (file.changedOnDisk()) {
        const QString name = QFileInfo(file.path()).fileName();
        question.ask(tr("%1 was changed by someone else since you opened it. Save anyway?").arg(name),
                     {tr("Save anyway"), tr("Save a copy"), tr("Cancel")}, [this, then](int k) {
                         if (k < 2)
                             write(k == 1, then);
                     });
        return;
    }
    write(false, then);
}

void LabelEditor::write(bool asCopy, const std::function<void()>& then)
{
    const OwnActivity done = draft.finished();
    const QString kept = file.readOnly() ? QFileInfo(file.path()).fileName() : QString();
    const QString problem = saveOwnActivity(file, done, asCopy);
    if (!problem.isEmpty())
        return say(tr("Not saved: %1. Everything you typed is still here.").arg(problem));
    draft.history().setClean();
    commands(Save).setCaption(tr("Save"));
    const QString where = QDir::toNativeSeparators(file.path());
    say(kept.isEmpty() ? tr("Saved as %1").arg(where)
                       : tr("%1 cannot be changed from here, so your own copy was saved as %2").arg(kept, where));
    if (then)
        then();
}

void LabelEditor::leave()
{
    if (!hasChanges())
        return goBack();
    question.ask(tr("Save the changes to this activity before leaving?"), {tr("Save"), tr("Leave without saving"), tr("Stay")},
                 [this](int k) {
                     if (k == 0)
                         save([this] { goBack(); });
                     else if (k == 1)
                         goBack();
                 });
}

void LabelEditor::goBack()
{
    draft.history().setClean(); // nothing more to ask
    showInstead(activity::MyActivitiesId);
}

void LabelEditor::closeEvent(QCloseEvent* event)
{
    if (!hasChanges())
        return Screen::closeEvent(event);
    event->ignore();
    leave();
}

void LabelEditor::showChosen(int index)
{
    const bool any = index >= 0 && index < draft.count();
    answer.setEnabled(any);
    answer.showText(any ? draft.label(index).answer : QString());
    answerCaption.setCaption(any ? tr("Answer %1").arg(index + 1) : tr("Answer"));
    const int used = any ? activity::characterCount(draft.label(index).answer) : 0;
    answerCount.setCaption(any ? QStringLiteral("%1/%2").arg(used).arg(LongestAnswer) : QString());
    answerCount.setForeColor(LongestAnswer - used <= FewLeft ? forms::Orange : forms::Yellow);
    answerCount.setAccessibleName(tr("%1 of at most %2 characters").arg(used).arg(LongestAnswer));
    answer.widget.setAccessibleName(any ? tr("Answer for label %1").arg(index + 1) : tr("Answer"));
    activity::setAvailable(commands(DeleteLabel), any);
    showState();
}

void LabelEditor::showState()
{
    if (!draft.hasPicture() && extras.isVisible())
        return showExtras(false); // the first picture's choice undone: nothing to describe
    emptyPicture.setVisible(!draft.hasPicture());
    activity::setAvailable(commands(Undo), draft.history().canUndo());
    activity::setAvailable(commands(Redo), draft.history().canRedo());
    activity::setAvailable(commands(Extras), draft.hasPicture());
    setWindowTitle(tr("Make a Labelling Activity") + (hasChanges() ? QStringLiteral(" *") : QString()));
    hint.setCaption(stateHint());
}

QString LabelEditor::stateHint() const
{
    if (!draft.hasPicture())
        return tr("Choose a picture to label: a diagram, a photograph, an exam question.");
    if (extras.isVisible())
        return tr("Type any wrong answers and descriptions: each is optional. \"Done\" goes back to the picture.");
    if (draft.count() == 0)
        return tr("Tap a part of the picture to label it.");
    const int chosen = board.chosen();
    if (chosen >= 0) {
        const QString& answer = draft.label(chosen).answer;
        const int left = LongestAnswer - activity::characterCount(answer);
        if (answer.trimmed().isEmpty())
            return tr("Type the answer for label %1, then drag its box where it should sit.").arg(chosen + 1);
        if (left <= 0)
            return tr("Answer %1 has the most characters an answer may have, %2: anything more typed or pasted is left out.")
                .arg(chosen + 1).arg(LongestAnswer);
        if (left <= FewLeft)
            return (left == 1 ? tr("Answer %1 has room for one more character.").arg(chosen + 1)
                              : tr("Answer %1 has room for %2 more characters.").arg(chosen + 1).arg(left));
    }
    if (const QString why = draft.unfinished(); !why.isEmpty())
        return why;
    if (const QStringList look = doubts(draft.activity(), draft.pictureSize()); !look.isEmpty())
        return tr("Look at this before saving: %1.").arg(listed(look, MostHinted));
    if (chosen >= 0)
        return tr("Label %1 is chosen: type to change its answer, or drag its box or ring. "
                  "Tap the picture away from the boxes to add a part.").arg(chosen + 1);
    return draft.count() < MostOwnLabels ? tr("Tap another part to label it, drag a box or a ring to move it, or \"Try it\". "
                                              "\"Extras...\" adds wrong answers and descriptions.")
                                         : tr("Ten labels: drag a box or a ring to move it, or \"Try it\".");
}

// Over the picture, never over the hint or the fields and commands beneath
// it: at the picture's top or its foot, whichever covers fewer boxes, and
// never the chosen one.
void LabelEditor::say(const QString& text)
{
    forms::Notice& notice = forms::Notice::post(*this, text);
    constexpr float Margin = 60;
    const float height = notice.twipHeight();
    const float top = PictureArea.top + Margin, foot = PictureArea.top + PictureArea.height - Margin - height;
    const auto covered = [&](float at) {
        int boxes = 0;
        for (int k = 0; k < draft.count() && !extras.isVisible(); ++k) {
            const QRectF box = board.toScreen(draft.label(k).target);
            if (box.top() < at + height && at < box.bottom())
                boxes += k == board.chosen() ? MostOwnLabels + 1 : 1;
        }
        return boxes;
    };
    notice.moveTo(notice.left(), covered(foot) < covered(top) ? foot : top);
}

} // namespace labelling
