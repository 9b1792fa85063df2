#pragma once

#include <string>
#include <string_view>

// The program's own settings format: named blocks of "Key: value;" lines.
//
//   Settings {
//   Path: C:\westwood\sun;
//   }
//
// Block names and keys are matched without regard to case and only where they begin
// a line, so a key "Back" never reads a line "MenuBack: 0;". Lines end in CRLF, or in
// LF when the document's first line does (a file edited by hand); a UTF-8 byte-order
// mark before the first block is skipped. These are pure string operations: writing
// the document to a file is the caller's business.
namespace halvex {

inline constexpr std::string_view kItemError = "Error";

// The value of `subcat` in block `cat`, or "Error" when the block, the key or the
// line's closing ";" is missing.
std::string GetItem(const std::string& doc, std::string_view cat, std::string_view subcat);

// Sets `subcat` of block `cat` to `value`, creating block and key when missing, and
// returns the new document (callers assign it back). `doc` itself changes only when
// something had to be created.
std::string WriteItem(std::string& doc, std::string_view cat, std::string_view subcat, std::string_view value);

// Creates block `cat` (at the end, after a blank line) and key `subcat` (as the block's
// last line, with the placeholder "newvale") when missing; stores and returns the result.
std::string AddItem(std::string& doc, std::string_view cat, std::string_view subcat, std::string_view value);

bool isItemError(std::string_view value) noexcept;

// True when the document starts with the mark an editor puts before UTF-8 text.
bool hasUtf8ByteOrderMark(std::string_view doc) noexcept;

} // namespace halvex
