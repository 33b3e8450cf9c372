#pragma once
// An indexed control group: controls of one kind sharing a name and one
// handler per event, told apart by their index. Elements may be added at run
// time as copies of element 0; such copies start hidden.

#include "forms/mouse.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <map>

namespace forms {

template <class T>
class ControlArray {
public:
    explicit ControlArray(QString name) : name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    std::function<void(int index, const MouseArgs&)> MouseDown, MouseMove, MouseUp;
    std::function<void(int index)> Click;

    const QString& name() const { return name_; }

    // Creates element `index` as a child of `parent`.
    T& create(QWidget* parent, int index)
    {
        return adopt(new T(parent, name_, index));
    }

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
        element->MouseDown = [this, index](const MouseArgs& a) { if (MouseDown) MouseDown(index, a); };
        element->MouseMove = [this, index](const MouseArgs& a) { if (MouseMove) MouseMove(index, a); };
        element->MouseUp = [this, index](const MouseArgs& a) { if (MouseUp) MouseUp(index, a); };
        element->Click = [this, index] { if (Click) Click(index); };
        return *element;
    }

    QString name_;
    std::map<int, T*> elements_; // owned by their parent widget
};

} // namespace forms
