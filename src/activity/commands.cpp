#include "activity/commands.h"
#include "activity/looks.h"
#include "forms/accessible.h"

#include <QKeyEvent>

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
    for (int k = 0; k < int(commands.size()); ++k)
        forms::setAccessibleRole(forms::design(labels.create(screen, k), commands[std::size_t(k)].caption,
                                               commands[std::size_t(k)].at, CommandLook),
                                 QAccessible::Button);
    QObject::connect(&labels, &forms::GroupSignals::moved, &labels, [&labels](int k, const forms::MouseArgs&) { labels(k).setOpaque(true); });
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
    }
}

} // namespace activity
