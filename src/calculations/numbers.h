#pragma once
// Numbers written as a teacher writes them on the board: no floating-point
// noise, thousands set apart from five digits on, standard form with a real
// superscript power of ten, a unit after a space that never breaks.

#include "calculations/question.h"

#include <QString>

namespace calculations {

inline const QChar NoBreakSpace(0x00A0);
inline const QChar Times(0x00D7);
inline const QChar Divide(0x00F7);

// `value` rounded to `figures` significant figures.
double roundFigures(double value, int figures);
// Whether `value` is written in full with at most `figures` significant figures.
bool fitsFigures(double value, int figures);

// The value in full, to at most nine significant figures: 0.3, 28 800, 0.0425.
QString plain(double value);
// Rounded to `figures` significant figures, keeping the zeros that count: 0.80, 254, 1.50.
QString figures(double value, int figures);
// Standard form: "3 × 10⁸" (exact, fewest figures) when figures is 0, else "5.66 × 10¹⁴".
QString standardForm(double value, int figures = 0);
// An exponent in superscript digits: "⁻⁷".
QString superscript(int exponent);

// A number and its unit: "450 N", "7.5 kWh", "75%", "60p", "£1.55".
QString withUnit(const QString& number, const QString& unit);
QString withUnit(double value, const QString& unit);

// The result of a calculation as shown: in full when three significant figures
// (four for a whole number) hold it exactly, otherwise to three.
struct Shown {
    double value;
    QString text;
    Rounding rounding;
};
Shown shownResult(double exact, bool inStandardForm = false);
// " (3 s.f.)" after a rounded result; nothing after an exact one.
QString roundingNote(const Rounding& rounding);

} // namespace calculations
