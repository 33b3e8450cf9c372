#pragma once
#include "app/guidepages.h"
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/screen.h"

namespace app {

// One page of the Teachers' Guide; the pages share this design and differ
// only in their data. Buttons are labels: commands(Exit), commands(Next)
// ">> Next Page", commands(Previous) "<< Previous Page", and on the first
// page documentLink, which opens the guide as a document.
class TeacherGuide : public forms::Screen {
    Q_OBJECT
public:
    enum Command { Exit = 0, Next = 1, Previous = 2 };
    enum Text { Title = 0, ContactHeading = 1, Support = 2, Contacts = 3, Address = 4, About = 5,
                Heading = 6, Indicator = 7, Opening = 9 };

    // number: the page's place in `pages`, 0 for the first; `pages` outlives the screen.
    TeacherGuide(forms::Screens& screens, int number, const std::vector<GuidePage>& pages = guidePages());
    void load() override;
    void openDocument();
    void follow(int command);

    int number() const { return number_; }

    // Title and Indicator on every page; Heading on a menu's page; the others
    // on the first page.
    forms::ControlGroup<forms::Label> texts{QStringLiteral("texts")};
    forms::ControlGroup<forms::Label> commands{QStringLiteral("commands")};
    forms::Label* documentLink = nullptr;                                              // first page only
    forms::ControlGroup<forms::Label> columnHeadings{QStringLiteral("columnHeadings")};
    forms::ControlGroup<forms::Label> cells{QStringLiteral("cells")};                 // row by row
    forms::ControlGroup<forms::Line> rules{QStringLiteral("rules")};                  // the table's rules

private:
    void designIntroduction();
    void designTable(const GuidePage& page);
    int lastPage() const { return static_cast<int>(pages_.size()) - 1; }

    const std::vector<GuidePage>& pages_;
    int number_;
};

} // namespace app
