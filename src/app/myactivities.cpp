#include "app/myactivities.h"
#include "activity/ownindex.h"
#include "activity/textlength.h"
#include "app/links.h"
#include "app/menu.h"
#include "app/openingscreen.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/notice.h"
#include "forms/screens.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>

#include <algorithm>

namespace app {

namespace {
using forms::Label;
const forms::LabelLook TitleLook{"Tahoma", 36, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
// Opaque, so that long lines stay readable over the backdrop.
const forms::LabelLook RowLook{"Tahoma", 12, true, forms::Yellow, forms::Black, true, true, Label::Align::Left};
const forms::LabelLook OriginLook{"Tahoma", 12, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook KindLook{"Tahoma", 10, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook CommandLook{"Tahoma", 12, true, forms::Yellow, forms::Blue, true, true, Label::Align::Center};
const forms::LabelLook PageLook{"Tahoma", 12, true, forms::Yellow, forms::Black, false, false, Label::Align::Center};
const QColor Selected(0, 0, 160);
constexpr float FirstRowTop = 1440, RowHeight = 600, RowGap = 690;
// Each row: its title, its kind, where it comes from.
constexpr float TitleLeft = 240, TitleWidth = 4920, KindLeft = 5280, KindWidth = 1920, OriginLeft = 7320, OriginWidth = 1440;
constexpr float CommandsLeft = 9000, CommandWidth = 2880, CommandHeight = 540, CommandGap = 660;

// A title as a question or notice quotes it: cut where it would not leave the
// question room for what it asks.
// At most `most` characters of `text`, the last an ellipsis where it is cut.
QString cut(const QString& text, int most)
{
    return activity::characterCount(text) > most ? activity::firstCharacters(text, most - 1).trimmed() + QStringLiteral("\u2026") : text;
}

// A title as a notice quotes it, cut to fit its line.
QString quoted(const QString& title, int most = 60) { return QStringLiteral("\u201C%1\u201D").arg(cut(title, most)); }

// An activity as a question names it, in at most about `most` characters, so
// that the question's first line holds it: its title (or file's name), and
// its file's name where another row has the title too.
QString named(const ListedActivity& listed, int most)
{
    if (listed.summary.title.isEmpty())
        return quoted(QFileInfo(listed.file.path).fileName(), most);
    if (listed.tellApart.isEmpty())
        return quoted(listed.summary.title, most);
    const QString file = cut(listed.tellApart, most / 2);
    return QStringLiteral("%1 (%2)").arg(quoted(listed.summary.title, std::max(12, most - 3 - activity::characterCount(file))), file);
}

// What a row shows: as much as its two lines hold, the file's name that tells
// it apart kept whole. A screen reader hears it all.
QString shownCaption(const ListedActivity& listed)
{
    constexpr int RowCharacters = 60;
    if (listed.tellApart.isEmpty())
        return cut(listed.caption(), RowCharacters);
    const int room = std::max(20, RowCharacters - 3 - activity::characterCount(listed.tellApart));
    return QStringLiteral("%1 \u2013 %2").arg(cut(listed.summary.title, room), listed.tellApart);
}

// The kind as its command names it: "New labelling activity" is a "labelling activity".
QString kindName(const activity::OwnKind& kind)
{
    const QString made = kind.newCommand;
    return made.startsWith(QLatin1String("New "), Qt::CaseInsensitive) ? made.mid(4) : made;
}

bool sameFileName(const QString& a, const QString& b) { return QFileInfo(a).fileName() == QFileInfo(b).fileName(); }

} // namespace

MyActivitiesPlaces standardActivityPlaces()
{
    const activity::ActivityPlaces places = activity::standardPlaces();
    return {places, QFileInfo(places.user).absolutePath() + QStringLiteral("/activities-index.json"),
            [](QWidget* owner, const QStringList& extensions) {
                QStringList patterns;
                for (const QString& extension : extensions)
                    patterns << QStringLiteral("*.") + extension;
                return QFileDialog::getOpenFileName(owner, QStringLiteral("Import an activity"), QDir::homePath(),
                                                    QStringLiteral("Activities (%1)").arg(patterns.join(QLatin1Char(' '))));
            },
            [](QWidget* owner, const QString& start) {
                return QFileDialog::getExistingDirectory(owner, QStringLiteral("Choose the shared folder"), start);
            },
            [](const QString& path) { return QFile::moveToTrash(path); }};
}

QString ListedActivity::caption() const
{
    if (summary.problem.isEmpty())
        return tellApart.isEmpty() ? summary.title : QStringLiteral("%1 \u2013 %2").arg(summary.title, tellApart);
    QString caption = summary.problem;
    caption[0] = caption[0].toUpper();
    return caption;
}

void tellApart(std::vector<ListedActivity>& listed)
{
    QHash<QString, std::vector<ListedActivity*>> byTitle;
    for (ListedActivity& entry : listed) {
        entry.tellApart.clear();
        if (entry.summary.problem.isEmpty())
            byTitle[entry.summary.title.simplified().toCaseFolded()].push_back(&entry);
    }
    for (const std::vector<ListedActivity*>& alike : std::as_const(byTitle)) {
        if (alike.size() < 2)
            continue;
        // The row's origin tells apart files of one name in "Yours" and "Shared";
        // two school folders' files of one name need their folders.
        for (ListedActivity* entry : alike) {
            const QString& path = entry->file.path;
            const auto named = std::count_if(alike.begin(), alike.end(), [&](const ListedActivity* other) {
                return other->file.origin == entry->file.origin && sameFileName(other->file.path, path);
            });
            entry->tellApart = named == 1 ? QFileInfo(path).fileName() : QDir::toNativeSeparators(path);
        }
    }
}

QString MyActivities::kindCaption(const ListedActivity& listed)
{
    QString name = listed.file.kind ? kindName(*listed.file.kind) : QString();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

MyActivities::MyActivities(forms::Screens& screens, std::vector<const activity::OwnKind*> kinds, MyActivitiesPlaces places)
    : Screen(screens, Id),
      title(*new Label(this, "title")),
      pageIndicator(*new Label(this, "pageIndicator")),
      question(*new activity::Question(this, {1200, 2760, 9600, 2040})),
      exitButton(*new forms::Button(this, "exitButton")),
      jotterButton(*new forms::Button(this, "jotterButton")),
      kinds_(std::move(kinds)),
      places_(std::move(places))
{
    setCaption(QStringLiteral("Quorvanta"));
    forms::design(title, "My Activities", {2797.5f, 120, 6405, 1020}, TitleLook);
    for (int r = 0; r < RowsPerPage; ++r) {
        const float top = FirstRowTop + RowGap * float(r);
        forms::design(rows.create(this, r), {}, {TitleLeft, top, TitleWidth, RowHeight}, RowLook);
        forms::design(rowKinds.create(this, r), {}, {KindLeft, top, KindWidth, RowHeight}, KindLook);
        forms::design(origins.create(this, r), {}, {OriginLeft, top, OriginWidth, RowHeight}, OriginLook);
    }
    QStringList captions{"Play", "Edit", "Delete", "Import...", "Choose shared folder..."};
    for (const activity::OwnKind* kind : kinds_)
        captions << kind->newCommand;
    for (int k = 0; k < int(captions.size()); ++k) {
        // Each kind's "New" command stands first, then the others in turn.
        const int place = k >= FirstNew ? k - FirstNew : k + int(kinds_.size());
        forms::design(commands.create(this, k), captions[k],
                      {CommandsLeft, FirstRowTop + CommandGap * float(place), CommandWidth, CommandHeight}, CommandLook);
    }
    forms::design(pageLinks.create(this, 0), "Previous page", {2160, 7950, 2040, 495}, CommandLook);
    forms::design(pageLinks.create(this, 1), "Next page", {6600, 7950, 2040, 495}, CommandLook);
    forms::design(pageIndicator, {}, {4260, 8010, 2280, 420}, PageLook);
    exitButton.place(60, 7950, 1785, 495);
    exitButton.setWord(QStringLiteral("Exit"));
    jotterButton.place(10050, 7950, 1785, 495);

    connect(&exitButton, &forms::Control::clicked, this, [this] { showInstead(OpeningScreen::Id); });
    connect(&jotterButton, &forms::Control::clicked, this, [this] { openJotter(this->screens()); });
    // The kind and the origin beside a title are the row's too.
    for (const forms::ControlGroup<Label>* row : {&rows, &rowKinds, &origins})
        connect(row, &forms::GroupSignals::clicked, this, &MyActivities::tapRow);
    connect(&commands, &forms::GroupSignals::clicked, this, &MyActivities::runCommand);
    connect(&pageLinks, &forms::GroupSignals::clicked, this, [this](int link) {
        if (!question.asking())
            showPage(page_ + (link == 0 ? -1 : 1));
    });
    lightUnderPointer(title);
    for (const forms::ControlGroup<Label>* group : {&rows, &commands, &pageLinks})
        group->forEach([this](int, Label& control) {
            control.setFocusPolicy(Qt::TabFocus);
            control.installEventFilter(this);
        });
    for (int r = 0; r < RowsPerPage; ++r)
        forms::setAccessibleNameSource(rows(r), [this, r] { return spokenRow(r); });
    // Tab: the rows, the commands beside them from the top, the pages, then Exit and the Jotter.
    std::vector<QWidget*> order;
    rows.forEach([&order](int, Label& row) { order.push_back(&row); });
    std::vector<Label*> byPlace;
    commands.forEach([&byPlace](int, Label& command) { byPlace.push_back(&command); });
    std::stable_sort(byPlace.begin(), byPlace.end(), [](const Label* a, const Label* b) { return a->top() < b->top(); });
    order.insert(order.end(), byPlace.begin(), byPlace.end());
    for (QWidget* w : std::initializer_list<QWidget*>{&pageLinks(0), &pageLinks(1), &exitButton, &jotterButton})
        order.push_back(w);
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

QString MyActivities::spokenRow(int row) const
{
    const int index = page_ * RowsPerPage + row;
    if (index >= int(listed_.size()))
        return rows(row).caption();
    const ListedActivity& listed = listed_[std::size_t(index)];
    QStringList said{listed.caption()};
    if (listed.file.kind)
        said << kindName(*listed.file.kind);
    said << activity::originName(listed.file.origin);
    if (index == selected_)
        said << QStringLiteral("chosen: Enter plays it");
    return said.join(QStringLiteral(", "));
}

bool MyActivities::eventFilter(QObject* watched, QEvent* event)
{
    const auto* control = qobject_cast<forms::Control*>(watched);
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    const int pressed = key ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (!control || (pressed != Qt::Key_Return && pressed != Qt::Key_Enter && pressed != Qt::Key_Space))
        return Screen::eventFilter(watched, event);
    if (event->type() == QEvent::KeyRelease)
        return true;
    const QString& group = control->name();
    if (question.asking())
        return true;
    if (group == rows.name())
        tapRow(control->index());
    else if (group == commands.name())
        runCommand(control->index());
    else if (group == pageLinks.name())
        showPage(page_ + (control->index() == 0 ? -1 : 1));
    return true;
}

void MyActivities::load()
{
    prepareLikeMenu(*this, exitButton, jotterButton);
    for (Label* link : {&pageLinks(0), &pageLinks(1)})
        forms::setAccessibleRole(*link, QAccessible::Link);
    commands.forEach([](int, Label& command) { forms::setAccessibleRole(command, QAccessible::Button); });
    refresh();
}

void MyActivities::refresh()
{
    const QString keep = current() ? current()->file.path : QString();
    const auto folders = activity::activityFolders(places_.places, activity::sharedFolder(screens()));
    const auto found = activity::findActivityFiles(folders, kinds_);
    // A folder that cannot be read lists nothing: the teacher is told why its activities are gone.
    QStringList unread;
    for (const activity::ActivityFolder& folder : folders)
        if (const QString why = activity::folderProblem(folder); !why.isEmpty())
            unread << why;
    activity::SummaryIndex index(places_.indexFile, QStringLiteral(TAVRENEL_VERSION));
    listed_.clear();
    for (const activity::FoundFile& file : found)
        listed_.push_back({file, index.summary(file), {}});
    index.save(found);
    tellApart(listed_);
    // Yours, then the school's, then the shared ones; by title within each.
    std::stable_sort(listed_.begin(), listed_.end(), [](const ListedActivity& a, const ListedActivity& b) {
        if (a.file.origin != b.file.origin)
            return a.file.origin < b.file.origin;
        return a.caption().compare(b.caption(), Qt::CaseInsensitive) < 0;
    });
    const auto kept = std::find_if(listed_.begin(), listed_.end(), [&](const ListedActivity& a) { return a.file.path == keep; });
    selected_ = kept == listed_.end() ? -1 : int(kept - listed_.begin());
    showPage(selected_ >= 0 ? selected_ / RowsPerPage : page_);
    if (!unread.isEmpty())
        forms::Notice::post(*this, unread.join(QLatin1Char(' ')));
}

int MyActivities::pageCount() const { return std::max(1, (int(listed_.size()) + RowsPerPage - 1) / RowsPerPage); }

void MyActivities::showPage(int page)
{
    page_ = std::clamp(page, 0, pageCount() - 1);
    for (int r = 0; r < RowsPerPage; ++r) {
        const int index = page_ * RowsPerPage + r;
        const bool shown = index < int(listed_.size());
        rows(r).setVisible(shown);
        rowKinds(r).setVisible(shown);
        origins(r).setVisible(shown);
        if (!shown)
            continue;
        rows(r).setCaption(shownCaption(listed_[index]));
        rowKinds(r).setCaption(kindCaption(listed_[index]));
        origins(r).setCaption(activity::originName(listed_[index].file.origin));
        forms::setAccessibleRole(rows(r), QAccessible::ListItem);
    }
    if (listed_.empty()) {
        rows(0).setCaption(QStringLiteral("No activities yet. Make one with \u201C%1\u201D.")
                               .arg(kinds_.empty() ? QString() : kinds_.front()->newCommand));
        rows(0).show();
    }
    pageIndicator.setCaption(QStringLiteral("Page %1 of %2").arg(page_ + 1).arg(pageCount()));
    const bool paged = pageCount() > 1;
    pageIndicator.setVisible(paged);
    pageLinks(0).setVisible(paged && page_ > 0);
    pageLinks(1).setVisible(paged && page_ + 1 < pageCount());
    moveOverBackground({});
}

void MyActivities::select(int index)
{
    selected_ = index >= 0 && index < int(listed_.size()) ? index : -1;
    moveOverBackground({});
    // The chosen row holds the keyboard, so that Enter plays it.
    if (selected_ >= 0 && selected_ / RowsPerPage == page_ && !question.asking()) {
        Label& row = rows(selected_ % RowsPerPage);
        row.setFocus(Qt::OtherFocusReason);
        forms::announceName(row);
    }
}

void MyActivities::tapRow(int row)
{
    const int index = page_ * RowsPerPage + row;
    // A question holds the screen until it is answered.
    if (index >= int(listed_.size()) || question.asking())
        return;
    if (index == selected_)
        play();
    else
        select(index);
}

const ListedActivity* MyActivities::current() const
{
    return selected_ >= 0 && selected_ < int(listed_.size()) ? &listed_[selected_] : nullptr;
}

void MyActivities::runCommand(int index)
{
    if (question.asking())
        return;
    switch (index) {
    case Play:
        play();
        break;
    case Edit:
        edit();
        break;
    case Delete:
        askToDelete();
        break;
    case Import:
        if (places_.pickFile) {
            QStringList extensions;
            for (const activity::OwnKind* kind : kinds_)
                extensions << kind->extension;
            const QString picked = places_.pickFile(this, extensions);
            backFromDialog();
            importFile(picked);
        }
        break;
    case ChooseShared:
        if (places_.pickFolder) {
            const QString picked = places_.pickFolder(this, activity::sharedFolder(screens()));
            backFromDialog();
            chooseShared(picked);
        }
        break;
    default:
        makeNew(index - FirstNew);
        break;
    }
}

// The keyboard comes back to this screen from the desktop's dialog, even
// where no window manager gives it back.
void MyActivities::backFromDialog()
{
    if (isVisible())
        activateWindow();
}

void MyActivities::play()
{
    const ListedActivity* chosen = current();
    if (!chosen) {
        forms::Notice::post(*this, QStringLiteral("Choose an activity first."));
        return;
    }
    const QString problem = chosen->file.kind->play(screens(), chosen->file.path);
    if (!problem.isEmpty())
        forms::Notice::post(*this, problem);
}

// The editor takes this screen's place; this screen is read afresh when the
// editor shows it again.
void MyActivities::openElsewhere(const std::function<void()>& open)
{
    open();
    unloadSelf();
}

void MyActivities::edit()
{
    const ListedActivity* chosen = current();
    if (!chosen) {
        forms::Notice::post(*this, QStringLiteral("Choose an activity first."));
        return;
    }
    if (!chosen->summary.problem.isEmpty()) {
        forms::Notice::post(*this, chosen->caption());
        return;
    }
    const activity::FoundFile file = chosen->file;
    openElsewhere([&] { file.kind->edit(screens(), file.path, places_.places.user, file.readOnly); });
}

void MyActivities::makeNew(int kind)
{
    if (kind < 0 || kind >= int(kinds_.size()))
        return;
    const activity::OwnKind* made = kinds_[kind];
    openElsewhere([&] { made->edit(screens(), {}, places_.places.user, false); });
}

void MyActivities::askToDelete()
{
    const ListedActivity* chosen = current();
    if (!chosen) {
        forms::Notice::post(*this, QStringLiteral("Choose an activity first."));
        return;
    }
    if (chosen->file.readOnly) {
        forms::Notice::post(*this, QStringLiteral("%1 is in a folder that cannot be changed from here, so it cannot be deleted.")
                                       .arg(named(*chosen, 40)));
        return;
    }
    // What goes is what was asked about.
    const ListedActivity asked = *chosen;
    if (asked.file.origin == activity::Origin::Shared)
        ask(QStringLiteral("Delete %1 from the shared folder?\nIt is the department's file: it goes for everyone.").arg(named(asked, 30)),
            QStringLiteral("Delete for everyone"), [this, asked] { deleteFile(asked, false); });
    else
        ask(QStringLiteral("Delete %1?\nIt goes to the wastebasket.").arg(named(asked, 50)), QStringLiteral("Delete"),
            [this, asked] { deleteFile(asked, false); });
}

void MyActivities::deleteFile(const ListedActivity& chosen, bool forGood)
{
    const QString path = chosen.file.path, name = QFileInfo(path).fileName();
    const bool shared = chosen.file.origin == activity::Origin::Shared;
    if (!QFileInfo::exists(path)) {
        refresh();
        forms::Notice::post(*this, QStringLiteral("%1 is no longer there.").arg(name));
        return;
    }
    if (!forGood && !(places_.moveToTrash && places_.moveToTrash(path))) {
        ask(shared ? QStringLiteral("There is no wastebasket in the shared folder.\nDelete %1 for good, for everyone?").arg(quoted(name, 30))
                   : QStringLiteral("There is no wastebasket here.\nDelete %1 for good?").arg(quoted(name, 44)),
            QStringLiteral("Delete for good"), [this, chosen] { deleteFile(chosen, true); });
        return;
    }
    if (forGood && !QFile::remove(path)) {
        forms::Notice::post(*this, QStringLiteral("%1 could not be deleted.").arg(name));
        return;
    }
    if (current() && current()->file.path == path)
        selected_ = -1;
    refresh();
}

void MyActivities::ask(const QString& text, const QString& yes, std::function<void()> onYes)
{
    question.ask(text, {yes, QStringLiteral("Keep it")}, [onYes = std::move(onYes)](int answer) {
        if (answer == 0)
            onYes();
    });
}

void MyActivities::importFile(const QString& path)
{
    if (!path.isEmpty())
        import(path, activity::WhenTaken::Ask);
}

void MyActivities::import(const QString& path, activity::WhenTaken whenTaken)
{
    using Outcome = activity::Imported::Outcome;
    const activity::Imported imported = activity::importActivity(path, kinds_, places_.places.user, whenTaken);
    const QString name = QFileInfo(imported.path).fileName();
    switch (imported.outcome) {
    case Outcome::Refused:
        forms::Notice::post(*this, imported.problem);
        return;
    case Outcome::NameTaken:
        question.ask(QStringLiteral("Your activities already have a file called %1.\nReplace it with the one imported, or keep both?")
                         .arg(cut(name, 40)),
                     {QStringLiteral("Replace"), QStringLiteral("Keep both"), QStringLiteral("Cancel")}, [this, path](int answer) {
                         if (answer < 2)
                             import(path, answer == 0 ? activity::WhenTaken::Replace : activity::WhenTaken::KeepBoth);
                     });
        return;
    case Outcome::Same:
        refresh();
        chooseFile(imported.path);
        forms::Notice::post(*this, QStringLiteral("%1 is already in your activities, as %2.").arg(quoted(imported.title), name));
        return;
    case Outcome::Copied:
        break;
    }
    refresh();
    chooseFile(imported.path);
    const QString imports = QStringLiteral("Imported %1").arg(quoted(imported.title));
    if (whenTaken == activity::WhenTaken::Replace)
        forms::Notice::post(*this, QStringLiteral("%1 in place of %2.").arg(imports, name));
    else if (whenTaken == activity::WhenTaken::KeepBoth)
        forms::Notice::post(*this, QStringLiteral("%1 as %2.").arg(imports, name));
    else
        forms::Notice::post(*this, imports + QLatin1Char('.'));
}

void MyActivities::chooseFile(const QString& path)
{
    const auto found = std::find_if(listed_.begin(), listed_.end(), [&](const ListedActivity& a) { return a.file.path == path; });
    if (found == listed_.end())
        return;
    const int index = int(found - listed_.begin());
    showPage(index / RowsPerPage);
    select(index);
}

void MyActivities::chooseShared(const QString& folder)
{
    if (folder.isEmpty())
        return;
    activity::chooseSharedFolder(screens(), folder);
    refresh();
    forms::Notice::post(*this, QStringLiteral("Activities are also read from %1").arg(QDir::toNativeSeparators(folder)));
}

// The pointer on the bare screen puts out the title; the chosen row stands out in blue.
void MyActivities::moveOverBackground(const forms::MouseArgs&)
{
    title.setOpaque(false);
    for (int r = 0; r < RowsPerPage; ++r) {
        const bool chosen = page_ * RowsPerPage + r == selected_;
        for (Label* part : {&rows(r), &rowKinds(r), &origins(r)})
            part->setBackColor(chosen ? Selected : forms::Black);
    }
}

} // namespace app
