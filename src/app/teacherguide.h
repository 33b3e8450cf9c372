#pragma once
#include "forms/controlgroup.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/screen.h"

namespace app {

struct GuidePage;

// One page of the Teachers' Guide; the six pages share this design and
// differ only in their data. Buttons are labels: Label3(0) "Exit",
// Label3(1) ">> Next Page", Label3(2) "<< Previous Page", and on the first
// page Label2, which opens the guide as a document.
class TeacherGuide : public forms::Screen {
    Q_OBJECT
public:
    // number: 0 for the first page to 5 for the last.
    TeacherGuide(forms::Screens& screens, int number);
    void load() override;
    void Label2_Click();
    void Label3_Click(int index);

    int number() const { return number_; }

    // 0 title, 7 page indicator; 6 the menu heading of an activity page;
    // 1 to 5 and 9 the texts of the first page.
    forms::ControlGroup<forms::Label> Label1{QStringLiteral("Label1")};
    forms::ControlGroup<forms::Label> Label3{QStringLiteral("Label3")};
    forms::Label* Label2 = nullptr;                                      // first page only
    forms::ControlGroup<forms::Label> Label4{QStringLiteral("Label4")}; // column headings
    forms::ControlGroup<forms::Label> Label5{QStringLiteral("Label5")}; // cells, row by row
    forms::ControlGroup<forms::Line> Line1{QStringLiteral("Line1")};    // the table's rules

private:
    void designIntroduction();
    void designTable(const GuidePage& page);

    int number_;
};

} // namespace app
