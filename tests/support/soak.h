#pragma once
// A restless class at the board: seeded random clicks on controls and on the
// bare screen, drags that wander past the window's edges, keys, level and
// variant switches, screens opened and closed, over every screen the registry
// knows. After each event the program's promises are checked.

#include "support/testscreens.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace forms { class Screen; }

// Files a pupil may pick when the program asks for one: the soak's own
// temporary folders, never the user's.
struct SoakFolders {
    QString pickable; // what a file dialog may choose from
};

class Soak : public QObject {
    Q_OBJECT
public:
    Soak(TestScreens& screens, std::uint64_t seed, SoakFolders folders = {});
    ~Soak() override;

    // One gesture of a pupil or the teacher; each press, move, release, key
    // or window change in it is an event. Stops at the first broken promise.
    void gesture();
    int events() const { return events_; }
    // What broke first, with the events that led to it; empty while all holds.
    const QString& fault() const { return fault_; }
    // Every screen shown at least once so far, by the soak or by the program.
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
    bool answerQuestion();

    // What the program opened over its screens, a popup (a menu, a drop-down's
    // list) or a modal window (a file dialog, a question), is closed or
    // answered as a pupil would, so that no event leaves the soak waiting in
    // a nested event loop; one that cannot be closed is a fault.
    void answerWhatIsOpen();
    void answerModal(QWidget* modal);
    void watchNestedLoop();
    void remember(const QString& what);
    void watchForHangs();

    forms::Screen* pickScreen();
    std::vector<forms::Screen*> shownScreens() const;
    QPoint anywhere(); // a point of a window, now and then well outside it
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

    TestScreens& t_;
    std::uint64_t seed_;
    std::mt19937_64 random_;
    int events_ = 0;
    QString fault_;
    QStringList recent_;
    QSet<QString> visited_;
    std::vector<QPointer<forms::Screen>> stacking_; // bottom to top, as the windows were raised
    SoakFolders folders_;

    QTimer nestedLoopWatch_;
    QElapsedTimer inNestedLoop_; // running while a nested event loop is open
    bool answering_ = false;

    // A thread that ends the run, naming the last event, when the program
    // stops answering altogether (a loop that never returns to any event loop).
    std::thread hangWatch_;
    std::mutex lastMutex_;
    std::condition_variable stop_;
    bool stopping_ = false;
    QString last_;
    std::atomic<int> progress_{0};
};
