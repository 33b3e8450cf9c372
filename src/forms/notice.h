#pragma once
// A short note across the foot of a screen that goes away by itself, or at a
// click: for what the teacher should know but need not answer, such as a
// document the desktop could not open. Nothing waits for it.

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

    const QString& caption() const { return caption_; }
    // Ends the notice once it has lasted long enough.
    QTimer& lifetime;

protected:
    void paintEvent(QPaintEvent* event) override;
    void activate() override;

private:
    Notice(Screen& screen, const QString& text);
    void close();

    QString caption_;
};

} // namespace forms
