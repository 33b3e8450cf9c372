#pragma once
// A group of controls of one kind (the targets of a diagram, its answer
// labels, the options of a switch), told apart by their index. The group
// passes on its elements' signals with the element's index, so that a screen
// connects once for the whole group. Elements may be added at run time as
// hidden copies of element 0.

#include "forms/mouse.h"

#include <QObject>
#include <QString>
#include <QWidget>
#include <map>

namespace forms {

// The signals of every group, whatever its kind of control.
class GroupSignals : public QObject {
    Q_OBJECT
signals:
    void pressed(int index, const forms::MouseArgs& args);
    void moved(int index, const forms::MouseArgs& args);
    void released(int index, const forms::MouseArgs& args);
    void clicked(int index);
};

template <class T>
class ControlGroup : public GroupSignals {
public:
    explicit ControlGroup(QString name) : name_(std::move(name)) {}

    const QString& name() const { return name_; }

    // Creates element `index` as a child of `parent`.
    T& create(QWidget* parent, int index) { return adopt(new T(parent, name_, index)); }

    // Creates element `index` as a copy of element 0, hidden.
    T& load(int index)
    {
        T& first = at(0);
        T& copy = create(first.parentWidget(), index);
        copy.copyFrom(first);
        copy.hide();
        return copy;
    }

    T& at(int index) const { return *elements_.at(index); }
    T& operator()(int index) const { return at(index); }
    bool exists(int index) const { return elements_.count(index) != 0; }
    int count() const { return static_cast<int>(elements_.size()); }

    template <class F>
    void forEach(F&& f) const
    {
        for (const auto& [index, element] : elements_)
            f(index, *element);
    }

private:
    T& adopt(T* element)
    {
        const int index = element->index();
        elements_[index] = element;
        connect(element, &T::pressed, this, [this, index](const MouseArgs& a) { emit pressed(index, a); });
        connect(element, &T::moved, this, [this, index](const MouseArgs& a) { emit moved(index, a); });
        connect(element, &T::released, this, [this, index](const MouseArgs& a) { emit released(index, a); });
        connect(element, &T::clicked, this, [this, index] { emit clicked(index); });
        return *element;
    }

    QString name_;
    std::map<int, T*> elements_; // owned by their parent widget
};

} // namespace forms
