#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Everything that waits for a person or touches the desktop goes through this seam.
// The program uses the Qt implementation; tests use a scripted fake. Texts are
// Windows-1252 bytes, like the rest of the program's text.
namespace halvex {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard };

inline constexpr const char* kApplicationTitle = "Halvex";

struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Asks for a folder, showing `prompt` as the instruction and `recentFolders` one
    // click away. The chosen folder's full path, or nothing when the user cancels.
    virtual std::optional<std::filesystem::path>
    browseForFolder(const std::string& prompt, const std::vector<std::filesystem::path>& recentFolders) = 0;

    virtual MessageAnswer showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                      const std::string& title = kApplicationTitle) = 0;

    // A colour as red + green*256 + blue*65536, or nothing when cancelled.
    virtual std::optional<int> chooseColour(int initial) = 0;

    // Opens a document or web address with the desktop's default handler; true when handed over.
    virtual bool openDocument(const std::string& target) = 0;

    // Starts a program as a minimised window; true when it started.
    virtual bool startProgram(const std::filesystem::path& program) = 0;

    // Sends plain text to the default printer. Empty on success, otherwise the reason.
    virtual std::string printText(const std::string& text) = 0;

    virtual DateTime now() = 0;

    // The object name of the program's active window ("mainform", "history", ...),
    // or empty when another application is active.
    virtual std::string activeWindowName() = 0;
};

} // namespace halvex
