#include "app/titlescreen.h"
#include "activity/setup.h"
#include "app/openingscreen.h"
#include "forms/design.h"
#include "forms/screens.h"

namespace app {

namespace {
const QString TitlePicture = QStringLiteral("opening\\cassin00.jpg");
const forms::LabelLook TitleLook{"Times New Roman", 26.25, true, forms::Blue, {}, false, false, forms::Label::Align::Center};
const forms::LabelLook CreditLook{"Times New Roman", 15.75, false, forms::Blue, {}, false, false, forms::Label::Align::Center};
const forms::LabelLook NoticeLook{"Arial", 8.25, false, forms::Blue, {}, false, false, forms::Label::Align::Center};
} // namespace

TitleScreen::TitleScreen(forms::Screens& screens)
    : Screen(screens, Id),
      frame(*new forms::Frame(this, "frame")),
      title(*new forms::Label(&frame, "title")),
      picture(*new forms::PictureBox(&frame, "picture")),
      credit(*new forms::Label(&frame, "credit")),
      okButton(*new forms::Button(&frame, "okButton")),
      exitButton(*new forms::Button(&frame, "exitButton")),
      notice(*new forms::Label(&frame, "notice"))
{
    setCaption(QStringLiteral(" "));
    place(0, 0, 5460, 6570);
    setBackColor(palette().color(QPalette::Window));
    frame.place(0, -90, 5480, 6660);
    forms::design(title, "Physics Year 10 Tavrenel", {120, 180, 5175, 1455}, TitleLook);
    picture.place(300, 1560, 4800, 3600);
    forms::design(credit, "Written by Helen Marsh", {360, 5370, 4695, 615}, CreditLook);
    for (auto [button, caption, left] : {std::tuple{&okButton, "OK", 1320.f}, std::tuple{&exitButton, "Exit", 2760.f}}) {
        button->setCaption(QString::fromLatin1(caption));
        button->place(left, 6000, 1335, 375);
        button->setBackColor(QColor(192, 192, 192));
        button->setDesignFont("Arial", 9.75);
    }
    forms::design(notice, QStringLiteral("\u00A9 Quorvanta Learning \u00B7 version %1 \u00B7 MIT licence").arg(QStringLiteral(TAVRENEL_VERSION)), {0, 6420, 5415, 255}, NoticeLook);
    connect(&okButton, &forms::Control::clicked, this, &TitleScreen::goToOpeningScreen);
    connect(&exitButton, &forms::Control::clicked, this, &TitleScreen::exitProgram);
}

void TitleScreen::load()
{
    const QSizeF display = screens().displaySize();
    setTop(static_cast<float>(display.height()) / 2 - twipHeight() / 2);
    setLeft(static_cast<float>(display.width()) / 2 - twipWidth() / 2);
    if (picture.loadPicture(TitlePicture))
        return;
    // Without its picture the screen falls back on the common full-size look;
    // a second failure leaves the picture box empty.
    activity::prepareScreen(*this, {.panel = &picture});
    frame.raise();
    picture.loadPicture(TitlePicture);
}

void TitleScreen::goToOpeningScreen() { showInstead(OpeningScreen::Id); }

void TitleScreen::exitProgram() { screens().endProgram(); }

} // namespace app
