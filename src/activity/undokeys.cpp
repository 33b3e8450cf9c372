#include "activity/undokeys.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace activity {

UndoKey undoKeyOf(const QKeyEvent& key)
{
    const QKeyCombination pressed = key.keyCombination();
    if (pressed == QKeyCombination(Qt::CTRL, Qt::Key_Z))
        return UndoKey::Undo;
    if (pressed == QKeyCombination(Qt::CTRL, Qt::Key_Y) || pressed == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z))
        return UndoKey::Redo;
    return UndoKey::None;
}

UndoKeys::UndoKeys(QWidget& screen, std::function<void()> undo, std::function<void()> redo)
    : QObject(&screen), undo_(std::move(undo)), redo_(std::move(redo))
{
    const auto keys = [&screen](QKeyCombination keys, const std::function<void()>& run) {
        connect(new QShortcut(QKeySequence(keys), &screen), &QShortcut::activated, &screen, run);
    };
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Z), undo_);
    keys(QKeyCombination(Qt::CTRL, Qt::Key_Y), redo_);
    keys(QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z), redo_);
}

void UndoKeys::claimFrom(QWidget& field) { field.installEventFilter(this); }

// The key is claimed from the shortcuts and the field when it is offered
// (ShortcutOverride) and taken here when it is pressed.
bool UndoKeys::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const UndoKey key = undoKeyOf(*static_cast<QKeyEvent*>(event));
    if (key == UndoKey::None)
        return false;
    if (event->type() == QEvent::KeyPress)
        (key == UndoKey::Undo ? undo_ : redo_)();
    event->accept();
    return true;
}

} // namespace activity
