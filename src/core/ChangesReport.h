#pragma once

#include "core/Files.h"
#include "core/RulesSaver.h"
#include "core/platform/Platform.h"

#include <filesystem>
#include <string>
#include <vector>

namespace halvex {

// The report as exported and printed: a title, a rule, an empty line, then
// "<item> changed from <old> to <new>" per row. Every line ends in CRLF.
std::string reportText(const std::vector<ReportRow>& rows);

// "mm-dd-yyyy.txt", so each day has one report file.
std::string reportFileName(const DateTime& date);

// Writes the report into `folder` (made when missing), replacing the day's earlier export.
files::WriteResult exportReport(const std::filesystem::path& folder, const std::vector<ReportRow>& rows,
                                const DateTime& date);

// What the user is told after an export.
std::string exportedMessage(const DateTime& date, const std::string& folderText);

} // namespace halvex
