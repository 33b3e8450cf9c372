#include "support/soak.h"
#include "activity/board.h"
#include "activity/question.h"
#include "forms/buttons.h"
#include "forms/control.h"
#include "forms/label.h"
#include "forms/screen.h"
#include "forms/windowwatch.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Jotter = QStringLiteral("notepad");
constexpr int RecentShown = 12;
// A nested event loop the soak cannot close within this is a fault; an event
// that returns to no event loop at all for HangSeconds ends the run.
constexpr int NestedLoopMs = 3000, NestedLoopCheckMs = 250, HangSeconds = 30;

// A control's place in its screen's client area, through any frames it sits in.
forms::TwipRect onScreen(const forms::Control& c, const forms::Screen& screen)
{
    forms::TwipRect r = c.twips();
    for (const QWidget* p = c.parentWidget(); p && p != &screen; p = p->parentWidget())
        if (const auto* frame = qobject_cast<const forms::Control*>(p)) {
            r.left += frame->left();
            r.top += frame->top();
        }
    return r;
}

// Inside, or overhanging by no more than `slack` twips.
bool inside(const forms::TwipRect& r, const forms::Screen& screen, float slack = 0)
{
    return r.left >= -slack && r.top >= -slack && r.left + r.width <= screen.twipWidth() + slack &&
           r.top + r.height <= screen.twipHeight() + slack;
}

QString describe(const forms::Control& c)
{
    return c.index() < 0 ? c.name() : QStringLiteral("%1(%2)").arg(c.name()).arg(c.index());
}

// A widget by its class and name, and what it sits in up to its window: a
// menu a scroll bar opened names the scroll bar and the screen.
QString describeWidget(const QWidget* w)
{
    QStringList chain;
    for (const QWidget* p = w; p; p = p->parentWidget()) {
        const QString name = p->objectName();
        chain << (name.isEmpty() ? QString::fromLatin1(p->metaObject()->className())
                                 : QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(p->metaObject()->className()), name));
        if (p->isWindow() && p != w)
            break;
    }
    return chain.join(QStringLiteral(" in "));
}

const Qt::Key Keys[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Right,
                        Qt::Key_Up, Qt::Key_Down, Qt::Key_A, Qt::Key_1, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F1};
const Qt::MouseButton Buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton};

} // namespace

Soak::Soak(TestScreens& screens, std::uint64_t seed, SoakFolders folders)
    : t_(screens), seed_(seed), random_(seed), folders_(std::move(folders))
{
    qApp->installEventFilter(this);
    nestedLoopWatch_.setInterval(NestedLoopCheckMs);
    connect(&nestedLoopWatch_, &QTimer::timeout, this, &Soak::watchNestedLoop);
    nestedLoopWatch_.start();
    hangWatch_ = std::thread([this] { watchForHangs(); });
}

Soak::~Soak()
{
    qApp->removeEventFilter(this);
    {
        const std::lock_guard lock(lastMutex_);
        stopping_ = true;
    }
    stop_.notify_one();
    hangWatch_.join();
}

void Soak::watchForHangs()
{
    std::unique_lock lock(lastMutex_);
    int seen = -1;
    while (!stop_.wait_for(lock, std::chrono::seconds(HangSeconds), [this] { return stopping_; })) {
        const int now = progress_.load();
        if (now == seen) {
            std::fprintf(stderr, "soak seed %llu: no event came back in %d s; the last one began after: %s\n",
                         static_cast<unsigned long long>(seed_), HangSeconds, qPrintable(last_));
            std::fflush(stderr);
            std::abort();
        }
        seen = now;
    }
}

void Soak::remember(const QString& what)
{
    recent_ << what;
    if (recent_.size() > RecentShown)
        recent_.removeFirst();
    ++progress_;
    const std::lock_guard lock(lastMutex_);
    last_ = what;
}

void Soak::answerWhatIsOpen()
{
    // Answering may open the next one (a file dialog's warning), which is
    // answered in turn, from within its own loop.
    for (int round = 0; round < 4; ++round) {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            remember(QStringLiteral("close the popup %1").arg(describeWidget(popup)));
            popup->close();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            answerModal(modal);
        } else {
            return;
        }
    }
}

// A file dialog is cancelled, or given one of the soak's own files (or
// folders); any other modal window is answered with one of its buttons.
void Soak::answerModal(QWidget* modal)
{
    const QString what = describeWidget(modal);
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        const bool folders = dialog->fileMode() == QFileDialog::Directory;
        const QDir pickable(folders_.pickable);
        QStringList choices;
        if (!folders_.pickable.isEmpty())
            for (const QFileInfo& f : pickable.entryInfoList((folders ? QDir::Dirs : QDir::Files) | QDir::NoDotAndDotDot))
                choices << f.absoluteFilePath();
        const int pick = below(int(choices.size()) + 1);
        if (pick == int(choices.size())) {
            remember(QStringLiteral("cancel %1").arg(what));
            dialog->reject();
            return;
        }
        remember(QStringLiteral("choose %1 in %2").arg(choices[pick], what));
        dialog->setDirectory(pickable);
        dialog->selectFile(choices[pick]);
        QPointer<QFileDialog> still(dialog);
        static_cast<QDialog*>(dialog)->accept(); // the file dialog's own check of the choice runs
        if (still && still->isVisible())
            still->reject(); // the dialog would not take it (and said so in a warning, answered meanwhile)
        return;
    }
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(modal) && b->isEnabled())
            buttons << b;
    if (!buttons.isEmpty()) {
        QAbstractButton* b = buttons[below(int(buttons.size()))];
        remember(QStringLiteral("answer \"%1\" in %2").arg(b->text(), what));
        b->click();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        remember(QStringLiteral("dismiss %1").arg(what));
        dialog->reject();
    } else {
        remember(QStringLiteral("close %1").arg(what));
        modal->close();
    }
}

// Runs only inside a nested event loop (the soak's own calls run in none):
// answers what is open, and past NestedLoopMs names what holds the loop and
// leaves it, so that the run ends with a fault instead of a timeout.
void Soak::watchNestedLoop()
{
    if (QThread::currentThread()->loopLevel() == 0) {
        inNestedLoop_.invalidate();
        return;
    }
    if (!inNestedLoop_.isValid())
        inNestedLoop_.start();
    answerWhatIsOpen();
    if (inNestedLoop_.elapsed() < NestedLoopMs || !fault_.isEmpty())
        return;
    QWidget* holder = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
    fault_ = QStringLiteral("a nested event loop stayed open for %1 s, held by %2\n  after:\n    %3")
                 .arg(NestedLoopMs / 1000)
                 .arg(holder ? describeWidget(holder) : QStringLiteral("no window (a loop of the program's own)"),
                      recent_.join(QStringLiteral("\n    ")));
    QCoreApplication::exit(1); // every event loop of the thread returns, and later ones at once
}

// Keeps the order in which the program raised its windows: a window shown or
// raised goes on top, as it does on a desktop with no window manager.
bool Soak::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::ZOrderChange) {
        if (auto* screen = qobject_cast<forms::Screen*>(watched); screen && screen->isWindow()) {
            std::erase_if(stacking_, [screen](const QPointer<forms::Screen>& s) { return s.isNull() || s == screen; });
            stacking_.emplace_back(screen);
            // Shown by the class as well as opened by the soak: a screen the
            // program registers only when it plays a file has had its turn then.
            if (event->type() == QEvent::Show)
                visited_.insert(screen->name());
        }
    }
    // A popup or modal window answered as soon as the loop it opens runs.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        const auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow() && (w->windowType() == Qt::Popup || w->isModal()))
            QTimer::singleShot(0, this, &Soak::answerWhatIsOpen);
    }
    return false;
}

void Soak::note(const QString& what)
{
    ++events_;
    remember(QStringLiteral("%1: %2").arg(events_).arg(what));
    answerWhatIsOpen();
    settle();
    if (fault_.isEmpty()) {
        const QString problem = broken();
        if (!problem.isEmpty())
            fault_ = problem + QStringLiteral("\n  after:\n    ") + recent_.join(QStringLiteral("\n    "));
    }
}

// What the event loop does between two inputs: unloaded screens go, timers
// that are due tick, and what changed is painted.
void Soak::settle()
{
    TestScreens::flushDeletes();
    if (events_ % 8 == 0)
        QCoreApplication::processEvents();
}

std::vector<forms::Screen*> Soak::shownScreens() const
{
    std::vector<forms::Screen*> shown;
    for (const QString& name : t_->loadedNames())
        if (forms::Screen* s = t_->find(name); s && s->isVisible())
            shown.push_back(s);
    return shown;
}

QString Soak::broken() const
{
    std::map<QString, int> instances;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<forms::Screen*>(w))
            ++instances[s->name()];
    for (const auto& [name, count] : instances)
        if (count > 1)
            return QStringLiteral("%1 instances of screen %2").arg(count).arg(name);

    for (forms::Screen* screen : shownScreens()) {
        for (forms::Control* c : screen->findChildren<forms::Control*>()) {
            // A frame may overhang by its border, as designed; what it holds may not.
            if (!c->isVisibleTo(screen) || qobject_cast<forms::Frame*>(c))
                continue;
            // A fixed control may touch the edge to the pixel, as the title
            // screen's notice does.
            const forms::TwipRect r = onScreen(*c, *screen);
            if (inside(r, *screen))
                continue;
            const bool answer = activity::AnswerBoard::isAnswerLabel(*c);
            // A dragged label stays whole inside; once dropped, the drop pass
            // snaps it to the corner of its box, and a wide label on a narrow
            // box by the edge may overhang. It must stay within reach: its
            // middle, where a pupil takes hold of it, inside the window.
            const QPointF middle(r.left + r.width / 2, r.top + r.height / 2);
            if (answer && middle.x() > 0 && middle.y() > 0 && middle.x() < screen->twipWidth()
                && middle.y() < screen->twipHeight())
                continue;
            if (answer || !inside(r, *screen, forms::TwipsPerPixel))
                return QStringLiteral("%1 of %2 lies outside the client area (%3, %4, %5 x %6)%7")
                    .arg(describe(*c), screen->name())
                    .arg(r.left).arg(r.top).arg(r.width).arg(r.height)
                    .arg(answer ? QStringLiteral(", an answer label") : QString());
        }
    }

    const forms::Screen* jotter = t_->find(Jotter);
    if (jotter && jotter->isVisible()) {
        for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
            if (!*it || !(*it)->isVisible())
                continue;
            if (*it != jotter)
                return QStringLiteral("%1 was raised above the Jotter").arg((*it)->name());
            break;
        }
    }
    return {};
}

forms::Screen* Soak::pickScreen()
{
    // Mostly the window in front, as a pupil at the board sees it; now and then
    // one further back, as a click on a window behind reaches it.
    if (!chance(0.25))
        for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it)
            if (*it && (*it)->isVisible() && (*it)->isEnabled())
                return *it;
    const std::vector<forms::Screen*> shown = shownScreens();
    return shown.empty() ? nullptr : shown[static_cast<std::size_t>(below(static_cast<int>(shown.size())))];
}

QPoint Soak::anywhere()
{
    if (chance(0.2))
        return {below(1600) - 400, below(1200) - 300};
    return {below(800), below(600)};
}

void Soak::gesture()
{
    if (shownScreens().empty()) {
        openScreen();
        return;
    }
    if (answerQuestion())
        return;
    const int roll = below(100);
    if (roll < 10) openScreen();
    else if (roll < 14) closeScreen();
    else if (roll < 40) clickControl(false);
    else if (roll < 46) clickControl(true);
    else if (roll < 54) clickBare();
    else if (roll < 84) drag();
    else if (roll < 92) hover();
    else key();
}

// A question the program asks on a screen ("Delete ...?", "Save the
// changes ...?") is answered now and then with one of its answers, chosen by
// the seed, so that every answer's path is taken; meanwhile the class goes on.
bool Soak::answerQuestion()
{
    forms::Screen* screen = pickScreen();
    if (!screen || !chance(0.5))
        return false;
    for (activity::Question* question : screen->findChildren<activity::Question*>()) {
        if (!question->asking())
            continue;
        std::vector<forms::Label*> answers;
        question->answers.forEach([&](int, forms::Label& a) {
            if (a.isVisibleTo(question))
                answers.push_back(&a);
        });
        if (answers.empty())
            continue;
        forms::Label& answer = *answers[static_cast<std::size_t>(below(static_cast<int>(answers.size())))];
        const QString what = QStringLiteral("answer \"%1\" to \"%2\" on %3").arg(answer.caption(), question->text(), screen->name());
        const QPoint at = answer.mapTo(screen, answer.rect().center());
        QPointer<forms::Screen> window(screen);
        QTest::mousePress(screen, Qt::LeftButton, {}, at);
        note(what + QStringLiteral(": press"));
        if (window) {
            QTest::mouseRelease(window, Qt::LeftButton, {}, at);
            note(what + QStringLiteral(": release"));
        }
        return true;
    }
    return false;
}

void Soak::openScreen()
{
    const QStringList names = t_->registeredNames();
    const QString name = names[below(static_cast<int>(names.size()))];
    t_.fake->shellWorks = chance(0.5);
    t_->show(name);
    visited_.insert(name);
    note(QStringLiteral("open %1").arg(name));
}

void Soak::closeScreen()
{
    forms::Screen* screen = pickScreen();
    if (!screen)
        return;
    const QString name = screen->name();
    if (chance(0.5)) {
        screen->close();
        note(QStringLiteral("close %1 from its frame").arg(name));
        return;
    }
    // As a tool or a failing window manager destroys it, seen through the platform.
    forms::WindowWatch::XDestroyEvent gone{};
    gone.responseType = forms::WindowWatch::DestroyNotify;
    gone.event = gone.window = static_cast<quint32>(screen->winId());
    qintptr result = 0;
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &gone, &result);
    QCoreApplication::processEvents();
    note(QStringLiteral("destroy the window of %1").arg(name));
}

void Soak::clickControl(bool optionsOnly)
{
    forms::Screen* screen = pickScreen();
    if (!screen)
        return;
    std::vector<forms::Control*> controls;
    for (forms::Control* c : screen->findChildren<forms::Control*>())
        if (c->isVisibleTo(screen) && (!optionsOnly || qobject_cast<forms::OptionButton*>(c)))
            controls.push_back(c);
    if (controls.empty())
        return clickBare();
    forms::Control* c = controls[static_cast<std::size_t>(below(static_cast<int>(controls.size())))];
    const QPoint at = c->mapTo(screen, c->rect().center());
    const Qt::MouseButton button = Buttons[below(std::size(Buttons))];
    const QString what = QStringLiteral("%1 on %2 of %3").arg(button == Qt::LeftButton ? "click" : "right-click",
                                                              describe(*c), screen->name());
    QPointer<forms::Screen> window(screen);
    QTest::mousePress(screen, button, {}, at);
    note(what + QStringLiteral(": press"));
    // The press may have closed the window; the release then lands where the pointer is.
    forms::Screen* under = window ? window.data() : pickScreen();
    if (!under)
        return;
    QTest::mouseRelease(under, button, {}, at);
    note(what + QStringLiteral(": release"));
}

void Soak::clickBare()
{
    forms::Screen* screen = pickScreen();
    if (!screen)
        return;
    const QPoint at(below(800), below(600));
    QPointer<forms::Screen> window(screen);
    QTest::mousePress(screen, Qt::LeftButton, {}, at);
    note(QStringLiteral("press at (%1, %2) of %3").arg(at.x()).arg(at.y()).arg(screen->name()));
    if (forms::Screen* under = window ? window.data() : pickScreen()) {
        QTest::mouseRelease(under, Qt::LeftButton, {}, at);
        note(QStringLiteral("release there"));
    }
}

void Soak::drag()
{
    forms::Screen* screen = pickScreen();
    if (!screen)
        return;
    std::vector<forms::Control*> answers;
    for (forms::Control* c : screen->findChildren<forms::Control*>())
        if (c->isVisibleTo(screen) && activity::AnswerBoard::isAnswerLabel(*c))
            answers.push_back(c);
    QPoint from(below(800), below(600));
    QString start = QStringLiteral("(%1, %2)").arg(from.x()).arg(from.y());
    if (!answers.empty() && chance(0.8)) {
        forms::Control* label = answers[static_cast<std::size_t>(below(static_cast<int>(answers.size())))];
        from = label->mapTo(screen, label->rect().center());
        start = describe(*label) + QStringLiteral(" \"") + static_cast<forms::Label*>(label)->caption() + QLatin1Char('"');
    }
    const Qt::MouseButton button = Buttons[below(std::size(Buttons))];
    QPointer<forms::Screen> window(screen);
    QTest::mousePress(screen, button, {}, from);
    note(QStringLiteral("drag from %1 of %2 (button %3)").arg(start, screen->name()).arg(int(button)));
    QPoint at = from;
    for (int moves = 1 + below(6); moves > 0 && window; --moves) {
        at = anywhere();
        QTest::mouseMove(window, at);
        note(QStringLiteral("move to (%1, %2)").arg(at.x()).arg(at.y()));
    }
    if (forms::Screen* under = window ? window.data() : pickScreen()) {
        QTest::mouseRelease(under, button, {}, at);
        note(QStringLiteral("let go at (%1, %2)").arg(at.x()).arg(at.y()));
    }
}

void Soak::hover()
{
    if (forms::Screen* screen = pickScreen()) {
        const QPoint at = anywhere();
        QTest::mouseMove(screen, at);
        note(QStringLiteral("hover at (%1, %2) of %3").arg(at.x()).arg(at.y()).arg(screen->name()));
    }
}

void Soak::key()
{
    forms::Screen* screen = pickScreen();
    if (!screen)
        return;
    const Qt::Key k = Keys[below(std::size(Keys))];
    QWidget* target = screen->focusWidget() ? screen->focusWidget() : screen;
    QTest::keyClick(target, k);
    note(QStringLiteral("key %1 on %2").arg(int(k), 0, 16).arg(screen->name()));
}
