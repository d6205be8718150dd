// A document host for frame tests: files live in memory, the time can be
// pinned, and nothing is shown or posted.
#pragma once

#include <ctime>
#include <map>
#include <optional>
#include <string>

#include "doc/doc.h"

namespace vesm {

class FrameDocHost : public DocHost {
public:
    std::map<std::string, std::string> files;
    std::optional<DateTime> pinnedNow;
    int messagesShown = 0;
    int quitsPosted = 0;
    int redraws = 0;

    MessageAnswer ShowMessage(const MessageRequest&) override {
        ++messagesShown;
        return MessageAnswer::Ok;
    }
    void PostQuit() override { ++quitsPosted; }
    std::optional<std::string> AppDataFolder() override { return std::string("C:\\appdata"); }
    FolderResult CreateFolder(const std::string&) override { return FolderResult::Created; }
    std::optional<std::string> UserName() override { return std::string("tester"); }
    std::optional<bool> FontsFolderHasMatch(const std::string&) override { return false; }
    FileRead ReadFile(const std::string& path) override {
        auto found = files.find(path);
        if (found == files.end()) return FileRead{FileRead::Status::NotFound, {}};
        return FileRead{FileRead::Status::Ok, found->second};
    }
    bool ReplaceFile(const std::string& path, const std::string& bytes) override {
        files[path] = bytes;
        return true;
    }
    std::size_t PathLimit() const override { return 260; }
    DateTime Now() override {
        if (pinnedNow) return *pinnedNow;
        return DateTime(static_cast<std::int64_t>(std::time(nullptr)));
    }
    void RedrawViews() override { ++redraws; }

    std::string SettingsText() const {
        auto found = files.find("C:\\appdata\\vesmira\\tester\\vesmira.ini");
        return found == files.end() ? std::string() : found->second;
    }
};

}  // namespace vesm
