// The settings document is whatever the user's settings.iff holds: reading and writing
// items must survive any of it.
#include "core/BlockDocument.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string cat = in.ConsumeRandomLengthString(16);
    const std::string subcat = in.ConsumeRandomLengthString(16);
    const std::string value = in.ConsumeRandomLengthString(32);
    const std::string doc = in.ConsumeRemainingBytesAsString();

    (void)halvex::GetItem(doc, cat, subcat);
    std::string added = doc;
    (void)halvex::AddItem(added, cat, subcat, value);
    std::string written = doc;
    written = halvex::WriteItem(written, cat, subcat, value);
    (void)halvex::GetItem(written, cat, subcat);
    return 0;
}
