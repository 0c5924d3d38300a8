#pragma once

#include <QtGlobal>

// A colour as the integer 0x00BBGGRR: red in the low byte, the high byte zero.
using ColourValue = qint32;

constexpr ColourValue colourValue(int red, int green, int blue) {
    return (blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF);
}
constexpr int redOf(ColourValue value) {
    return value & 0xFF;
}
constexpr int greenOf(ColourValue value) {
    return value >> 8 & 0xFF;
}
constexpr int blueOf(ColourValue value) {
    return value >> 16 & 0xFF;
}

// The colours the windows are designed with.
namespace Colour {
inline constexpr ColourValue Black = 0x000000;
inline constexpr ColourValue White = 0xFFFFFF;
inline constexpr ColourValue Maroon = 0x000080; // titles, the clock and the date
inline constexpr ColourValue Navy = 0x800000;   // captions of groups and sub-headings
inline constexpr ColourValue Blue = 0xFF0000;   // a link
inline constexpr ColourValue Grey = 0xB9B9B9;   // the countdown's entry digits
inline constexpr ColourValue Red = 0x0000F0;    // the remaining time
inline constexpr ColourValue Azure = 0xFFD700;  // the alarms' digits
} // namespace Colour
