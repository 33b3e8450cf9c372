#pragma once
// The registry of screens by name. There is at most one instance of each
// screen: it is created, and its load handler run, when it is first shown or
// touched, and destroyed when it is unloaded.

#include "forms/animationclock.h"
#include "forms/platform.h"

#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

namespace forms {

class Screen;
class WindowWatch;

class Screens {
public:
    using Factory = std::function<std::unique_ptr<Screen>(Screens&)>;

    explicit Screens(Platform platform);
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    void add(const QString& name, Factory factory);
    bool knows(const QString& name) const { return factories_.count(name) != 0; }
    QStringList registeredNames() const;

    // The loaded instance, loading it first if needed (touching a screen loads it).
    Screen& get(const QString& name);
    template <class T>
    T& get(const QString& name)
    {
        if (auto* typed = dynamic_cast<T*>(&get(name)))
            return *typed;
        throw std::logic_error("screen of another kind: " + name.toStdString());
    }
    Screen* find(const QString& name) const; // null when not loaded

    // Shows without a modal wait, in front of the others, loading first if needed;
    // a screen that stays on top stays in front of it.
    void show(const QString& name);
    void unload(const QString& name);
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    QStringList loadedNames() const;

    // One scale of pixels for every screen (1 as designed): each loaded
    // screen is placed anew at once.
    void setScale(float scale);
    // Display pixels for each design pixel.
    float scale() const { return scale_; }
    // The whole display in twips at the current scale; empty when unknown.
    QSizeF displaySize() const;

    // A choice that holds for this run: what was chosen in it, else what an
    // earlier run remembered; invalid when neither.
    QVariant setting(const QString& key) const;
    // Chosen for this run only, as "--fit" is.
    void chooseForThisRun(const QString& key, const QVariant& value);
    // Chosen for this run and remembered for the next; false when it could
    // not be remembered (the settings cannot be written).
    bool choose(const QString& key, const QVariant& value);

    // True the first time `what` is asked about in this run: for what the
    // teacher should be told once, not at every turn.
    bool firstTimeThisRun(const QString& what) { return told_.insert(what).second; }

    // Ends the program at once, with every screen still loaded.
    void endProgram();

    // A screen's window was closed from its frame, or destroyed from outside.
    void closedByUser(const QString& name);

    Platform& platform() { return platform_; }
    // The one clock the program's moving pictures run on.
    AnimationClock& animationClock() { return animationClock_; }

private:
    Platform platform_;
    float scale_ = 1.0f;
    std::map<QString, QVariant> choices_; // made in this run
    std::set<QString> told_;                // what the teacher has been told in this run
    AnimationClock animationClock_{platform_.refreshRate};
    std::map<QString, Factory> factories_;
    std::map<QString, Screen*> loaded_;
    std::vector<QPointer<Screen>> unloaded_; // awaiting deletion
    std::unique_ptr<WindowWatch> watch_;     // windows destroyed from outside
};

} // namespace forms
