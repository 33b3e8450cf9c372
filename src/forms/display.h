#pragma once
#include <QString>
#include <functional>

namespace forms {

// Why the program could not show its windows, or empty when a display looks
// reachable: no DISPLAY (nor Wayland, nor a chosen Qt platform), or a local X
// display whose socket does not exist. Asked before Qt would abort on it.
QString displayProblem(const QString& display, const QString& waylandDisplay, const QString& qtPlatform,
                       const std::function<bool(const QString& path)>& exists);

} // namespace forms
