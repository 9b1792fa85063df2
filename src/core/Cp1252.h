#pragma once

#include <string>
#include <string_view>

// Lossless Windows-1252 <-> UTF-8. The rules text stays in single bytes; conversion
// happens only where text meets the desktop (widgets, file-system paths).
namespace halvex::cp1252 {

std::string toUtf8(std::string_view bytes);

// Characters Windows-1252 cannot hold become '?'. The five bytes the code page leaves
// undefined travel as U+0081, U+008D, U+008F, U+0090 and U+009D, so they round-trip.
// Malformed UTF-8 (overlong forms, surrogates, code points above U+10FFFF, cut-off
// sequences) becomes one '?' per broken sequence.
std::string fromUtf8(std::string_view utf8);

} // namespace halvex::cp1252
