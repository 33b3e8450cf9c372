#pragma once
// A box to type one line in, placed in twips like every control: a standard
// line edit inside, its font kept at the design size under the screen's scale.

#include "forms/control.h"

#include <QLineEdit>

namespace labelling {

class TextField : public forms::Control {
    Q_OBJECT
public:
    // `spoken` names the box for a screen reader ("Title").
    TextField(QWidget* parent, const QString& name, const QString& spoken, int longest);

    QLineEdit& edit() { return *edit_; }
    QString text() const { return edit_->text(); }
    // Shows `text` unless it is shown already, so that the cursor stays
    // where the teacher is typing.
    void show(const QString& text);

protected:
    void twipsChanged() override;

private:
    QLineEdit* edit_;
};

} // namespace labelling
