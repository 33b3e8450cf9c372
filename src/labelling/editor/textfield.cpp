#include "labelling/editor/textfield.h"
#include "forms/twips.h"

namespace labelling {

TextField::TextField(QWidget* parent, const QString& name, const QString& spoken, int longest)
    : Control(parent, name), edit_(new QLineEdit(this))
{
    edit_->setObjectName(name);
    edit_->setAccessibleName(spoken);
    edit_->setMaxLength(longest);
    edit_->setFrame(true);
    setFocusProxy(edit_);
    twipsChanged();
}

void TextField::show(const QString& text)
{
    if (edit_->text() != text)
        edit_->setText(text);
}

void TextField::twipsChanged()
{
    if (!edit_)
        return;
    edit_->setGeometry(rect());
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, int(std::lround(forms::fontPixels(14) * scale()))));
    edit_->setFont(font);
}

} // namespace labelling
