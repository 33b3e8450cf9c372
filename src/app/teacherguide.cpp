#include "app/teacherguide.h"
#include "activity/commands.h"
#include "app/guidepages.h"
#include "activity/setup.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/notice.h"
#include "forms/pictures.h"
#include "forms/palette.h"
#include "forms/screens.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>

namespace app {

namespace {
using forms::Label;
constexpr double CellPoints = 12;
const forms::LabelLook IndicatorLook{"Arial", 9.75, true, forms::Yellow, {}, false, false, Label::Align::Left};
const forms::LabelLook TitleLook{"Arial", 15.75, true, forms::Yellow, {}, false, false, Label::Align::Center};
const forms::LabelLook ButtonLook{"Arial", 12.75, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook DocumentButtonLook{"Arial", 12, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook TextLook{"Arial", 12, true, forms::Yellow, {}, false, false, Label::Align::Left};
const forms::LabelLook ColumnLook{"Arial", 12, true, forms::Yellow, {}, false, false, Label::Align::Center};
const forms::LabelLook CellLook{"Arial", CellPoints, false, forms::Yellow, {}, false, false, Label::Align::Left};

constexpr int RuleWidthPixels = 2;
constexpr float ColumnHeadingTop = 840, ColumnHeadingHeight = 300;
// Cell texts sit inside the rules; a long text that would run past them is
// set a step smaller at a time until it fits.
constexpr float CellInsetLeft = 90, CellInsetTop = 30, CellInsetRight = 45, CellInsetBottom = 0;
constexpr double SmallestCellPoints = 9.75, PointStep = 0.75;

// Glyphs drawn at a finer size reach a little below the design size's last
// line: a text that fills its cell to the rule would touch it fitted.
constexpr int FinerGlyphsReach = 3; // design pixels

bool textFits(const Label& label, int slack = 0)
{
    // In design pixels, as the label lays out its text at every scale.
    const QRect area = forms::designArea(label.twips());
    const QRect needed = QFontMetrics(label.font()).boundingRect(
        QRect(0, 0, area.width(), 100000), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label.caption());
    return needed.width() <= area.width() && needed.height() <= area.height() - slack;
}

// A count of ten pages or more ("Page 10 of 12") is wider than the box
// designed for the indicator; the box grows to the right to hold it.
void widenToFit(Label& label)
{
    if (textFits(label))
        return;
    const QRect needed = QFontMetrics(label.font()).boundingRect(QRect(0, 0, 100000, 1000), Qt::AlignLeft | Qt::AlignTop,
                                                                 label.caption());
    label.setTwipWidth(forms::designTwips(needed.width()));
}

void placeInCell(Label& label, const forms::TwipRect& cell)
{
    label.place(cell.left + CellInsetLeft, cell.top + CellInsetTop, cell.width - CellInsetLeft - CellInsetRight,
                cell.height - CellInsetTop - CellInsetBottom);
    for (double points = CellPoints - PointStep; points >= SmallestCellPoints && !textFits(label, FinerGlyphsReach);
         points -= PointStep)
        label.setDesignFont(QStringLiteral("Arial"), points);
}
} // namespace

TeacherGuide::TeacherGuide(forms::Screens& screens, int number, const std::vector<GuidePage>& pages)
    : Screen(screens, pages.at(static_cast<std::size_t>(number)).screen), pages_(pages), number_(number)
{
    const GuidePage& page = pages.at(static_cast<std::size_t>(number));
    setCaption(GuideTitle);
    widenToFit(forms::design(texts.create(this, Indicator), page.indicator, {0, 0, 1065, 240}, IndicatorLook));
    forms::design(texts.create(this, Title), GuideTitle, {0, 120, 12000, 360}, TitleLook);
    forms::design(commands.create(this, Exit), "Exit", {11160, 60, 735, 375}, ButtonLook);
    forms::design(commands.create(this, Next), ">> Next Page", {10080, 8520, 1815, 375}, ButtonLook);
    if (number_ > 0)
        forms::design(commands.create(this, Previous), "<< Previous Page", {7680, 8520, 2295, 375}, ButtonLook);
    if (number_ == lastPage())
        commands(Next).hide();

    if (number_ == 0)
        designIntroduction();
    else
        designTable(page);

    connect(&commands, &forms::GroupSignals::clicked, this, &TeacherGuide::follow);
    commands.forEach([](int, Label& command) {
        forms::setAccessibleRole(command, QAccessible::Button);
        activity::runOnKeys(command, [&command] { forms::pressControl(command); }); // Tab reaches it, Enter works it
    });
}

void TeacherGuide::designIntroduction()
{
    const GuideIntro& intro = guideIntro();
    forms::design(texts.create(this, Support), intro.support, {120, 600, 11775, 645}, TextLook);
    forms::design(texts.create(this, ContactHeading), intro.contactHeading, {120, 1440, 1830, 285}, TextLook);
    forms::design(texts.create(this, Address), intro.address, {120, 1920, 3495, 1605}, TextLook);
    forms::design(texts.create(this, Contacts), intro.contacts, {120, 3600, 3855, 1695}, TextLook);
    forms::design(texts.create(this, About), intro.about, {120, 5340, 11655, 2085}, TextLook);
    forms::design(texts.create(this, Opening), intro.opening, {120, 7440, 11775, 975}, TextLook);
    documentLink = new Label(this, QStringLiteral("documentLink"));
    forms::design(*documentLink, intro.documentButton, {120, 8520, 5235, 375}, DocumentButtonLook);
    connect(documentLink, &forms::Control::clicked, this, &TeacherGuide::openDocument);
    forms::setAccessibleRole(*documentLink, QAccessible::Link);
}

void TeacherGuide::designTable(const GuidePage& page)
{
    const GuideTable& table = page.table;
    forms::design(texts.create(this, Heading), page.heading, {120, 480, 7440, 300}, TextLook);

    const std::vector<forms::TwipRect> columns = guideColumns(table);
    for (std::size_t c = 0; c < columns.size() && c < table.columns.size(); ++c)
        forms::design(columnHeadings.create(this, static_cast<int>(c)), table.columns[c],
                      {columns[c].left, ColumnHeadingTop, columns[c].width, ColumnHeadingHeight}, ColumnLook);

    int cell = 0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<forms::TwipRect> boxes = guideCells(table, static_cast<int>(r));
        for (std::size_t c = 0; c < boxes.size() && c < table.rows[r].size(); ++c) {
            Label& text = cells.create(this, cell++);
            forms::style(text, CellLook);
            text.setCaption(table.rows[r][c]);
            placeInCell(text, boxes[c]);
        }
    }

    int rule = 0;
    const float left = table.columnEdges.front(), right = table.columnEdges.back();
    for (float y : table.horizontalRules) {
        forms::Line& line = rules.create(this, rule++);
        line.setPen(forms::Yellow, RuleWidthPixels);
        line.setEnds(left, y, right, y);
    }
    for (const GuideRule& vertical : guideRules(table)) {
        forms::Line& line = rules.create(this, rule++);
        line.setPen(forms::Yellow, RuleWidthPixels);
        line.setEnds(vertical.x, vertical.top, vertical.x, vertical.bottom);
    }
}

void TeacherGuide::load()
{
    activity::prepareScreen(*this);
    setBackColor(forms::paletteColour(9));
}

void TeacherGuide::follow(int command)
{
    if (command == Next && number_ < lastPage())
        screens().show(pages_.at(static_cast<std::size_t>(number_ + 1)).screen);
    else if (command == Previous && number_ > 0)
        screens().show(pages_.at(static_cast<std::size_t>(number_ - 1)).screen);
    else if (command != Exit)
        return;
    screens().unload(name());
}

// The shell opens the document beside the program; where it cannot, the
// teacher is told where the document lies, to open it by hand.
void TeacherGuide::openDocument()
{
    if (screens().platform().shellOpen(GuideDocument, this))
        return;
    const QString found = forms::resolvePicturePath(GuideDocument);
    const QString folder = QDir::toNativeSeparators(found.isEmpty() ? QDir::currentPath() : QFileInfo(found).absolutePath());
    forms::Notice::post(*this, QStringLiteral("No program here could open the guide as a document. "
                                              "Open \"%1\" by hand; it is in the folder\n%2").arg(GuideDocument, folder));
}

} // namespace app
