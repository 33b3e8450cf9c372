#pragma once
// "My Activities": every activity teachers made that the program can find
// (the user's own, the school's, the shared folder's), in the look of the
// menus, a page at a time, with the commands to play, make, edit, delete and
// import them. Files are read only when this screen opens, never at start-up.

#include "activity/ownfolders.h"
#include "activity/ownkind.h"
#include "activity/question.h"
#include "forms/buttons.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/screen.h"

#include <functional>
#include <vector>

namespace app {

// What the screen reaches outside the program through: its folders, where it
// keeps its index, and the desktop's file dialogs. Tests give their own.
struct MyActivitiesPlaces {
    activity::ActivityPlaces places;
    QString indexFile;
    // An activity file of one of `extensions` ("tavlabel"); empty: cancelled.
    std::function<QString(QWidget* owner, const QStringList& extensions)> pickFile;
    std::function<QString(QWidget* owner, const QString& start)> pickFolder; // empty: cancelled
    std::function<bool(const QString& path)> moveToTrash;                    // false: no wastebasket here
};

// The program's own: the desktop's standard folders and dialogs.
MyActivitiesPlaces standardActivityPlaces();

// One line of the list.
struct ListedActivity {
    activity::FoundFile file;
    activity::OwnSummary summary;
    // Beside a title another row has too: the file's name, or where it lies
    // when another of that name comes from the same kind of folder.
    QString tellApart;
    QString caption() const; // the title (and what tells it apart), or the file's name and why it cannot be opened
};

// What the rows of `listed` whose titles are alike show to tell them apart.
void tellApart(std::vector<ListedActivity>& listed);

class MyActivities : public forms::Screen {
    Q_OBJECT
public:
    static inline const QString& Id = activity::MyActivitiesId;
    static constexpr int RowsPerPage = 9;

    MyActivities(forms::Screens& screens, std::vector<const activity::OwnKind*> kinds, MyActivitiesPlaces places);
    void load() override;
    void moveOverBackground(const forms::MouseArgs&) override;

    // Reads the folders again: what was added, changed or removed since.
    void refresh();
    const std::vector<ListedActivity>& listed() const { return listed_; }
    int page() const { return page_; }
    int pageCount() const;
    void showPage(int page);
    // Row `row` of the page: selected at the first tap, played at the second.
    void tapRow(int row);
    void select(int index); // into listed(); -1 for none
    int selected() const { return selected_; }
    // What a screen reader hears of row `row` of the page: its title, its
    // kind, where it comes from, and whether it is the chosen one.
    QString spokenRow(int row) const;
    // The kind of `listed` as a row shows it: "Labelling activity".
    static QString kindCaption(const ListedActivity& listed);

    void play();
    void edit();
    void makeNew(int kind);
    // Asks first, in `question`: the department's file, in the shared
    // folder, is said to go for everyone.
    void askToDelete();
    // Asks first, in `question`, when a file of its name is already there.
    void importFile(const QString& path);
    void chooseShared(const QString& folder);

    forms::Label& title;
    forms::ControlGroup<forms::Label> rows{QStringLiteral("rows")};
    forms::ControlGroup<forms::Label> rowKinds{QStringLiteral("rowKinds")};
    forms::ControlGroup<forms::Label> origins{QStringLiteral("origins")};
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    forms::ControlGroup<forms::Label> pageLinks{QStringLiteral("pageLinks")}; // previous, next
    forms::Label& pageIndicator;
    activity::Question& question;
    forms::Button& exitButton;
    forms::Button& jotterButton;

    enum Command { Play, Edit, Delete, Import, ChooseShared, FirstNew };

protected:
    // Tab reaches every row and command; Enter or Space works it as a tap.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runCommand(int index);
    void ask(const QString& text, const QString& yes, std::function<void()> onYes);
    void deleteFile(const ListedActivity& chosen, bool forGood);
    void import(const QString& path, activity::WhenTaken whenTaken);
    void chooseFile(const QString& path);
    void backFromDialog();
    const ListedActivity* current() const;
    void openElsewhere(const std::function<void()>& open);

    std::vector<const activity::OwnKind*> kinds_;
    MyActivitiesPlaces places_;
    std::vector<ListedActivity> listed_;
    int page_ = 0;
    int selected_ = -1;
};

} // namespace app
