#include "core/Cp1252.h"

#include <array>
#include <cstdint>
#include <optional>

namespace halvex::cp1252 {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80u] : char32_t{byte};
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    }
    return '?';
}

constexpr char32_t kReplacement = 0xFFFD;

struct SequenceShape {
    int extra;          // continuation bytes that follow the lead
    char32_t bits;      // the lead's share of the code point
    char32_t smallest;  // below this the sequence is overlong
};

std::optional<SequenceShape> shapeOf(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) return SequenceShape{1, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0) return SequenceShape{2, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0) return SequenceShape{3, lead & 0x07u, 0x10000};
    return std::nullopt;
}

// Decodes one UTF-8 sequence at `i`, advancing it past the bytes that belong to it. A
// malformed sequence yields U+FFFD: an overlong form would let "/" or a letter of
// "rules.ini" hide behind other bytes, so only the shortest form counts.
char32_t decodeAt(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80) return lead;
    const std::optional<SequenceShape> shape = shapeOf(lead);
    if (!shape) return kReplacement;
    char32_t cp = shape->bits;
    for (int k = 0; k < shape->extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3Fu);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (cp < shape->smallest || surrogate || cp > 0x10FFFF) return kReplacement;
    return cp;
}

} // namespace

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) out += byteOf(decodeAt(utf8, i));
    return out;
}

} // namespace halvex::cp1252
