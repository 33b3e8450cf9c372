#pragma once
// What a calculation's diagram shows, in words, for a pupil who cannot see it:
// the screen reader reads it as the diagram's name.

#include "calculations/question.h"

#include <QString>

namespace calculations {

// "Wheelbarrow: pivot at the wheel, load 400 N at 0.4 m, effort at 1.2 m";
// "Longitudinal wave: wavelength 1.28 m marked from one compression to the next".
// Empty when there is no diagram.
QString describe(const Diagram& diagram);

} // namespace calculations
