#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// How a folder is written as a settings value, and read back.
//
// settings.iff is Windows-1252 text, so a folder whose name fits that code page is
// written as its Windows-1252 text, byte for byte as the file always held it. A name
// with letters outside it (Cyrillic, Greek, CJK...) cannot be written that way; it is
// written as a file URI of percent-encoded UTF-8 instead:
//
//   Path: file:///home/ivan/%D0%98%D0%B3%D1%80%D1%8B;
//   Path: file:///C:/%CE%A0%CE%B1%CE%B9%CF%87%CE%BD%CE%AF%CE%B4%CE%B9%CE%B1;
//
// The URI is plain ASCII, so it survives any editor and code page and reads back the
// same on Linux and Windows; no real folder path begins with "file://", so it cannot be
// mistaken for one. A document that starts with a UTF-8 byte-order mark was saved as
// UTF-8 by an editor: its values are UTF-8, and any name is written into it as it is.
namespace halvex {

std::string settingFromFolder(const std::filesystem::path& folder, bool utf8Document);
std::filesystem::path folderFromSetting(std::string_view value, bool utf8Document);

} // namespace halvex
