// A list file is text a modder may have edited by hand: any of it must parse, and an
// entry can never carry the "]" that ends its id, nor a line break in its id or name.
#include "FuzzCheck.h"

#include "core/ListFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const halvex::ListEntry& entry : halvex::parseListFile(text)) {
        FUZZ_CHECK(entry.id.find(']') == std::string::npos);
        FUZZ_CHECK(entry.id.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(entry.name.find('\n') == std::string::npos);
    }
    return 0;
}
