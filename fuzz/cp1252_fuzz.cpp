// Every byte of the rules text must come back unchanged through the widgets, and no
// UTF-8 input, however broken, may grow on the way in.
#include "FuzzCheck.h"

#include "core/Cp1252.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    FUZZ_CHECK(halvex::cp1252::fromUtf8(halvex::cp1252::toUtf8(input)) == input);

    const std::string bytes = halvex::cp1252::fromUtf8(input);
    FUZZ_CHECK(bytes.size() <= input.size());
    FUZZ_CHECK(halvex::cp1252::fromUtf8(halvex::cp1252::toUtf8(bytes)) == bytes);
    return 0;
}
