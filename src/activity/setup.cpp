#include "activity/setup.h"
#include "forms/buttons.h"
#include "forms/notice.h"
#include "forms/pointer.h"
#include "forms/screen.h"
#include "forms/screens.h"

#include <QIcon>

namespace activity {

namespace {
const QColor ScreenBlue(49, 135, 214);
} // namespace

void prepareScreen(forms::Screen& screen, StandardParts parts)
{
    screen.setBackColor(ScreenBlue);
    screen.setWindowIcon(QIcon());
    if (parts.panel)
        parts.panel->setBackColor(ScreenBlue);
    screen.setTwipWidth(12000);
    screen.setTwipHeight(9000);

    const QSizeF display = screen.screens().displaySize();
    forms::setBusyPointer();
    screen.setTop(static_cast<float>(display.height()) / 2 - screen.twipHeight() / 2);
    screen.setLeft(static_cast<float>(display.width()) / 2 - screen.twipWidth() / 2);
    forms::setDefaultPointer();

    if (forms::Button* jotter = parts.jotter) {
        jotter->setWord(QStringLiteral("Jotter"));
        jotter->loadPicture(QStringLiteral("images\\jotter.jpg"));
        jotter->setLeft(10050);
        jotter->setTwipHeight(495);
        jotter->setTwipWidth(1785);
        jotter->setTabStop(false);
    }
}

bool hidesDesktop(const forms::Screens& screens) { return screens.setting(HideDesktopKey).toBool(); }

void chooseHideDesktop(forms::Screens& screens, bool on) { screens.chooseForThisRun(HideDesktopKey, on); }

void tellOnce(forms::Screen& where, const QString& text)
{
    if (text.isEmpty() || !where.screens().firstTimeThisRun(text))
        return;
    forms::Notice::post(where, text);
}

void tellIfNotKept(forms::Screen& where, bool kept)
{
    if (kept)
        return;
    const QString text = QStringLiteral("The settings could not be saved, so this choice holds until the program closes.");
    if (!where.screens().firstTimeThisRun(text))
        return;
    qWarning("%s", qPrintable(text));
    forms::Notice::post(where, text);
}

} // namespace activity
