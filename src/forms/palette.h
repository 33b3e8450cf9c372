#pragma once
// The standard sixteen-colour palette, by colour number 0 to 15.

#include <QColor>
#include <array>

namespace forms {

inline const std::array<QColor, 16>& standardPalette()
{
    static const std::array<QColor, 16> colours{{
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},     {0, 128, 128},
        {128, 0, 0},   {128, 0, 128}, {128, 128, 0},   {192, 192, 192},
        {128, 128, 128}, {0, 0, 255}, {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0},   {255, 255, 255},
    }};
    return colours;
}

// Palette colour `number`, 0 to 15.
inline QColor paletteColour(int number) { return standardPalette().at(static_cast<std::size_t>(number)); }

} // namespace forms
