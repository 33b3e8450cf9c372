#include "app/intro0.h"
#include "activity/fit.h"
#include "activity/setup.h"
#include "app/links.h"
#include "app/menu.h"
#include "app/titlefrm.h"
#include "forms/accessible.h"
#include "forms/design.h"
#include "forms/notice.h"
#include "forms/pictures.h"
#include "forms/screens.h"

namespace app {

namespace {
using forms::Label;
const forms::LabelLook TitleLook{"Tahoma", 27.75, true, forms::Yellow, forms::Black, false, true, Label::Align::Center};
const forms::LabelLook MenuLinkLook{"Tahoma", 18, true, forms::Yellow, forms::Blue, false, true, Label::Align::Center};
const forms::LabelLook BlackLinkLook{"Arial", 12, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook NoticeLook{"Tahoma", 9.75, false, forms::Black, {}, false, false, Label::Align::Right};

// Links 0 to 4 open the menus.
constexpr int WebLink = 6;
constexpr int GuideLink = 7;
} // namespace

Intro0::Intro0(forms::Screens& screens)
    : Screen(screens, QStringLiteral("intro0")),
      Label1(*new Label(this, "Label1")),
      Check1(*new forms::CheckBox(this, "Check1")),
      Check2(*new forms::CheckBox(this, "Check2")),
      Image2(*new forms::Image(this, "Image2")),
      Command1(*new forms::Button(this, "Command1")),
      Label3(*new Label(this, "Label3")),
      cmdjotter(*new forms::Button(this, "cmdjotter"))
{
    setCaption(QStringLiteral("Quorvanta"));
    forms::design(Label1, "Physics Year 10 Tavrenel", {360, 120, 11220, 825}, TitleLook);
    Check1.setCaption(QStringLiteral("Hide Desktop"));
    Check1.place(120, 1200, 1935, 375);
    Check1.setDesignFont("Arial", 12, true);
    Check1.setForeColor(forms::Yellow);
    Check2.setCaption(QStringLiteral("Fit to Screen"));
    Check2.place(2175, 1200, 1935, 375);
    Check2.setDesignFont("Arial", 12, true);
    Check2.setForeColor(forms::Yellow);
    forms::design(Label2.create(this, GuideLink), "Teachers' Guide", {9600, 1680, 2235, 375}, BlackLinkLook);
    forms::design(Label2.create(this, 0), "Menu 1", {9600, 2400, 2235, 495}, MenuLinkLook);
    Image2.setStretch(true);
    Image2.place(180, 5700, 1500, 2085);
    Command1.place(60, 7950, 1785, 495);
    Command1.setWord(QStringLiteral("Exit"));
    Command1.hide();
    forms::design(Label2.create(this, WebLink), "www.quorvanta.example", {8520, 7800, 3315, 375}, BlackLinkLook);
    forms::design(Label3, "\u00A9 Quorvanta Learning 2026", {7440, 8250, 4335, 315}, NoticeLook);
    // The set-up routine gives the Jotter button its picture and column; with
    // no button below it, it stays at this height, clear of the web link.
    cmdjotter.place(10050, 7200, 1785, 495);

    connect(&Check1, &forms::Control::clicked, this, [this] { Check1_Click(); });
    connect(&Check2, &forms::Control::clicked, this, [this] { Check2_Click(); });
    connect(&Command1, &forms::Control::clicked, this, [this] { Command1_Click(); });
    connect(&Label1, &forms::Control::moved, this, [this](const forms::MouseArgs&) { Label1_MouseMove(); });
    connect(&Label2, &forms::GroupSignals::clicked, this, [this](int index) { Label2_Click(index); });
    connect(&Label2, &forms::GroupSignals::moved, this, [this](int index, const forms::MouseArgs&) { Label2_MouseMove(index); });
    connect(&cmdjotter, &forms::Control::clicked, this, [this] { cmdjotter_Click(); });
}

void Intro0::load()
{
    activity::prepareScreen(*this, {.jotter = &cmdjotter});
    setBackColor(QColor(49, 135, 215));
    Check1.setBackColor(QColor(8, 8, 34));
    if (activity::hidesDesktop(screens()))
        Check1.setValue(1); // runs the box's click behaviour at once
    Check2.setBackColor(QColor(8, 8, 34));
    if (activity::fitsToScreen(screens()))
        Check2.setValue(1);
    Command1.show();
    setPictureFile(QStringLiteral("Images\\cassini.jpg"));
    Image2.loadPicture(QStringLiteral("Images\\logo2.jpg"));
    Command1.loadPicture(QStringLiteral("Images\\exit.jpg"));
    Command1.place(60, 7950, 1785, 495);
    for (int index = 1; index <= 4; ++index) {
        Label& link = Label2.load(index);
        link.moveTo(Label2(0).Left(), Label2(0).Top() + 750 * index);
        link.setCaption(QStringLiteral("Menu %1").arg(index + 1));
    }
    for (int index = 0; index <= 4; ++index)
        Label2(index).show();
    Label2.forEach([](int, Label& link) { forms::setAccessibleRole(link, QAccessible::Link); });
}

void Intro0::Check1_Click()
{
    if (Check1.Value() == 0) {
        activity::chooseHideDesktop(screens(), false);
        screens().unload(QStringLiteral("Grey"));
    } else {
        activity::chooseHideDesktop(screens(), true);
        screens().show(QStringLiteral("Grey"));
    }
    screens().show(name());
}

// Every screen, this one too, is placed anew at once; the choice is kept
// for the next run.
void Intro0::Check2_Click() { activity::chooseFitToScreen(screens(), Check2.Value() != 0); }

void Intro0::Command1_Click()
{
    // Touching the title screen loads it afresh if it is not loaded.
    screens().get<Titlefrm>(QStringLiteral("Titlefrm")).Command1.setCaption(QStringLiteral("Cancel"));
    showInstead(QStringLiteral("Titlefrm"));
}

void Intro0::Label2_Click(int index)
{
    if (index >= 0 && index <= 4)
        screens().show(menuTable()[std::size_t(index)].screen);
    else if (index == WebLink)
        openWebSite();
    else if (index == GuideLink && screens().knows(QStringLiteral("TeacherGuide0")))
        screens().show(QStringLiteral("TeacherGuide0"));
}

// Where no browser can be had, the teacher gets the address to type in elsewhere.
void Intro0::openWebSite()
{
    if (!screens().platform().shellOpen(WebAddress, this))
        forms::Notice::post(*this, QStringLiteral("No web browser could be opened here. Open this address by hand:\n%1").arg(WebAddress));
}

void Intro0::cmdjotter_Click() { openJotter(screens()); }

void Intro0::moveOverBackground(const forms::MouseArgs&) { dimLinks(Label1, Label2, {0, 1, 2, 3, 4, GuideLink}); }

void Intro0::Label1_MouseMove() { Label1.setOpaque(true); }
void Intro0::Label2_MouseMove(int index) { Label2(index).setOpaque(true); }

} // namespace app
