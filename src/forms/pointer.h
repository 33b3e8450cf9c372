#pragma once

namespace forms {

// The application-wide mouse pointer: the busy pointer while a screen is being
// placed, the default one otherwise.
void setBusyPointer();
void setDefaultPointer();
bool busyPointerShown();

} // namespace forms
