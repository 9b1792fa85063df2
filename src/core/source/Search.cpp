#include "core/source/Search.h"

#include <algorithm>
#include <array>

namespace halvex::source {
namespace {

// Windows-1252 letters fold to lower case too, so a mod's "Défense" matches "DÉFENSE".
constexpr std::array<unsigned char, 256> kFold = [] {
    std::array<unsigned char, 256> fold{};
    for (std::size_t c = 0; c < fold.size(); ++c) fold[c] = static_cast<unsigned char>(c);
    for (std::size_t c = 'A'; c <= 'Z'; ++c) fold[c] = static_cast<unsigned char>(c + 32);
    for (std::size_t c = 0xC0; c <= 0xDE; ++c) {
        if (c != 0xD7) fold[c] = static_cast<unsigned char>(c + 32); // not the multiplication sign
    }
    fold[0x8A] = 0x9A; // S caron
    fold[0x8C] = 0x9C; // OE
    fold[0x8E] = 0x9E; // Z caron
    fold[0x9F] = 0xFF; // Y diaeresis
    return fold;
}();

bool sameLetter(char a, char b) {
    return kFold[static_cast<unsigned char>(a)] == kFold[static_cast<unsigned char>(b)];
}

std::size_t findFrom(std::string_view text, std::string_view needle, std::size_t from, bool matchCase) {
    if (matchCase) return text.find(needle, from);
    if (from > text.size()) return std::string_view::npos;
    const auto hit = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), needle.begin(),
                                 needle.end(), sameLetter);
    return hit == text.end() ? std::string_view::npos : static_cast<std::size_t>(hit - text.begin());
}

std::string_view withoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// Builds the text after the run piece by piece, keeping track of the line the next
// piece starts on, so that each hit costs only its own neighbourhood.
class RunOutput {
public:
    explicit RunOutput(std::size_t size) { m_text.reserve(size); }

    void append(std::string_view piece) {
        const std::size_t lastBreak = piece.rfind('\n');
        if (lastBreak != std::string_view::npos) {
            m_line += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
            m_lineStart = m_text.size() + lastBreak + 1;
        }
        m_text += piece;
    }

    std::size_t size() const { return m_text.size(); }
    std::size_t line() const { return m_line; }
    std::string_view currentLine() const { return std::string_view(m_text).substr(m_lineStart); }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
    std::size_t m_line = 0;
    std::size_t m_lineStart = 0;
};

} // namespace

std::optional<SearchResult> runSearch(std::string_view text, const SearchRequest& request) {
    const std::string_view needle = request.needle;
    if (needle.empty()) return std::nullopt;
    const bool replacing = request.replacement.has_value();
    const std::size_t cursor = std::min(request.cursor, text.size());

    SearchResult result;
    RunOutput output(text.size());
    std::size_t copied = 0; // the input before this is in the output
    std::size_t nextBreak = 0;
    std::size_t from = request.scope == SearchScope::AfterCursor ? cursor : 0;
    for (std::size_t hit; (hit = findFrom(text, needle, from, request.matchCase)) != std::string_view::npos;) {
        const std::size_t hitEnd = hit + needle.size();
        if (request.scope == SearchScope::BeforeCursor && hitEnd > cursor) break;
        const std::string_view put = replacing ? std::string_view(*request.replacement) : text.substr(hit, needle.size());
        output.append(text.substr(copied, hit - copied));

        SearchHit found;
        found.position = output.size() + 1;
        found.line = output.line();
        found.length = put.size();
        found.before = hit;
        const std::size_t breakInPut = put.find('\n');
        found.lineText = output.currentLine();
        if (breakInPut != std::string_view::npos) {
            found.lineText += put.substr(0, breakInPut);
        } else {
            if (nextBreak < hitEnd) nextBreak = std::min(text.find('\n', hitEnd), text.size());
            found.lineText += put;
            found.lineText += text.substr(hitEnd, nextBreak - hitEnd);
        }
        found.lineText = std::string(withoutCr(found.lineText));
        result.hits.push_back(std::move(found));

        output.append(put);
        copied = from = hitEnd;
    }
    output.append(text.substr(copied));
    result.text = output.take();
    return result;
}

std::string searchCompleteMessage(std::size_t hits, bool replaced) {
    return "Search complete! " + std::to_string(hits) + (replaced ? " items replaced!" : " results found!");
}

} // namespace halvex::source
