#pragma once

#include <QRect>

// Window positions and sizes are designed in twips: 15 twips to a logical pixel.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}

// A rectangle given as left, top, width and height in twips, in logical pixels.
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
