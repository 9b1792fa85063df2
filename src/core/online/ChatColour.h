#pragma once

// The colours chat messages are shown in, as red, green and blue.
namespace halvex::online {

struct ChatColour {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const ChatColour&) const = default;
};

inline constexpr ChatColour kRed{255, 0, 0};
inline constexpr ChatColour kWhite{255, 255, 255};
inline constexpr ChatColour kGreen{0, 255, 0};
inline constexpr ChatColour kSilver{192, 192, 192};
inline constexpr ChatColour kCyan{0, 255, 255};

} // namespace halvex::online
