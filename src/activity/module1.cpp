#include "activity/module1.h"
#include "forms/control.h"
#include "forms/pointer.h"
#include "forms/screen.h"
#include "forms/screens.h"

#include <QIcon>

namespace Module1 {

namespace {

const QColor ScreenBlue(49, 135, 214);

// The optional picture buttons, in the order they take their pictures, with
// the word each shows when its picture cannot be read.
struct StandardButton {
    const char* name;
    const char* picture;
    const char* word;
};
const StandardButton StandardButtons[] = {
    {"cmdexit", "Images\\exit.jpg", "Exit"},        {"cmdgo", "Images\\next.jpg", "Next"},
    {"cmdsoln", "Images\\answer.jpg", "Answer"},    {"cmdcheckit", "images\\check.jpg", "Check"},
    {"cmdjotter", "images\\jotter.jpg", "Jotter"},  {"cmdscramble", "images\\scramble.jpg", "Scramble"},
};

void trySet(forms::Screen& screen, const char* control, const char* property, const QVariant& value)
{
    if (forms::Control* c = screen.control(QLatin1String(control)))
        c->setByName(QLatin1String(property), value);
}

std::optional<float> tryGet(const forms::Screen& screen, const char* control, const char* property)
{
    forms::Control* c = screen.control(QLatin1String(control));
    if (!c) return std::nullopt;
    const auto value = c->byName(QLatin1String(property));
    if (!value) return std::nullopt;
    bool ok = false;
    const float number = value->toFloat(&ok);
    return ok ? std::optional<float>(number) : std::nullopt;
}

// Top = Top of the button below - own Height; skipped when either is missing.
void stackOn(forms::Screen& screen, const char* control, const char* below)
{
    const auto belowTop = tryGet(screen, below, "Top");
    const auto height = tryGet(screen, control, "Height");
    if (belowTop && height)
        trySet(screen, control, "Top", *belowTop - *height);
}

} // namespace

void PrepareForm(forms::Screen& screen)
{
    screen.setBackColor(ScreenBlue);
    screen.setWindowIcon(QIcon());

    trySet(screen, "Picture1", "BackColor", ScreenBlue);
    screen.setWidth(12000);
    screen.setHeight(9000);

    const QSizeF display = screen.screens().platform().displaySize();
    const float displayWidth = static_cast<float>(display.width());
    const float displayHeight = static_cast<float>(display.height());
    forms::setBusyPointer();
    screen.setTop(displayHeight / 2 - screen.Height() / 2);
    screen.setLeft(displayWidth / 2 - screen.Width() / 2);
    forms::setDefaultPointer();

    for (const StandardButton& button : StandardButtons) {
        trySet(screen, button.name, "Word", QString::fromLatin1(button.word));
        trySet(screen, button.name, "Picture", QString::fromLatin1(button.picture));
    }

    trySet(screen, "cmdgo", "Top", 7950);
    trySet(screen, "cmdgo", "Width", 1785);
    trySet(screen, "cmdgo", "Left", 10050);
    trySet(screen, "cmdgo", "Height", 495);
    trySet(screen, "cmdgo", "TabStop", false);

    trySet(screen, "cmdjotter", "Left", 10050);
    trySet(screen, "cmdjotter", "Height", 495);
    stackOn(screen, "cmdjotter", "cmdgo");
    trySet(screen, "cmdjotter", "Width", 1785);
    trySet(screen, "cmdjotter", "TabStop", false);

    trySet(screen, "cmdsoln", "Height", 495);
    stackOn(screen, "cmdsoln", "cmdjotter");
    trySet(screen, "cmdsoln", "Width", 1785);
    trySet(screen, "cmdsoln", "Left", 10050);
    trySet(screen, "cmdsoln", "TabStop", false);

    trySet(screen, "cmdcheckit", "Height", 495);
    trySet(screen, "cmdcheckit", "Left", 10050);
    stackOn(screen, "cmdcheckit", "cmdsoln");
    trySet(screen, "cmdcheckit", "Width", 1785);
    trySet(screen, "cmdcheckit", "TabStop", false);

    trySet(screen, "cmdexit", "Top", 7950);
    trySet(screen, "cmdexit", "Width", 1785);
    trySet(screen, "cmdexit", "Left", 60);
    trySet(screen, "cmdexit", "Height", 495);
    trySet(screen, "cmdexit", "TabStop", false);
}

} // namespace Module1
