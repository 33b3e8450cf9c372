#include "forms/pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace forms {

void setBusyPointer()
{
    if (!busyPointerShown())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void setDefaultPointer()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool busyPointerShown() { return QGuiApplication::overrideCursor() != nullptr; }

} // namespace forms
