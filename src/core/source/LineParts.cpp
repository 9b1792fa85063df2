#include "core/source/LineParts.h"

#include <algorithm>

namespace halvex::source {

std::vector<LineSpan> lineParts(std::string_view line) {
    std::vector<LineSpan> spans;
    const auto add = [&spans](std::size_t start, std::size_t end, LinePart part) {
        if (end > start) spans.push_back({start, end - start, part});
    };
    const std::size_t comment = std::min(line.find(';'), line.size());
    const std::string_view content = line.substr(0, comment);
    if (content.starts_with('[')) {
        const std::size_t close = content.find(']');
        add(0, close == std::string_view::npos ? content.size() : close + 1, LinePart::Header);
    } else if (const std::size_t equals = content.find('='); equals != std::string_view::npos) {
        add(0, equals, LinePart::Key);
        add(equals + 1, content.size(), LinePart::Value);
    }
    add(comment, line.size(), LinePart::Comment);
    return spans;
}

} // namespace halvex::source
