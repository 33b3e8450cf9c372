// The statement quiz: its layout and its handlers.
#include "statements/quiz.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/ownfolders.h"
#include "activity/setup.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/screens.h"
#include "statements/editor/statementeditor.h"
#include "statements/ownquiz.h"

#include <QFileInfo>

namespace statements {

namespace {
using forms::Label;

// Clear of the statement box below them.
const forms::TwipRect LevelPlaces[] = {{240, 120, 1335, 435}, {240, 600, 1335, 435}};
// Beside the level switch where there is one, across the screen where not.
const forms::TwipRect InstructionPlace{1800, 180, 8400, 900}, WideInstructionPlace{600, 180, 10800, 900};

// At the far left of the commands, away from the pupils' Answer and Next.
const activity::Command EditCommand{"Edit statements", {120, 7920, 2685, 495}};

const forms::LabelLook StatementLook{StatementFamily, StatementPoints, true, forms::Yellow, forms::Black, false, false,
                                     Label::Align::Center};
} // namespace

forms::TwipRect statementArea()
{
    return {StatementBox.left + StatementInset, StatementBox.top + StatementInset,
            StatementBox.width - 2 * StatementInset, StatementBox.height - 2 * StatementInset};
}

TextFit fitStatement(const QString& text)
{
    const forms::TwipRect area = statementArea();
    return fitText(text, StatementFamily, true, QSize(forms::designPixels(area.width), forms::designPixels(area.height)),
                   StatementPoints, StatementLeast);
}

StatementQuiz::StatementQuiz(forms::Screens& screens, const QuizData& data, const QString& title)
    : Screen(screens, data.screen),
      instruction(forms::design(*new Label(this, "instruction"), data.instruction,
                                data.levels.isEmpty() ? WideInstructionPlace : InstructionPlace,
                                activity::timesText(20.25))),
      statementBox(forms::design(*new Label(this, "statementBox"), {}, StatementBox,
                                 activity::answerBox(StatementPoints))),
      statement(forms::design(*new Label(this, "statement"), {}, StatementBox, StatementLook)),
      parts(*this, data),
      data_(data)
{
    setCaption(title);
    if (!data.levels.isEmpty())
        activity::buildOptions(this, levelSwitch,
                               {std::span<const QString>(data.levels.constData(), std::size_t(data.levels.size())),
                                LevelPlaces, forms::Orange, 14.25, 0});
    // A level is pressed like a choice: a button to a screen reader, after the choices for Tab.
    levelSwitch.forEach([this](int, forms::OptionButton& level) {
        forms::setAccessibleRole(level, QAccessible::Button);
        parts.keys().take(level);
    });
    activity::buildCommands(this, teacherCommands, {&EditCommand, 1});
    parts.keys().take(teacherCommands(0)); // last in the Tab order, out of the pupils' way
    connect(&teacherCommands, &forms::GroupSignals::clicked, this, &StatementQuiz::editStatements);
    connect(&parts, &QuizParts::dealt, this, &StatementQuiz::show);
    connect(&levelSwitch, &forms::GroupSignals::clicked, this, &StatementQuiz::switchLevel);
}

void StatementQuiz::load()
{
    activity::prepareScreen(*this);
    setBackColor(QuizBackground);
    levelSwitch.forEach([](int, forms::OptionButton& level) { level.setBackColor(QuizBackground); });
    loadSet();
    parts.restart(int(set_.statements.size()));
}

void StatementQuiz::loadSet()
{
    QStringList answers;
    for (const Choice& choice : data_.choices)
        answers << choice.caption;
    set_ = dealtSet(answers);
    activity::tellOnce(*this, set_.notice);
}

StatementSet StatementQuiz::dealtSet(const QStringList& answers)
{
    if (!data_.ownFile.isEmpty())
        return ownQuizSet(data_.ownFile, answers);
    if (data_.sets.isEmpty())
        return {};
    int level = 0;
    levelSwitch.forEach([&level](int k, forms::OptionButton& option) { if (option.value()) level = k; });
    return loadStatements(data_.sets.value(level, data_.sets.front()), answers, teacherFolder());
}

void StatementQuiz::show(int card)
{
    if (card < 0) {
        parts.ask(-1, {});
        return;
    }
    const Statement& shown = set_.statements[std::size_t(card)];
    const TextFit fit = fitStatement(shown.text);
    if (fit.cut)
        qWarning("%s:%d: statement too long to show in full; cut short", qPrintable(set_.file), shown.line);
    const forms::TwipRect area = statementArea();
    const float height = forms::designTwips(fit.heightPixels);
    statement.setDesignFont(StatementFamily, fit.points, true);
    statement.place(area.left, area.top + (area.height - height) / 2, area.width, height);
    statement.setCaption(fit.text);
    forms::setAccessibleNameSource(statement, [text = shown.text] { return text; }); // whole, even when cut short
    forms::announceName(statement);

    const QString answer = data_.choices[std::size_t(shown.answer)].caption;
    parts.ask(shown.answer, shown.reason.isEmpty() ? answer : answer + QStringLiteral(" \u2013 ") + shown.reason);
}

void StatementQuiz::switchLevel(int)
{
    loadSet();
    parts.restart(int(set_.statements.size()));
}

void StatementQuiz::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(parts.commands);
    activity::dimCommands(teacherCommands);
}

void StatementQuiz::editStatements()
{
    if (!data_.ownFile.isEmpty()) {
        // A copy of a school's quiz, or of one in a folder that cannot be written, goes to the teacher's own folder.
        const QString folder = QFileInfo(data_.ownFile).absolutePath();
        const bool own = !activity::isSchoolFile(data_.ownFile) && QFileInfo(folder).isWritable();
        openQuizEditor(screens(), data_.ownFile, own ? folder : activity::standardPlaces().user, data_.screen);
    } else {
        int level = 0;
        levelSwitch.forEach([&level](int k, forms::OptionButton& option) { if (option.value()) level = k; });
        openSetEditor(screens(), data_, level, windowTitle());
    }
    screens().unload(data_.screen); // shown afresh on leaving the editor, with what was saved
}

} // namespace statements
