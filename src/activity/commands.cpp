#include "activity/commands.h"
#include "activity/looks.h"
#include "forms/accessible.h"

#include <QKeyEvent>
#include <vector>

namespace activity {

namespace {

// Watches one command label's keys.
class CommandKeys : public QObject {
public:
    CommandKeys(QObject* command, std::function<void()> run) : QObject(command), run_(std::move(run))
    {
        command->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        run_();
        return true;
    }

private:
    std::function<void()> run_;
};

} // namespace

void runOnKeys(forms::Label& command, std::function<void()> run)
{
    command.setFocusPolicy(Qt::StrongFocus);
    new CommandKeys(&command, std::move(run));
}

void buildCommands(QWidget* screen, forms::ControlGroup<forms::Label>& labels, std::span<const Command> commands)
{
    std::vector<QWidget*> order;
    for (int k = 0; k < int(commands.size()); ++k) {
        forms::Label& command = forms::design(labels.create(screen, k), commands[std::size_t(k)].caption,
                                              commands[std::size_t(k)].at, CommandLook);
        forms::setAccessibleRole(command, QAccessible::Button);
        // Tab alone: a tap on the board leaves no focus behind.
        command.setFocusPolicy(Qt::TabFocus);
        new CommandKeys(&command, [&command] { forms::pressControl(command); });
        if (!order.empty())
            QWidget::setTabOrder(order.back(), &command);
        order.push_back(&command);
    }
    QObject::connect(&labels, &forms::GroupSignals::moved, &labels, [&labels](int k, const forms::MouseArgs&) { labels(k).setOpaque(true); });
}

void setAvailable(forms::Label& command, bool available)
{
    command.setForeColor(available ? forms::Yellow : UnavailableGrey);
    forms::setAccessibleUnavailable(command, !available);
    command.setFocusPolicy(available ? Qt::TabFocus : Qt::NoFocus);
    if (available || !command.hasFocus())
        return;
    // The keyboard goes on to the next control that takes it, as a Tab would.
    for (QWidget* next = command.nextInFocusChain(); next && next != &command; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() && next->window() == command.window()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    command.clearFocus();
}

void chainTabOrder(std::span<QWidget* const> controls)
{
    if (controls.empty())
        return;
    // The first straight after the window itself, so that the first Tab from
    // the screen lands on it; the window takes no focus of its own for that.
    QWidget* window = controls.front()->window();
    const Qt::FocusPolicy policy = window->focusPolicy();
    if (policy == Qt::NoFocus)
        window->setFocusPolicy(Qt::ClickFocus);
    QWidget::setTabOrder(window, controls.front());
    window->setFocusPolicy(policy);
    for (std::size_t k = 1; k < controls.size(); ++k)
        QWidget::setTabOrder(controls[k - 1], controls[k]);
}

void dimCommands(forms::ControlGroup<forms::Label>& labels)
{
    labels.forEach([](int, forms::Label& command) { command.setOpaque(false); });
}

void buildOptions(QWidget* screen, forms::ControlGroup<forms::OptionButton>& options, const OptionSwitch& look)
{
    for (int k = 0; k < int(look.captions.size()); ++k) {
        const forms::TwipRect& at = look.at[std::size_t(k)];
        forms::OptionButton& option = options.create(screen, k);
        option.setCaption(look.captions[std::size_t(k)]);
        option.place(at.left, at.top, at.width, at.height);
        option.setForeColor(look.textColour);
        option.setDesignFont("Arial", look.points, true);
        option.setDesignValue(k == look.own);
        option.setFocusPolicy(Qt::TabFocus);
        forms::setAccessibleRole(option, QAccessible::RadioButton);
    }
}

} // namespace activity
