#pragma once

#include "core/platform/Platform.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace halvex::testing {

// A platform that answers from a script and records every call. A question it has no
// scripted answer for fails the test instead of blocking it.
class FakePlatform : public Platform {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
        std::string title;
    };

    // Scripts.
    std::deque<std::optional<std::filesystem::path>> folderAnswers; // nothing: the user cancels
    std::deque<MessageAnswer> messageAnswers; // only needed for questions; plain OK boxes answer Ok
    std::deque<std::optional<int>> colourAnswers;
    std::string printError;
    bool programStarts = true;
    DateTime clock;
    std::string activeWindow = "mainform";

    // Records.
    std::vector<std::string> folderPrompts;
    std::vector<std::vector<std::filesystem::path>> offeredRecentFolders; // per prompt
    std::vector<Message> messages;
    std::vector<std::string> openedDocuments;
    std::vector<std::filesystem::path> startedPrograms;
    std::vector<std::string> printedTexts;

    std::optional<std::filesystem::path>
    browseForFolder(const std::string& prompt, const std::vector<std::filesystem::path>& recentFolders) override;
    MessageAnswer showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                              const std::string& title) override;
    std::optional<int> chooseColour(int initial) override;
    bool openDocument(const std::string& target) override;
    bool startProgram(const std::filesystem::path& program) override;
    std::string printText(const std::string& text) override;
    DateTime now() override { return clock; }
    std::string activeWindowName() override { return activeWindow; }

    std::vector<std::string> messageTexts() const;
};

} // namespace halvex::testing
