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
