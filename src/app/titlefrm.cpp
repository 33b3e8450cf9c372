#include "app/titlefrm.h"
#include "activity/setup.h"
#include "forms/design.h"
#include "forms/screens.h"

namespace app {

namespace {
const QString TitlePicture = QStringLiteral("opening\\cassin00.jpg");
const forms::LabelLook TitleLook{"Times New Roman", 26.25, true, forms::Blue, {}, false, false, forms::Label::Align::Center};
const forms::LabelLook CreditLook{"Times New Roman", 15.75, false, forms::Blue, {}, false, false, forms::Label::Align::Center};
const forms::LabelLook NoticeLook{"Arial", 8.25, false, forms::Blue, {}, false, false, forms::Label::Align::Center};
} // namespace

Titlefrm::Titlefrm(forms::Screens& screens)
    : Screen(screens, QStringLiteral("Titlefrm")),
      Frame1(*new forms::Frame(this, "Frame1")),
      Label4(*new forms::Label(&Frame1, "Label4")),
      Picture1(*new forms::PictureBox(&Frame1, "Picture1")),
      Label3(*new forms::Label(&Frame1, "Label3")),
      Command1(*new forms::Button(&Frame1, "Command1")),
      Command2(*new forms::Button(&Frame1, "Command2")),
      Label2(*new forms::Label(&Frame1, "Label2"))
{
    setCaption(QStringLiteral(" "));
    place(0, 0, 5460, 6570);
    setBackColor(palette().color(QPalette::Window));
    Frame1.place(0, -90, 5480, 6660);
    forms::design(Label4, "Physics Year 10 Tavrenel", {120, 180, 5175, 1455}, TitleLook);
    Picture1.place(300, 1560, 4800, 3600);
    forms::design(Label3, "Written by Helen Marsh", {360, 5370, 4695, 615}, CreditLook);
    for (auto [button, caption, left] : {std::tuple{&Command1, "OK", 1320.f}, std::tuple{&Command2, "Exit", 2760.f}}) {
        button->setCaption(QString::fromLatin1(caption));
        button->place(left, 6000, 1335, 375);
        button->setBackColor(QColor(192, 192, 192));
        button->setDesignFont("Arial", 9.75);
    }
    forms::design(Label2, QStringLiteral("\u00A9 Quorvanta Learning \u00B7 version %1 \u00B7 MIT licence").arg(QStringLiteral(TAVRENEL_VERSION)), {0, 6420, 5415, 255}, NoticeLook);
    connect(&Command1, &forms::Control::clicked, this, [this] { Command1_Click(); });
    connect(&Command2, &forms::Control::clicked, this, [this] { Command2_Click(); });
}

void Titlefrm::load()
{
    const QSizeF display = screens().displaySize();
    setTop(static_cast<float>(display.height()) / 2 - Height() / 2);
    setLeft(static_cast<float>(display.width()) / 2 - Width() / 2);
    if (Picture1.loadPicture(TitlePicture))
        return;
    // Without its picture the screen falls back on the common full-size look;
    // a second failure leaves the picture box empty.
    activity::prepareScreen(*this, {.panel = &Picture1});
    Frame1.raise();
    Picture1.loadPicture(TitlePicture);
}

void Titlefrm::Command1_Click()
{
    showInstead(QStringLiteral("intro0"));
}

void Titlefrm::Command2_Click() { screens().endProgram(); }

} // namespace app
