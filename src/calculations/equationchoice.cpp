#include "calculations/equationchoice.h"
#include "activity/commands.h"
#include "activity/looks.h"
#include "activity/setup.h"
#include "calculations/equationdrill.h"
#include "calculations/equationquestions.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "activity/ownfolders.h"
#include "forms/screens.h"

#include <QFileInfo>

namespace calculations {

namespace {
using forms::Label;

const activity::Command Commands[] = {activity::ExitCommand,
                                      {QStringLiteral("Start"), activity::CheckScoreCommand.at},
                                      {QStringLiteral("Tick All"), activity::NewQuestionCommand.at},
                                      {QStringLiteral("Clear All"), activity::StartAgainCommand.at},
                                      {QStringLiteral("Save Set"), {10200, 7020, 1605, 450}}};
const QString LevelCaptions[] = {QStringLiteral("Recall"), QStringLiteral("Level 1"), QStringLiteral("Level 2"), QStringLiteral("Level 3")};
const forms::TwipRect LevelPlaces[] = {{240, 7080, 1755, 330}, {2040, 7080, 1755, 330}, {3840, 7080, 1755, 330}, {5640, 7080, 1755, 330}};

const QColor Background(40, 65, 136);
// The areas in their columns, top to bottom.
const std::vector<Area> Columns[] = {{Area::Forces}, {Area::Energy, Area::Waves}, {Area::Electricity, Area::Magnetism, Area::ParticleModel}};
constexpr float ColumnLeft = 240, ColumnStep = 3960, ColumnWidth = 3840, FirstRow = 960, RowStep = 345, RowHeight = 330;

QString caption(const Equation& eq) { return eq.higher ? eq.name + QStringLiteral(" (HT)") : eq.name; }
} // namespace

EquationChoice::EquationChoice(forms::Screens& screens)
    : Screen(screens, EquationChoiceId),
      instruction(*new Label(this, QStringLiteral("instruction"))),
      words(*new Label(this, QStringLiteral("words"))),
      title(*new activity::Hosted<QLineEdit>(this, QStringLiteral("title"), {7560, 7050, 2520, 390}, 12, QStringLiteral("Title of the equation set")))
{
    title.widget.setPlaceholderText(QStringLiteral("Title of your set"));
    title.widget.setMaxLength(LongestSetTitle);
    setCaption(QStringLiteral("Equation Practice"));
    forms::design(instruction, "Tick the equations for today, choose the level, then click Start. (HT): Higher tier only.",
                  {240, 150, 11520, 600}, activity::timesText(16));
    forms::design(words, QString(), {240, 6270, 11520, 720}, activity::timesText(14.25, QColor(255, 255, 255)));
    int heading = 0, box = 0;
    for (int column = 0; column < int(std::size(Columns)); ++column) {
        float top = FirstRow;
        const float left = ColumnLeft + column * ColumnStep;
        for (const Area area : Columns[column]) {
            forms::design(headings.create(this, heading++), areaName(area), {left, top, ColumnWidth, RowHeight},
                          activity::timesText(14.25, forms::Orange));
            top += RowStep;
            for (std::size_t k = 0; k < equations().size(); ++k) {
                const Equation& eq = equations()[k];
                if (eq.area != area)
                    continue;
                forms::CheckBox& tick = boxes.create(this, box++);
                tick.setCaption(caption(eq));
                tick.place(left + 120, top, ColumnWidth - 120, RowHeight);
                tick.setDesignFont(QStringLiteral("Arial"), 11.25, true);
                tick.setForeColor(forms::Yellow);
                tick.setFocusPolicy(Qt::TabFocus); // Space ticks it
                forms::setAccessibleDescriptionSource(tick, [&eq] { return eq.words; });
                order_.push_back(int(k));
                top += RowStep;
            }
        }
    }
    activity::buildOptions(this, levels, {LevelCaptions, LevelPlaces, forms::Orange, 14.25, FindSubject});
    activity::buildCommands(this, commands, Commands);
    for (int k = 0; k < commands.count(); ++k)
        activity::runOnKeys(commands(k), [this, k] { runCommand(k); });
    connect(&commands, &forms::GroupSignals::clicked, this, &EquationChoice::runCommand);
    connect(&boxes, &forms::GroupSignals::clicked, this, &EquationChoice::showWords);
}

void EquationChoice::load()
{
    activity::prepareScreen(*this);
    setBackColor(Background);
    const auto blue = [](int, auto& control) { control.setBackColor(Background); };
    levels.forEach(blue);
    boxes.forEach(blue);
    const QVariant level = screens().setting(EquationLevelKey);
    choose(screens().setting(ChosenEquationsKey).toString().split(QLatin1Char(','), Qt::SkipEmptyParts),
           level.isValid() ? level.toInt() : int(FindSubject));
    words.setCaption(QString());
}

QStringList EquationChoice::ticked() const
{
    QStringList ids;
    boxes.forEach([&](int k, const forms::CheckBox& box) {
        if (box.value())
            ids << equations()[std::size_t(order_[std::size_t(k)])].id;
    });
    return ids;
}

int EquationChoice::level() const
{
    for (int k = 0; k < levels.count(); ++k)
        if (levels(k).value())
            return k;
    return FindSubject;
}

void EquationChoice::choose(const QStringList& ids, int level)
{
    QStringList known;
    for (const QString& id : ids)
        if (findEquation(id))
            known << id;
    boxes.forEach([&](int k, forms::CheckBox& box) {
        const QString& id = equations()[std::size_t(order_[std::size_t(k)])].id;
        box.setValue(known.isEmpty() || known.contains(id) ? 1 : 0);
    });
    levels(std::clamp(level, int(Recall), int(ConvertFirst))).setValue(true);
}

void EquationChoice::showWords(int box)
{
    const Equation& eq = equations()[std::size_t(order_[std::size_t(box)])];
    words.setCaption(boxes(box).value() ? eq.words : QString());
}

void EquationChoice::start()
{
    const QStringList ids = ticked();
    if (ids.isEmpty()) {
        words.setCaption(QStringLiteral("Tick at least one equation, then click Start."));
        forms::announceName(words);
        return;
    }
    screens().choose(ChosenEquationsKey, ids.join(QLatin1Char(',')));
    screens().choose(EquationLevelKey, level());
    auto& drill = screens().get<EquationDrill>(EquationDrillId);
    drill.play(ids, level());
    screens().show(EquationDrillId);
}

void EquationChoice::editSet(const QString& path, const QString& folder, bool readOnly)
{
    file_ = std::make_unique<activity::EditedFile>(path, folder, LargestEquationSet,
                                                   !readOnly && !activity::isSchoolFile(path));
    set_ = {};
    title.widget.clear();
    if (path.isEmpty()) {
        words.setCaption(QStringLiteral("Tick the equations, give the set a title, then click Save Set."));
        return;
    }
    const activity::TeacherFile file = file_->open();
    const EquationSetRead read = file.ok() ? parseEquationSet(file.bytes, QFileInfo(path).fileName()) : EquationSetRead{{}, file.problem};
    if (!read.ok()) {
        file_->forget(); // never written over: a save makes a new file
        words.setCaption(read.problem);
        return;
    }
    set_ = read.set;
    choose(set_.equations, set_.level);
    title.widget.setText(set_.title);
    words.setCaption(file_->readOnly() ? QStringLiteral("This set cannot be changed here: Save Set saves a copy.") : QString());
}

void EquationChoice::saveSet()
{
    const QString named = title.widget.text().trimmed();
    const QStringList ids = ticked();
    if (named.isEmpty() || ids.isEmpty()) {
        words.setCaption(named.isEmpty() ? QStringLiteral("Give the set a title, then click Save Set.")
                                         : QStringLiteral("Tick at least one equation, then click Save Set."));
        forms::announceName(words);
        return;
    }
    if (!file_)
        file_ = std::make_unique<activity::EditedFile>(QString(), activity::standardPlaces().user, LargestEquationSet);
    EquationSet set = set_;
    set.title = named;
    set.equations = ids;
    set.level = level();
    // A set changed on disk meanwhile is kept as it is: this one goes beside it.
    const bool inPlace = !file_->isNew() && !file_->readOnly() && !file_->changedOnDisk();
    const QString path = inPlace ? file_->path() : file_->pathForCopy(named, EquationSetExtension, QStringLiteral("Equation set"));
    const QString problem = file_->saveAs(path, equationSetJson(set));
    if (problem.isEmpty())
        set_ = set;
    words.setCaption(problem.isEmpty() ? QStringLiteral("Saved as %1 in My Activities.").arg(QFileInfo(path).fileName()) : problem);
    forms::announceName(words);
}

void EquationChoice::runCommand(int command)
{
    switch (command) {
    case Exit:
        unloadSelf();
        break;
    case Start:
        start();
        break;
    case SaveSet:
        saveSet();
        break;
    case TickAll:
    case ClearAll:
        boxes.forEach([command](int, forms::CheckBox& box) { box.setValue(command == TickAll ? 1 : 0); });
        words.setCaption(QString());
        break;
    default:
        break;
    }
}

void EquationChoice::moveOverBackground(const forms::MouseArgs&)
{
    activity::dimCommands(commands);
}

void addEquationChoice(forms::Screens& screens)
{
    screens.add(EquationChoiceId, [](forms::Screens& s) { return std::make_unique<EquationChoice>(s); });
}

} // namespace calculations
