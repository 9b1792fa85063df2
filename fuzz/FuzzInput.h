#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// One fuzz input feeds several arguments: the bytes are cut at each NUL into `Count`
// parts, the last part keeping any further NULs, missing parts empty. Seeds stay
// readable text with a NUL between the arguments.
template <std::size_t Count>
std::array<std::string_view, Count> fuzzParts(const std::uint8_t* data, std::size_t size) {
    std::array<std::string_view, Count> parts{};
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t i = 0; i + 1 < Count; ++i) {
        const std::size_t cut = rest.find('\0');
        if (cut == std::string_view::npos) {
            parts[i] = rest;
            return parts;
        }
        parts[i] = rest.substr(0, cut);
        rest.remove_prefix(cut + 1);
    }
    parts[Count - 1] = rest;
    return parts;
}

// A small number taken from the front of a part, for choices such as a kind or a flag.
inline unsigned char fuzzChoice(std::string_view part) {
    return part.empty() ? 0 : static_cast<unsigned char>(part.front());
}
