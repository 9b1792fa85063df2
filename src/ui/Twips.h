#pragma once

#include <QColor>
#include <QRect>

// Window geometry is designed in twips; 15 twips make one pixel at 96 dots per inch.
namespace halvex::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) noexcept { return twips / kTwipsPerPixel; }
constexpr int twips(int pixelCount) noexcept { return pixelCount * kTwipsPerPixel; }

inline QRect pixelRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// A colour number as the settings store it: red in the lowest byte, then green, then blue.
inline QColor colourFromNumber(int number) {
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

} // namespace halvex::ui
