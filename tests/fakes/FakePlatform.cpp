#include "fakes/FakePlatform.h"

#include <stdexcept>

namespace halvex::testing {

std::optional<std::filesystem::path>
FakePlatform::browseForFolder(const std::string& prompt, const std::vector<std::filesystem::path>& recentFolders) {
    folderPrompts.push_back(prompt);
    offeredRecentFolders.push_back(recentFolders);
    if (folderAnswers.empty()) throw std::logic_error("unscripted folder prompt: " + prompt);
    auto answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

MessageAnswer FakePlatform::showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                        const std::string& title) {
    messages.push_back({text, icon, buttons, title});
    if (buttons == MessageButtons::Ok && messageAnswers.empty()) return MessageAnswer::Ok;
    if (messageAnswers.empty()) throw std::logic_error("unscripted question: " + text);
    const MessageAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<int> FakePlatform::chooseColour(int /*initial*/) {
    if (colourAnswers.empty()) throw std::logic_error("unscripted colour dialog");
    const auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
}

bool FakePlatform::openDocument(const std::string& target) {
    openedDocuments.push_back(target);
    return true;
}

bool FakePlatform::startProgram(const std::filesystem::path& program) {
    startedPrograms.push_back(program);
    return programStarts;
}

std::string FakePlatform::printText(const std::string& text) {
    if (printError.empty()) printedTexts.push_back(text);
    return printError;
}

std::vector<std::string> FakePlatform::messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages) texts.push_back(message.text);
    return texts;
}

} // namespace halvex::testing
