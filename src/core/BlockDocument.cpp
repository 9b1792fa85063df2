#include "core/BlockDocument.h"

#include "core/Text.h"

#include <optional>

namespace halvex {
namespace {

using text::kCrlf;
using text::npos;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The document's own line break. The program writes CRLF, but a file edited by hand on
// Linux has LF, and what is added to it keeps that break so its lines stay alike.
std::string_view lineBreakOf(std::string_view doc) {
    const std::size_t lf = doc.find('\n');
    return (lf != npos && (lf == 0 || doc[lf - 1] != '\r')) ? std::string_view("\n") : kCrlf;
}

struct BlockSpan {
    std::size_t bodyStart;  // just after the header's line break
    std::size_t closeBreak; // the line break before the closing "}"
    std::string_view lineBreak;
    std::size_t closeEnd() const { return closeBreak + lineBreak.size() + 1; } // just after "}"
    std::string_view body(std::string_view doc) const {
        // The body keeps the break at closeBreak; an empty block has an empty body.
        const std::size_t end = closeBreak + lineBreak.size();
        return end > bodyStart ? doc.substr(bodyStart, end - bodyStart) : std::string_view{};
    }
};

std::optional<BlockSpan> findBlock(std::string_view doc, std::string_view cat) {
    const std::string_view lineBreak = lineBreakOf(doc);
    const std::string header = std::string(cat) + " {" + std::string(lineBreak);
    // The byte-order mark an editor may put before the first header is not part of that line.
    const std::size_t textStart = hasUtf8ByteOrderMark(doc) ? kUtf8ByteOrderMark.size() : 0;
    const std::size_t found = text::findAtLineStartIgnoreCase(doc.substr(textStart), header);
    if (found == npos) return std::nullopt;
    const std::size_t bodyStart = textStart + found + header.size();
    const std::size_t close = doc.find(std::string(lineBreak) + "}", bodyStart - lineBreak.size());
    if (close == npos) return std::nullopt;
    return BlockSpan{bodyStart, close, lineBreak};
}

struct KeySpan {
    std::size_t keyStart;   // in the body
    std::size_t valueStart; // in the body, after "key: "
};

std::optional<KeySpan> findKey(std::string_view body, std::string_view subcat) {
    const std::string keyText = std::string(subcat) + ": ";
    const std::size_t at = text::findAtLineStartIgnoreCase(body, keyText);
    if (at == npos) return std::nullopt;
    return KeySpan{at, at + keyText.size()};
}

} // namespace

bool isItemError(std::string_view value) noexcept {
    return text::equalsIgnoreCase(value, kItemError);
}

bool hasUtf8ByteOrderMark(std::string_view doc) noexcept {
    return doc.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
}

std::string GetItem(const std::string& doc, std::string_view cat, std::string_view subcat) {
    const auto block = findBlock(doc, cat);
    if (!block) return std::string(kItemError);
    const std::string_view body = block->body(doc);
    const auto key = findKey(body, subcat);
    if (!key) return std::string(kItemError);
    const std::size_t end = body.find(";" + std::string(block->lineBreak), key->keyStart + 1);
    if (end == npos || end < key->valueStart) return std::string(kItemError);
    return std::string(body.substr(key->valueStart, end - key->valueStart));
}

std::string AddItem(std::string& doc, std::string_view cat, std::string_view subcat, std::string_view /*value*/) {
    const std::string lineBreak(lineBreakOf(doc));
    if (!findBlock(doc, cat)) doc += lineBreak + lineBreak + std::string(cat) + " {" + lineBreak + "}";
    const auto block = findBlock(doc, cat);
    if (!block) return doc; // a name that cannot form a header line; nothing sensible to add
    const std::string_view body = block->body(doc);
    const auto key = findKey(body, subcat);
    if (!key || body.find(';', key->keyStart + 1) == npos) {
        std::string rebuilt = doc.substr(0, block->closeBreak);
        rebuilt += lineBreak + std::string(subcat) + ": newvale;" + lineBreak + "}";
        rebuilt += doc.substr(block->closeEnd());
        doc = std::move(rebuilt);
    }
    return doc;
}

std::string WriteItem(std::string& doc, std::string_view cat, std::string_view subcat, std::string_view value) {
    // One AddItem always suffices; the bound only guards against names that can
    // never form a findable line.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto block = findBlock(doc, cat);
        const std::string_view body = block ? block->body(doc) : std::string_view{};
        const auto key = block ? findKey(body, subcat) : std::nullopt;
        // The value ends where GetItem reads it to: at the ";" that ends a line. Cutting at
        // the first ";" would keep the tail of an old value such as "D:\Games;Mods".
        std::size_t semicolon = key ? body.find(";" + std::string(block->lineBreak), key->keyStart + 1) : npos;
        if (key && semicolon == npos) semicolon = body.find(';', key->keyStart + 1);
        if (semicolon == npos || semicolon < key->valueStart) {
            AddItem(doc, cat, subcat, value);
            continue;
        }
        std::string result = doc.substr(0, block->bodyStart);
        result += body.substr(0, key->valueStart);
        result += value;
        result += body.substr(semicolon);
        result += doc.substr(block->closeBreak + block->lineBreak.size());
        return result;
    }
    return doc;
}

} // namespace halvex
