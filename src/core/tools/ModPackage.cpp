#include "core/tools/ModPackage.h"

#include "core/Files.h"
#include "core/Text.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace halvex::tools {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kForbiddenCharacters = "<>:\"/\\|?*";
constexpr std::array<std::string_view, 4> kReservedNames = {"CON", "PRN", "AUX", "NUL"};

bool isReservedDeviceName(std::string_view fileName) {
    const std::string stem = text::toUpper(fileName.substr(0, fileName.find('.')));
    if (std::find(kReservedNames.begin(), kReservedNames.end(), stem) != kReservedNames.end()) return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

// Why `name` is not a plain file name on every system the game runs on; empty when it is.
std::string plainNameProblem(std::string_view name) {
    const std::string_view trimmed = text::trim(name);
    if (trimmed.empty()) return "it is empty.";
    if (trimmed == "." || trimmed == "..") return "it names a folder, not a file.";
    const bool forbidden = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || kForbiddenCharacters.find(c) != std::string_view::npos;
    });
    if (forbidden) return "a file name may not hold < > : \" / \\ | ? * or control characters.";
    if (name.back() == '.' || name.back() == ' ') return "Windows drops a dot or blank at its end.";
    if (isReservedDeviceName(name)) return "Windows keeps that name for a device.";
    return {};
}

// A listed name becomes part of a copy's path: one that is not a plain file name could
// reach out of the mod's folder.
std::string listedFilesProblem(const std::vector<ModFile>& files) {
    for (const ModFile& file : files) {
        if (std::string reason = plainNameProblem(file.name); !reason.empty()) {
            return "\"" + file.name + "\" cannot be a file of the mod: " + reason;
        }
    }
    return {};
}

std::string quoted(const fs::path& path) {
    return files::textFromPath(path);
}

std::string copyInto(const ModFile& file, const fs::path& target) {
    std::error_code ec;
    // An opened mod lists the copies themselves; copying one onto itself would empty it.
    if (fs::equivalent(file.source, target, ec)) return {};
    const auto read = files::readWhole(file.source);
    if (!read.bytes) return "The file " + quoted(file.source) + " could not be copied: " + read.error;
    const auto written = files::writeAtomically(target, *read.bytes);
    if (!written.ok) return "The copy " + quoted(target) + " could not be written: " + written.error;
    return {};
}

std::string formProblem(const ModForm& form) {
    if (form.title.empty() || form.fileName.empty() || form.version.empty() || form.files.empty()) {
        return std::string(kModFieldsMissing);
    }
    if (std::string problem = fileNameProblem(form.fileName); !problem.empty()) return problem;
    return listedFilesProblem(form.files);
}

// Checks the form and makes the mod's folder; the folder, or the reason there is none.
ModOutcome prepareFolder(const ModForm& form, const fs::path& modsRoot) {
    ModOutcome outcome;
    outcome.error = formProblem(form);
    if (!outcome.error.empty()) return outcome;
    outcome.folder = modsRoot / files::pathFromText(form.fileName);
    std::error_code ec;
    fs::create_directories(outcome.folder, ec);
    if (ec || !fs::is_directory(outcome.folder)) {
        outcome.error = "The mod folder " + quoted(outcome.folder) + " could not be created: " +
                        (ec ? ec.message() : std::string("a file of that name is in the way"));
    }
    return outcome;
}

std::string writeDescriptor(const ModForm& form, const fs::path& folder) {
    const fs::path file = folder / files::pathFromText(form.fileName + ".mod");
    const auto written = files::writeAtomically(file, descriptorText(form));
    return written.ok ? std::string() : "The descriptor " + quoted(file) + " could not be written: " + written.error;
}

} // namespace

int iconNumber(std::string_view fileName) {
    const std::string ending = text::toLower(fileName.substr(fileName.size() < 4 ? 0 : fileName.size() - 4));
    if (ending == ".txt") return 4;
    if (ending == ".ini") return 3;
    if (ending == ".bmp" || ending == ".jpg" || ending == ".gif") return 2;
    return 1;
}

std::string dropProblem(const std::vector<ModFile>& listed, const fs::path& dropped, bool& alreadyListed) {
    const std::string name = files::textFromPath(dropped.filename());
    alreadyListed = false;
    for (const ModFile& file : listed) {
        std::error_code ec;
        if (file.source == dropped || fs::equivalent(file.source, dropped, ec)) {
            alreadyListed = true;
            return {};
        }
        if (text::equalsIgnoreCase(file.name, name)) {
            return "The file " + quoted(dropped) + " has the same name as " + quoted(file.source) +
                   ", which is already in the list. Their copies in the mod would overwrite each other.";
        }
    }
    return {};
}

std::string fileNameProblem(std::string_view fileName) {
    const std::string reason = plainNameProblem(fileName);
    return reason.empty() ? reason : "\"" + std::string(fileName) + "\" cannot be the filename of the mod: " + reason;
}

std::string descriptorText(const ModForm& form) {
    std::string text = form.title + "\r\nv" + form.version + "\r\n";
    for (const ModFile& file : form.files) text += file.name + "\r\n";
    return text;
}

ModForm readDescriptor(std::string_view text, std::string_view fileName, const fs::path& folder) {
    ModForm form;
    form.fileName = fileName;
    int line = 0;
    for (std::size_t at = 0; at < text.size(); at = text::nextLineStart(text, at), ++line) {
        const std::string_view content = text::lineAt(text, at);
        if (line == 0) {
            form.title = content;
        } else if (line == 1) {
            form.version = content.starts_with('v') ? content.substr(1) : content;
        } else if (!content.empty() && plainNameProblem(content).empty()) {
            const std::string name(content);
            form.files.push_back({name, folder / files::pathFromText(std::string(fileName) + "-" + name)});
        }
    }
    return form;
}

ModOutcome generateMod(const ModForm& form, const fs::path& modsRoot, const std::function<void(int)>& progress) {
    ModOutcome outcome = prepareFolder(form, modsRoot);
    if (!outcome.error.empty()) return outcome;
    int copied = 0;
    for (const ModFile& file : form.files) {
        outcome.error = copyInto(file, outcome.folder / files::pathFromText(form.fileName + "-" + file.name));
        if (!outcome.error.empty()) return outcome;
        if (progress) progress(++copied);
    }
    outcome.error = writeDescriptor(form, outcome.folder);
    return outcome;
}

ModOutcome saveDescriptor(const ModForm& form, const fs::path& modsRoot) {
    ModOutcome outcome = prepareFolder(form, modsRoot);
    if (outcome.error.empty()) outcome.error = writeDescriptor(form, outcome.folder);
    return outcome;
}

std::string createdMessage(const fs::path& folder) {
    return "Mod created. Just distribute the files in the " + quoted(folder) + " directory";
}

} // namespace halvex::tools
