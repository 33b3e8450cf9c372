#pragma once
// A short note on a screen that goes away by itself, at a click on it, or at
// the next thing done on its screen (a press, a tap or a key): for what the
// teacher should know but need not answer, such as a document the desktop
// could not open. Nothing waits for it, and it is read out as it appears.

#include "forms/control.h"
#include <QTimer>

namespace forms {

class Screen;

class Notice : public Control {
    Q_OBJECT
public:
    static constexpr int LastingMs = 15000;
    static constexpr float NoticeWidth = 7800, NoticeBottom = 7740; // twips; centred on the screen

    // Shows `text` on `screen` in place of any notice already there.
    static Notice& post(Screen& screen, const QString& text);
    // The notice shown on `screen`, or null.
    static Notice* on(const Screen& screen);
    // Where the notices of `screen` stand from now on: as wide as `area`, their
    // foot on its foot, as tall as their text (above `area` when it needs more).
    // A screen sets it where a notice covers nothing the teacher reads or works
    // in; by default notices are centred above the foot of the screen.
    static void setArea(Screen& screen, const TwipRect& area);

    const QString& caption() const { return caption_; }
    // Ends the notice once it has lasted long enough.
    QTimer& lifetime;

protected:
    void paintEvent(QPaintEvent* event) override;
    void activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Notice(Screen& screen, const QString& text);
    void watchNextAction();
    void close();

    QString caption_;
    bool closed_ = false;
};

} // namespace forms
