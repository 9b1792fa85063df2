#pragma once

#include "core/platform/Platform.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Answers nothing: a benchmark never asks the user.
class SilentPlatform : public halvex::Platform {
public:
    std::optional<std::filesystem::path> browseForFolder(const std::string&,
                                                         const std::vector<std::filesystem::path>&) override {
        return std::nullopt;
    }
    halvex::MessageAnswer showMessage(const std::string&, halvex::MessageIcon, halvex::MessageButtons,
                                      const std::string&) override {
        return halvex::MessageAnswer::Ok;
    }
    std::optional<int> chooseColour(int) override { return std::nullopt; }
    bool openDocument(const std::string&) override { return false; }
    bool startProgram(const std::filesystem::path&) override { return false; }
    std::string printText(const std::string&) override { return {}; }
    halvex::DateTime now() override { return {}; }
    std::string activeWindowName() override { return "mainform"; }
};
