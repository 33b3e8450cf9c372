#include "app/openingscreen.h"
#include "activity/fit.h"
#include "activity/setup.h"
#include "app/backdrop.h"
#include "app/guidepages.h"
#include "app/links.h"
#include "app/menu.h"
#include "app/myactivities.h"
#include "app/titlescreen.h"
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
// As the menu links, in a size that fits the longer name in the same width.
const forms::LabelLook OwnLinkLook{"Tahoma", 14.25, true, forms::Yellow, forms::Blue, false, true, Label::Align::Center};
const forms::LabelLook BlackLinkLook{"Arial", 12, true, forms::Yellow, forms::Black, true, true, Label::Align::Center};
const forms::LabelLook NoticeLook{"Tahoma", 9.75, false, forms::Black, {}, false, false, Label::Align::Right};
constexpr float LinkHeight = 495, LinkColumnStep = -2400;
} // namespace

OpeningScreen::OpeningScreen(forms::Screens& screens)
    : Screen(screens, Id),
      title(*new Label(this, "title")),
      hideDesktop(*new forms::CheckBox(this, "hideDesktop")),
      fitToScreen(*new forms::CheckBox(this, "fitToScreen")),
      logo(*new forms::Image(this, "logo")),
      exitButton(*new forms::Button(this, "exitButton")),
      copyright(*new Label(this, "copyright")),
      jotterButton(*new forms::Button(this, "jotterButton"))
{
    setCaption(QStringLiteral("Quorvanta"));
    forms::design(title, "Physics Year 10 Tavrenel", {360, 120, 11220, 825}, TitleLook);
    hideDesktop.setCaption(QStringLiteral("Hide Desktop"));
    hideDesktop.place(120, 1200, 1935, 375);
    fitToScreen.setCaption(QStringLiteral("Fit to Screen"));
    fitToScreen.place(2175, 1200, 1935, 375);
    for (forms::CheckBox* box : {&hideDesktop, &fitToScreen}) {
        box->setDesignFont("Arial", 12, true);
        box->setForeColor(forms::Yellow);
        box->setFocusPolicy(Qt::TabFocus); // Space turns it over
    }
    guideLink = new Label(this, QStringLiteral("guideLink"));
    forms::design(*guideLink, "Teachers' Guide", {9600, 1680, 2235, 375}, BlackLinkLook);
    forms::design(menuLinks.create(this, 0), "Menu 1", {9600, 2400, 2235, LinkHeight}, MenuLinkLook);
    myActivitiesLink = new Label(this, QStringLiteral("myActivitiesLink"));
    forms::design(*myActivitiesLink, "My Activities", {9600, 2400, 2235, LinkHeight}, OwnLinkLook);
    logo.setStretch(true);
    logo.setAccessibleName(QStringLiteral("Quorvanta Learning logo"));
    logo.setAccessibleDescription(QStringLiteral("The publisher's logo: a Q around a ringed planet"));
    logo.place(180, 5700, 1500, 2085);
    exitButton.place(60, 7950, 1785, 495);
    exitButton.setWord(QStringLiteral("Exit"));
    exitButton.hide();
    webLink = new Label(this, QStringLiteral("webLink"));
    forms::design(*webLink, "www.quorvanta.example", {8520, 7800, 3315, 375}, BlackLinkLook);
    forms::design(copyright, "\u00A9 Quorvanta Learning 2026", {7440, 8250, 4335, 315}, NoticeLook);
    // The set-up routine gives the Jotter button its picture and column; with
    // no button below it, it stays at this height, clear of the web link.
    jotterButton.place(10050, 7200, 1785, 495);

    connect(&hideDesktop, &forms::Control::clicked, this, &OpeningScreen::toggleHideDesktop);
    connect(&fitToScreen, &forms::Control::clicked, this, &OpeningScreen::toggleFitToScreen);
    connect(&exitButton, &forms::Control::clicked, this, &OpeningScreen::askBeforeExit);
    connect(&menuLinks, &forms::GroupSignals::clicked, this, &OpeningScreen::openMenu);
    connect(guideLink, &forms::Control::clicked, this, &OpeningScreen::openGuide);
    connect(myActivitiesLink, &forms::Control::clicked, this, &OpeningScreen::openMyActivities);
    connect(webLink, &forms::Control::clicked, this, &OpeningScreen::openWebSite);
    connect(&jotterButton, &forms::Control::clicked, this, [this] { openJotter(this->screens()); });
    for (Label* label : {&title, guideLink, webLink, myActivitiesLink})
        lightUnderPointer(*label);
    lightUnderPointer(menuLinks);
}

void OpeningScreen::load()
{
    activity::prepareScreen(*this, {.jotter = &jotterButton});
    setBackColor(QColor(49, 135, 215));
    hideDesktop.setBackColor(QColor(8, 8, 34));
    if (activity::hidesDesktop(screens()))
        hideDesktop.setValue(1); // runs the box's click behaviour at once
    fitToScreen.setBackColor(QColor(8, 8, 34));
    if (activity::fitsToScreen(screens()))
        fitToScreen.setValue(1);
    exitButton.show();
    setPictureFile(QStringLiteral("Images\\cassini.jpg"));
    logo.loadPicture(QStringLiteral("Images\\logo2.jpg"));
    exitButton.loadPicture(QStringLiteral("Images\\exit.jpg"));
    exitButton.place(60, 7950, 1785, 495);
    const int menus = static_cast<int>(menuTable().size());
    const QPointF first(menuLinks(0).left(), menuLinks(0).top());
    for (int index = 1; index < menus; ++index) {
        placeAt(menuLinks.load(index), listPlace(index, first, LinkHeight, LinkColumnStep));
        menuLinks(index).setCaption(menuTable()[static_cast<std::size_t>(index)].title);
    }
    showLinks(menuLinks, menus);
    placeAt(*myActivitiesLink, listPlace(menus, first, LinkHeight, LinkColumnStep));
    for (Label* link : {guideLink, webLink, myActivitiesLink})
        forms::setAccessibleRole(*link, QAccessible::Link);
}

void OpeningScreen::toggleHideDesktop()
{
    const bool hide = hideDesktop.value() != 0;
    activity::chooseHideDesktop(screens(), hide);
    if (hide)
        screens().show(Backdrop::Id);
    else
        screens().unload(Backdrop::Id);
    screens().show(name());
}

// Every screen, this one too, is placed anew at once; the choice is kept
// for the next run.
void OpeningScreen::toggleFitToScreen()
{
    activity::tellIfNotKept(*this, activity::chooseFitToScreen(screens(), fitToScreen.value() != 0));
}

void OpeningScreen::askBeforeExit()
{
    // Touching the title screen loads it afresh if it is not loaded.
    screens().get<TitleScreen>(TitleScreen::Id).okButton.setCaption(QStringLiteral("Cancel"));
    showInstead(TitleScreen::Id);
}

void OpeningScreen::openMenu(int index)
{
    if (index >= 0 && index < static_cast<int>(menuTable().size()))
        screens().show(menuTable()[static_cast<std::size_t>(index)].screen);
}

void OpeningScreen::openGuide()
{
    const QString first = guidePages().front().screen;
    if (screens().knows(first))
        screens().show(first);
}

void OpeningScreen::openMyActivities()
{
    if (screens().knows(MyActivities::Id))
        screens().show(MyActivities::Id);
}

void OpeningScreen::openWebSite()
{
    if (!screens().platform().shellOpen(WebAddress, this))
        forms::Notice::post(*this, QStringLiteral("No web browser could be opened here. Open this address by hand:\n%1").arg(WebAddress));
}

void OpeningScreen::moveOverBackground(const forms::MouseArgs&) { dimLinks(title, menuLinks, {guideLink, myActivitiesLink}); }

} // namespace app
