#include "core/source/LineEnds.h"
#include "core/source/LineParts.h"
#include "core/source/SectionJump.h"

#include <gtest/gtest.h>

#include <string>

namespace halvex::source {
namespace {

TEST(LineEnds, EveryTextComesBackByteForByte) {
    const std::string texts[] = {
        "",
        "[General]\r\nName=Caf\xE9\xA0\x81\r\n",  // undefined and no-break bytes of the code page
        "[A]\r\nX=1\nY=2\r\n\r\nZ=3\rW\r\n\n", // a mod edited with several tools
        "unix\nonly\n",
        "\r\r\n\n\r",
        "no line end at all",
    };
    for (const auto& text : texts) {
        const ShownText shown = toShownText(text);
        EXPECT_EQ(shown.text.find('\r'), std::string::npos) << text;
        EXPECT_EQ(fromShownText(shown.text, shown.usual, shown.unusual), text);
    }
    const ShownText mixed = toShownText("a\r\nb\nc\r\nd\r\n");
    EXPECT_EQ(mixed.text, "a\nb\nc\nd\n");
    EXPECT_EQ(mixed.usual, LineEnd::CrLf);
    EXPECT_EQ(mixed.unusual, (UnusualLineEnds{{1, LineEnd::Lf}}));
    EXPECT_EQ(toShownText("a\nb\nc\r\n").usual, LineEnd::Lf);
    EXPECT_EQ(fromShownText("a\nnew\nb", LineEnd::CrLf, {{2, LineEnd::Lf}}), "a\r\nnew\r\nb")
        << "an entry for a line beyond the last break is ignored";
}

// From inside a section, from a header's end and in the last section: see the source editor's test.
TEST(SectionJump, SkipSectionGoesToTheEndOfTheNextHeaderLine) {
    const std::string text = "[E1]\nCost=1\n[E2] ;mod unit\nCost=2\n[E3]\nX=1";
    EXPECT_EQ(skipSection(text, 0), text.find("[E2]") + 4) << "the header at the very start is never the next one";
    EXPECT_EQ(skipSection(text, text.find("[E3]")), text.find("[E3]") + 4)
        << "at the start of a header line, that header";
    EXPECT_EQ(skipSection("[Only]\nX=1", 0), 1u);
    EXPECT_EQ(skipSection("a\n[Broken\nb", 0), 9u) << "a header without ']' ends at its line's end";
}

TEST(SectionJump, HeadersAreFoundExactlyFirstThenRegardlessOfCase) {
    const auto headers = sectionHeaders("[REPAIR]\r\nX=1\r\n;[Comment]\r\n[Repair]\n [Indented]\n[Ok] ;c\n[Broken\n");
    ASSERT_EQ(headers.size(), 3u);
    EXPECT_EQ(headers[2].name, "Ok");
    EXPECT_EQ(findHeader(headers, "Repair"), headers[1].offset);
    EXPECT_EQ(findHeader(headers, "REPAIR"), 0u);
    EXPECT_EQ(findHeader(headers, "repair"), 0u);
    EXPECT_EQ(findHeader(headers, "Comment"), std::nullopt);
}

TEST(LineParts, HeadersKeysValuesAndComments) {
    using P = LinePart;
    const auto parts = [](std::string_view line) {
        std::vector<std::tuple<std::string_view, P>> found;
        for (const auto& span : lineParts(line)) found.emplace_back(line.substr(span.start, span.length), span.part);
        return found;
    };
    using V = std::vector<std::tuple<std::string_view, P>>;
    EXPECT_EQ(parts("[ZEPPELIN2] ;air"), (V{{"[ZEPPELIN2]", P::Header}, {";air", P::Comment}}));
    EXPECT_EQ(parts("Primary=Vulcan2 ; a=b"), (V{{"Primary", P::Key}, {"Vulcan2 ", P::Value}, {"; a=b", P::Comment}}));
    EXPECT_EQ(parts("Owner="), (V{{"Owner", P::Key}}));
    EXPECT_EQ(parts("; Name=x"), (V{{"; Name=x", P::Comment}}));
    EXPECT_EQ(parts("just words"), V{});
}

} // namespace
} // namespace halvex::source
