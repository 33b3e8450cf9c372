// The statement editor: its layout and its handlers.
#include "statements/editor/statementeditor.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/ownfolders.h"
#include "activity/setup.h"
#include "activity/undokeys.h"
#include "forms/notice.h"
#include "forms/screens.h"
#include "statements/ownquiz.h"
#include "statements/ownquizscreen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>

namespace statements {

namespace {
using forms::Label;
using forms::TwipRect;

// Own quizzes have a title, an instruction and choices above the list; our sets do not.
constexpr float QuizFieldsHeight = 1320, ListBottom = 5340;
// Notices stand over the fields of the row shown, between the list's commands
// and the row's note: never over the file's note, a row of the list or a command.
constexpr forms::TwipRect NoticeArea{240, 5880, 11520, 1335};

const activity::Command Commands[] = {{"Undo", {240, 7920, 1200, 495}},          {"Redo", {1560, 7920, 1200, 495}},
                                      {"Save", {2880, 7920, 2100, 495}},         {"Restore our set", {5100, 7920, 2700, 495}},
                                      {"Play", {5100, 7920, 1500, 495}},         activity::ExitCommand}; // "Save" may read "Save a copy"
const activity::Command RowCommands[] = {{"Add", {240, 5400, 1500, 435}},     {"Delete", {1860, 5400, 1500, 435}},
                                         {"Move up", {3480, 5400, 1800, 435}}, {"Move down", {5400, 5400, 1980, 435}}};

forms::LabelLook words(double points, QColor colour = forms::Yellow, bool bold = false)
{
    return {"Arial", points, bold, colour, forms::Black, false, false, Label::Align::Left};
}

Label& caption(forms::Screen* screen, const QString& name, const QString& text, const TwipRect& at)
{
    return forms::design(*new Label(screen, name), text, at, words(12, forms::Yellow, true));
}

activity::TextField& line(QWidget* screen, const QString& name, const TwipRect& at, const QString& spoken, int longest = 32767)
{
    return *new activity::TextField(screen, name, at, 12, spoken, longest);
}

} // namespace

StatementEditor::StatementEditor(forms::Screens& screens, EditorTarget target)
    : OwnEditor(screens, StatementEditorId),
      history(this),
      heading(forms::design(*new Label(this, "heading"), target.heading, {240, 120, 11520, 480},
                            words(18, forms::Yellow, true))),
      fileNote(forms::design(*new Label(this, "fileNote"), {}, {240, 0, 11520, 600}, words(11.25, forms::Orange, true))),
      rowNote(forms::design(*new Label(this, "rowNote"), {}, {240, 7260, 11520, 600}, words(11.25, forms::Orange, true))),
      title(line(this, "title", {1800, 660, 9960, 375}, tr("Title"))),
      instruction(line(this, "instruction", {1800, 1080, 9960, 375}, tr("Instruction"))),
      list(*new activity::Hosted<QListView>(this, "list", {240, 0, 11520, 0}, 11.25, tr("Statements"))),
      statement(*new activity::Hosted<QPlainTextEdit>(this, "statement", {1800, 5940, 9960, 660}, 12, tr("Statement"))),
      answer(*new activity::Hosted<QComboBox>(this, "answer", {1800, 6720, 3600, 405}, 12, tr("Answer"))),
      reason(line(this, "reason", {6600, 6720, 5160, 405}, tr("Reason"))),
      question(*new activity::Question(this, {120, 6660, 11760, 1920})),
      rows_(*new StatementRows([this](int row) { return itemText(row, problems_.value(row)); },
                               [this](int row) { return !problems_.value(row).isEmpty(); }, this)),
      target_(std::move(target)),
      file_(target_.path, target_.folder, target_.setName.isEmpty() ? LargestQuizFile : LargestSetFile,
            !target_.readOnly && !activity::isSchoolFile(target_.path))
{
    setCaption(target_.heading);
    for (int k = 0; k < int(choices.size()); ++k)
        choices[std::size_t(k)] = &line(this, QStringLiteral("choice%1").arg(k + 1), {1800 + k * 2505.0f, 1500, 2445, 375},
                                        tr("Choice %1").arg(k + 1));
    build();
}

StatementEditor::~StatementEditor()
{
    disconnect(&history, nullptr, this, nullptr);
    disconnect(&history.stack, nullptr, this, nullptr);
    // A field losing the keyboard as the screen goes (a choice ends its
    // editing) must not reach the history, gone before the fields are.
    for (const QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

// The parts whose place depends on what is edited, and every handler.
void StatementEditor::build()
{
    const bool ownQuiz = target_.setName.isEmpty();
    const float top = ownQuiz ? 660 + QuizFieldsHeight : 660;
    fileNote.setTop(top);
    list.place(240, top + 600, 11520, ListBottom - top - 660);
    for (forms::Control* field : std::initializer_list<forms::Control*>{&title, &instruction, choices[0], choices[1],
                                                                         choices[2], choices[3]})
        field->setVisible(ownQuiz);
    if (ownQuiz) {
        caption(this, "titleCaption", tr("Title"), {240, 690, 1500, 375});
        caption(this, "instructionCaption", tr("Instruction"), {240, 1110, 1500, 375});
        caption(this, "choicesCaption", tr("Choices"), {240, 1530, 1500, 375});
    }
    caption(this, "statementCaption", tr("Statement"), {240, 5970, 1500, 375});
    caption(this, "answerCaption", tr("Answer"), {240, 6750, 1500, 375});
    caption(this, "reasonCaption", tr("Reason"), {5580, 6750, 1000, 375});

    activity::buildCommands(this, commands, Commands);
    activity::buildCommands(this, rowCommands, RowCommands);
    commands(ownQuiz ? Restore : Play).hide();
    forms::Notice::setArea(*this, NoticeArea);
    list.widget.setModel(&rows_);
    list.widget.setWordWrap(true);
    // Thousands of rows are laid out a batch at a time, the screen answering between.
    list.widget.setLayoutMode(QListView::Batched);
    list.widget.setBatchSize(200);
    answer.widget.setPlaceholderText(tr("Choose the answer"));
    statement.widget.setTabChangesFocus(true);
    statement.widget.setPlaceholderText(tr("Type the statement the pupils judge"));
    reason.widget.setPlaceholderText(tr("Shown after a right answer (may be left empty)"));
    title.widget.setPlaceholderText(tr("The quiz's name, as the list of your activities shows it"));
    // The history's steps, not a field's own, are undone and redone.
    auto* undoKeys = new activity::UndoKeys(*this, [this] { runCommand(Undo); }, [this] { runCommand(Redo); });
    for (QWidget* field : std::initializer_list<QWidget*>{&title.widget, &instruction.widget, &statement.widget,
                                                           &reason.widget, &list.widget, &answer.widget})
        undoKeys->claimFrom(*field);
    for (activity::TextField* choice : choices)
        undoKeys->claimFrom(choice->widget);
    statement.widget.installEventFilter(this); // Enter ends the statement, never a new line

    connect(&commands, &forms::GroupSignals::clicked, this, &StatementEditor::runCommand);
    connect(&rowCommands, &forms::GroupSignals::clicked, this, &StatementEditor::runRowCommand);
    connect(&history, &DraftHistory::changed, this, &StatementEditor::refresh);
    connect(list.widget.selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& row) {
        if (!refreshing_)
            showRow(row.row());
    });
    connect(&statement.widget, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_)
            history.changeText(current(), statement.widget.toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    });
    connect(&answer.widget, &QComboBox::activated, this,
            [this](int k) { history.changeAnswer(current(), history.draft().choices.value(k)); });
    connect(&reason.widget, &QLineEdit::textEdited, this, [this](const QString& text) { history.changeReason(current(), text); });
    connect(&title.widget, &QLineEdit::textEdited, &history, &DraftHistory::changeTitle);
    connect(&instruction.widget, &QLineEdit::textEdited, &history, &DraftHistory::changeInstruction);
    for (int k = 0; k < int(choices.size()); ++k)
        connect(&choices[std::size_t(k)]->widget, &QLineEdit::editingFinished, this, &StatementEditor::commitChoices);
    connect(&history.stack, &QUndoStack::indexChanged, this, &StatementEditor::greyCommands);
    connect(&history.stack, &QUndoStack::cleanChanged, this, &StatementEditor::greyCommands);

    // Tab: down the fields as they stand on the screen, the list's commands
    // under the list, then the commands along the foot.
    std::vector<QWidget*> order{&title.widget, &instruction.widget};
    for (activity::TextField* choice : choices)
        order.push_back(&choice->widget);
    order.push_back(&list.widget);
    rowCommands.forEach([&order](int, Label& command) { order.push_back(&command); });
    for (QWidget* field : std::initializer_list<QWidget*>{&statement.widget, &answer.widget, &reason.widget})
        order.push_back(field);
    commands.forEach([&order](int, Label& command) { order.push_back(&command); });
    activity::chainTabOrder(order);
}

void StatementEditor::load()
{
    activity::prepareScreen(*this);
    source_ = target_.setName.isEmpty() ? (file_.isNew() ? DraftSource{newQuizDraft()} : readQuizDraft(file_))
                                        : readSetDraft(file_, target_.setName, target_.choices, &checks_);
    if (!source_.keepsFile)
        file_.forget(); // never written over: a file this version cannot read
    if (!file_.isNew() && !source_.draft.title.simplified().isEmpty()) {
        target_.heading = tr("Edit quiz: %1").arg(source_.draft.title.simplified());
        heading.setCaption(target_.heading);
        setCaption(target_.heading);
    }
    history.reset(source_.draft);
    if (source_.draft.ownQuiz && file_.readOnly())
        commands(Save).setCaption(tr("Save a copy"));
    greyCommands();
    // The first line to mend is the one shown.
    if (const int bad = int(std::find_if(problems_.begin(), problems_.end(), [](const QString& p) { return !p.isEmpty(); }) -
                            problems_.begin());
        bad < int(problems_.size()))
        choose(bad);
}

// The draft changed: the list, the fields and the marks follow it.
void StatementEditor::refresh(int row)
{
    const Draft& draft = history.draft();
    problems_ = checks_.of(draft);
    refreshing_ = true;
    const int rows = int(draft.rows.size());
    const int shown = row >= 0 ? row : std::min(current(), rows - 1);
    showRows(draft);
    if (title.widget.text() != draft.title)
        title.widget.setText(draft.title);
    if (instruction.widget.text() != draft.instruction)
        instruction.widget.setText(draft.instruction);
    for (int k = 0; k < int(choices.size()); ++k)
        if (!choices[std::size_t(k)]->widget.hasFocus())
            choices[std::size_t(k)]->widget.setText(draft.choices.value(k));
    if (answerChoices_ != draft.choices) {
        answer.widget.clear();
        answer.widget.addItems(draft.choices);
        answerChoices_ = draft.choices;
    }
    choose(shown);
    refreshing_ = false;
    showRow(shown);
    showFileNote();
}

// Only the rows that changed, or whose problem or number did, are made again:
// a key typed in one statement of thousands costs what one row costs, and a
// row added or deleted is one row put in or taken out.
void StatementEditor::showRows(const Draft& draft)
{
    const int rows = int(draft.rows.size()), before = rows_.rowCount();
    const auto unchanged = [&](int k) {
        return shownRows_[std::size_t(k)] == draft.rows[std::size_t(k)] && shownProblems_[k] == problems_[k];
    };
    if (before == 0 || rows == 0) {
        rows_.resetTo(rows);
    } else if (before != rows) {
        // The rows before the first added or deleted stay as they were; those
        // after it are numbered anew.
        int same = 0;
        while (same < std::min(before, rows) && unchanged(same))
            ++same;
        if (rows > before)
            rows_.insert(same, rows - before);
        else
            rows_.remove(same, before - rows);
        rows_.changed(same, rows - 1);
    } else {
        for (int k = 0; k < rows; ++k) {
            if (unchanged(k))
                continue;
            int last = k;
            while (last + 1 < rows && !unchanged(last + 1))
                ++last;
            rows_.changed(k, last);
            k = last;
        }
    }
    shownRows_ = draft.rows;
    shownProblems_ = problems_;
}

void StatementEditor::choose(int row)
{
    list.widget.setCurrentIndex(rows_.index(row));
}

QString StatementEditor::rowText(int row) const { return rows_.index(row).data().toString(); }

QString StatementEditor::itemText(int row, const QString& problem)
{
    const DraftRow& r = history.draft().rows[std::size_t(row)];
    QString text = QStringLiteral("%1.  %2 \u2013 %3").arg(row + 1).arg(r.answer.isEmpty() ? QStringLiteral("?") : r.answer,
                                                                     r.text.isEmpty() ? tr("(no statement)") : r.text);
    if (!r.reason.simplified().isEmpty())
        text += QStringLiteral("\n      ") + tr("Reason: %1").arg(r.reason.simplified());
    if (!problem.isEmpty())
        text += QStringLiteral("\n      \u26A0 %1%2").arg(r.line ? tr("Line %1: ").arg(r.line) : QString(), problem);
    else if (tooLong(r.text))
        text += QStringLiteral("\n      \u26A0 ") + tr("too long: it would be cut short on the quiz screen");
    return text;
}

bool StatementEditor::tooLong(const QString& text)
{
    const auto known = tooLong_.constFind(text);
    if (known != tooLong_.constEnd())
        return *known;
    return tooLong_[text] = tooLongToShow(text);
}

// The fields show row `row`; each is set only where it differs, so the caret
// stays where the teacher is typing.
void StatementEditor::showRow(int row)
{
    const Draft& draft = history.draft();
    const bool any = row >= 0 && row < int(draft.rows.size());
    const DraftRow shown = any ? draft.rows[std::size_t(row)] : DraftRow{};
    refreshing_ = true;
    for (QWidget* field : std::initializer_list<QWidget*>{&statement.widget, &answer.widget, &reason.widget})
        field->setEnabled(any);
    if (statement.widget.toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' ')) != shown.text)
        statement.widget.setPlainText(shown.text);
    if (reason.widget.text() != shown.reason) {
        reason.widget.setText(shown.reason);
        reason.widget.setCursorPosition(0); // its start in view
    }
    const auto choice = std::find_if(draft.choices.begin(), draft.choices.end(),
                                     [&](const QString& c) { return !shown.answer.isEmpty() && sameAnswer(c, shown.answer); });
    answer.widget.setCurrentIndex(choice == draft.choices.end() ? -1 : int(choice - draft.choices.begin()));
    refreshing_ = false;
    QString note = any ? problems_.value(row) : QString();
    if (any && !note.isEmpty() && shown.line)
        note = tr("Line %1 of the file: %2").arg(shown.line).arg(note);
    if (any && tooLong(shown.text))
        note += (note.isEmpty() ? QString() : QStringLiteral(". ")) +
                tr("Too long: even at the smallest size it would be cut short on the quiz screen. Shorten it.");
    if (!note.isEmpty())
        note[0] = note[0].toUpper();
    rowNote.setCaption(note);
    for (const int command : {Delete, Up, Down})
        rowCommands(command).setEnabled(any);
}

void StatementEditor::commitChoices()
{
    if (!history.draft().ownQuiz)
        return;
    QStringList captions;
    for (const activity::TextField* choice : choices)
        captions << choice->widget.text();
    history.changeChoices(captions);
}

void StatementEditor::runRowCommand(int command)
{
    if (question.asking())
        return;
    switch (command) {
    case Add:
        if (int(history.draft().rows.size()) >= MostStatements) {
            tell(tr("A quiz holds at most %1 statements.").arg(MostStatements));
            return;
        }
        history.addStatement(current());
        statement.widget.setFocus();
        break;
    case Delete:
        history.deleteStatement(current());
        break;
    case Up:
        history.moveStatement(current(), -1);
        break;
    case Down:
        history.moveStatement(current(), 1);
        break;
    default:
        break;
    }
}

void StatementEditor::runCommand(int command)
{
    if (question.asking())
        return;
    switch (command) {
    case Undo:
        history.stack.undo();
        break;
    case Redo:
        history.stack.redo();
        break;
    case Save:
        save();
        break;
    case Restore:
        restoreOurs();
        break;
    case Play:
        play();
        break;
    case Exit:
        leave();
        break;
    default:
        break;
    }
}

void StatementEditor::moveOverBackground(const forms::MouseArgs&)
{
    for (auto* group : {&commands, &rowCommands})
        activity::dimCommands(*group);
}

void StatementEditor::tell(const QString& text) { forms::Notice::post(*this, text); }

void StatementEditor::closeEvent(QCloseEvent* event)
{
    if (!hasChanges())
        return Screen::closeEvent(event);
    event->ignore();
    leave();
}

// A statement is one line: Enter in it is taken, never typed.
bool StatementEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &statement.widget && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

} // namespace statements
