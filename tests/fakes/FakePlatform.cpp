#include "fakes/FakePlatform.h"

#include <stdexcept>

namespace halvex::testing {
namespace {

// The next scripted answer; a question nobody scripted fails the test instead of blocking it.
template <typename Answer> Answer takeScripted(std::deque<Answer>& answers, const std::string& question) {
    if (answers.empty()) throw std::logic_error("unscripted " + question);
    Answer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<std::filesystem::path>
FakePlatform::browseForFolder(const std::string& prompt, const std::vector<std::filesystem::path>& recentFolders) {
    folderPrompts.push_back(prompt);
    offeredRecentFolders.push_back(recentFolders);
    return takeScripted(folderAnswers, "folder prompt: " + prompt);
}

MessageAnswer FakePlatform::showMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                                        const std::string& title) {
    messages.push_back({text, icon, buttons, title});
    if (buttons == MessageButtons::Ok && messageAnswers.empty()) return MessageAnswer::Ok;
    return takeScripted(messageAnswers, "question: " + text);
}

std::optional<int> FakePlatform::chooseColour(int /*initial*/) {
    return takeScripted(colourAnswers, "colour dialog");
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
