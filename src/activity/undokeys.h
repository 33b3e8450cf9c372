#pragma once
// Ctrl+Z undoes and Ctrl+Y (or Ctrl+Shift+Z) redoes an editor's own steps,
// on its screen and also while the teacher types in one of its fields: a
// field's own undo would not know of the steps taken in the others.

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

namespace activity {

enum class UndoKey { None, Undo, Redo };
UndoKey undoKeyOf(const QKeyEvent& key);

class UndoKeys : public QObject {
public:
    UndoKeys(QWidget& screen, std::function<void()> undo, std::function<void()> redo);
    // The keys pressed in `field` undo and redo the editor's steps, not the field's own.
    void claimFrom(QWidget& field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> undo_, redo_;
};

} // namespace activity
