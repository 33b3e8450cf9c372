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
const char* const UnavailableProperty = "tavrenelUnavailable";

// Texts worked out on demand, by control and kind of text (name or
// description); a control's entries go when the control does.
using SourceKey = std::pair<const QObject*, int>;
QHash<SourceKey, std::function<QString()>>& textSources()
{
    static QHash<SourceKey, std::function<QString()>> sources;
    return sources;
}

void setTextSource(QWidget& control, QAccessible::Text kind, std::function<QString()> text)
{
    const QObject* key = &control;
    const bool watched = textSources().contains({key, QAccessible::Name}) || textSources().contains({key, QAccessible::Description});
    if (!watched)
        QObject::connect(&control, &QObject::destroyed, [key] {
            textSources().remove({key, QAccessible::Name});
            textSources().remove({key, QAccessible::Description});
        });
    textSources()[{key, kind}] = std::move(text);
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
    if (const auto* label = qobject_cast<const Label*>(w)) return label->caption().trimmed();
    if (const auto* box = qobject_cast<const CheckBox*>(w)) return box->caption();
    if (const auto* option = qobject_cast<const OptionButton*>(w)) return option->caption();
    if (const auto* button = qobject_cast<const Button*>(w)) {
        if (!button->caption().isEmpty() || button->pictureFile().isEmpty())
            return button->caption();
        QString base = QFileInfo(QString(button->pictureFile()).replace(QLatin1Char('\\'), QLatin1Char('/'))).baseName();
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
        const auto source = textSources().constFind({widget(), int(t)});
        if (source != textSources().constEnd())
            return (*source)();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return captionOf(widget());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->property(UnavailableProperty).toBool())
            s.disabled = true;
        if (const auto* box = qobject_cast<const CheckBox*>(widget())) {
            s.checkable = true;
            s.checked = box->value() != 0;
        } else if (const auto* option = qobject_cast<const OptionButton*>(widget())) {
            s.checkable = true;
            s.checked = option->value();
        }
        return s;
    }

    // What can be pressed says so, and a screen reader's "press" is a click.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && pressable())
            pressControl(*static_cast<Control*>(widget()));
        else
            QAccessibleWidget::doAction(action);
    }

private:
    bool pressable() const
    {
        const QAccessible::Role r = role();
        return qobject_cast<Control*>(widget()) && widget()->isEnabled()
            && (r == QAccessible::Button || r == QAccessible::Link || r == QAccessible::CheckBox || r == QAccessible::RadioButton);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    auto* w = qobject_cast<QWidget*>(object);
    // Any widget given a role of its own reads as that role: a diagram drawn by a widget of a kind's own.
    if (w && (qobject_cast<Control*>(w) || qobject_cast<Screen*>(w) || w->property(RoleProperty).isValid()))
        return new ControlInterface(w);
    return nullptr;
}

} // namespace

void pressControl(Control& control)
{
    if (auto* option = qobject_cast<OptionButton*>(&control))
        option->setValue(true); // tells its click when it was not chosen already
    else if (auto* box = qobject_cast<CheckBox*>(&control))
        box->setValue(box->value() ? 0 : 1); // every change tells its click
    else
        emit control.clicked();
}

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
    setTextSource(control, QAccessible::Name, std::move(name));
}

void setAccessibleDescriptionSource(QWidget& control, std::function<QString()> description)
{
    setTextSource(control, QAccessible::Description, std::move(description));
}

void setAccessibleUnavailable(QWidget& control, bool unavailable)
{
    if (control.property(UnavailableProperty).toBool() == unavailable)
        return;
    control.setProperty(UnavailableProperty, unavailable);
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(&control, changed);
    QAccessible::updateAccessibility(&event);
}

void announceAlert(QWidget& control)
{
    QAccessibleEvent shown(&control, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
    announceName(control);
}

void announceName(QWidget& control)
{
    QAccessibleEvent changed(&control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace forms
