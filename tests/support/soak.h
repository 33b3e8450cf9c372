#pragma once
// A restless class at the board: seeded random clicks on controls and on the
// bare screen, drags that wander past the window's edges, keys, level and
// variant switches, screens opened and closed, over every screen the registry
// knows. After each event the program's promises are checked.

#include "support/testscreens.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <random>
#include <vector>

namespace forms { class Screen; }

class Soak : public QObject {
    Q_OBJECT
public:
    Soak(TestScreens& screens, std::uint64_t seed);
    ~Soak() override;

    // One gesture of a pupil or the teacher; each press, move, release, key
    // or window change in it is an event. Stops at the first broken promise.
    void gesture();
    int events() const { return events_; }
    // What broke first, with the events that led to it; empty while all holds.
    const QString& fault() const { return fault_; }
    // Every screen opened at least once so far.
    const QSet<QString>& visited() const { return visited_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The promises: answer labels and every control inside their screen's
    // client area, one instance of each screen, the Jotter on top when shown.
    QString broken() const;
    void settle();
    void note(const QString& what);

    void openScreen();
    void closeScreen();
    void clickControl(bool optionsOnly);
    void clickBare();
    void drag();
    void hover();
    void key();

    forms::Screen* pickScreen();
    std::vector<forms::Screen*> shownScreens() const;
    QPoint anywhere(); // a point of a window, now and then well outside it
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

    TestScreens& t_;
    std::mt19937_64 random_;
    int events_ = 0;
    QString fault_;
    QStringList recent_;
    QSet<QString> visited_;
    std::vector<QPointer<forms::Screen>> stacking_; // bottom to top, as the windows were raised
};
