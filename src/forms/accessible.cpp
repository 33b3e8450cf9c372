#include "forms/accessible.h"
#include "forms/buttons.h"
#include "forms/label.h"
#include "forms/picturecontrols.h"
#include "forms/screen.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QHash>
#include <QPointer>

namespace forms {

namespace {

const char* const RoleProperty = "tavrenelAccessibleRole";

// Name sources by control; a control's entry goes when the control does.
QHash<const QObject*, std::function<QString()>>& nameSources()
{
    static QHash<const QObject*, std::function<QString()>> sources;
    return sources;
}

QAccessible::Role kindRole(const QWidget* w)
{
    if (qobject_cast<const Button*>(w)) return QAccessible::Button;
    if (qobject_cast<const CheckBox*>(w)) return QAccessible::CheckBox;
    if (qobject_cast<const OptionButton*>(w)) return QAccessible::RadioButton;
    if (qobject_cast<const Frame*>(w)) return QAccessible::Grouping;
    if (qobject_cast<const PictureHolder*>(w)) return QAccessible::Graphic;
    if (qobject_cast<const Label*>(w)) return QAccessible::StaticText;
    if (qobject_cast<const Screen*>(w)) return QAccessible::Window;
    return QAccessible::Client;
}

// A picture button without a caption is named by its picture: "exit.jpg" is "Exit".
QString captionOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const Label*>(w)) return label->Caption().trimmed();
    if (const auto* box = qobject_cast<const CheckBox*>(w)) return box->Caption();
    if (const auto* option = qobject_cast<const OptionButton*>(w)) return option->Caption();
    if (const auto* button = qobject_cast<const Button*>(w)) {
        if (!button->Caption().isEmpty() || button->PictureFile().isEmpty())
            return button->Caption();
        QString base = QFileInfo(QString(button->PictureFile()).replace(QLatin1Char('\\'), QLatin1Char('/'))).baseName();
        if (!base.isEmpty())
            base[0] = base[0].toUpper();
        return base;
    }
    if (const auto* screen = qobject_cast<const Screen*>(w)) return screen->windowTitle();
    return {};
}

class ControlInterface : public QAccessibleWidget {
public:
    explicit ControlInterface(QWidget* w) : QAccessibleWidget(w, kindRole(w)) {}

    QAccessible::Role role() const override
    {
        const QVariant chosen = widget()->property(RoleProperty);
        return chosen.isValid() ? static_cast<QAccessible::Role>(chosen.toInt()) : kindRole(widget());
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto source = nameSources().constFind(widget());
        if (source != nameSources().constEnd())
            return (*source)();
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return captionOf(widget());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* box = qobject_cast<const CheckBox*>(widget())) {
            s.checkable = true;
            s.checked = box->Value() != 0;
        } else if (const auto* option = qobject_cast<const OptionButton*>(widget())) {
            s.checkable = true;
            s.checked = option->Value();
        }
        return s;
    }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    if (w && (qobject_cast<Control*>(w) || qobject_cast<Screen*>(w)))
        return new ControlInterface(w);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

void setAccessibleRole(QWidget& control, QAccessible::Role role) { control.setProperty(RoleProperty, int(role)); }

void setAccessibleNameSource(QWidget& control, std::function<QString()> name)
{
    const QObject* key = &control;
    if (!nameSources().contains(key))
        QObject::connect(&control, &QObject::destroyed, [key] { nameSources().remove(key); });
    nameSources()[key] = std::move(name);
}

} // namespace forms
