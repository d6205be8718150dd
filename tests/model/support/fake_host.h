// A DocHost in memory: files and folders in maps, scripted answers to message
// boxes, every message and quit request recorded, a settable clock, failing writes.
#pragma once

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "doc/doc_host.h"

namespace vesm {

class FakeHost : public DocHost {
public:
    static constexpr const char* kAppData = "C:\\Users\\taro\\AppData\\Roaming";
    static constexpr const char* kUser = "taro";
    static constexpr const char* kSettingsPath =
        "C:\\Users\\taro\\AppData\\Roaming\\vesmira\\taro\\vesmira.ini";
    // Platform answers; change them before creating the document.
    std::optional<std::string> appData = kAppData;
    std::optional<std::string> userName = kUser;
    std::set<std::string> folders, failingFolders;  // existing ones, ones that cannot be made
    std::map<std::string, std::string> files;       // path -> raw bytes
    // Files in the fonts folder; nothing: the folder is not found.
    std::optional<std::vector<std::string>> fontFiles = std::vector<std::string>{};
    std::size_t pathLimit = 259;
    DateTime now;
    int openFailures = 0;     // the next reads of an existing file cannot open it
    bool failWrites = false;  // every ReplaceFile fails and changes nothing
    // Answers for messages with more than an OK button, in order; then the
    // cautious one: Ignore, No or Cancel.
    std::deque<MessageAnswer> answers;
    std::vector<MessageRequest> messages;
    std::vector<std::string> createdFolders;
    int quitRequests = 0, redraws = 0, reads = 0, writes = 0;
    FakeHost() : now(DateTime::Build(2024, 5, 10, 12, 0).value_or(DateTime())) {}
    void SetSettingsFile(std::string bytes) { files[kSettingsPath] = std::move(bytes); }
    bool HasSettingsFile() const { return files.count(kSettingsPath) != 0; }
    const std::string& SettingsFile() const { return files.at(kSettingsPath); }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const MessageRequest& message : messages) texts.push_back(message.text);
        return texts;
    }
    int CountMessages(std::string_view text) const {
        int count = 0;
        for (const MessageRequest& message : messages) count += message.text == text;
        return count;
    }
    MessageAnswer ShowMessage(const MessageRequest& request) override {
        messages.push_back(request);
        if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) {
            return request.buttons == MessageButtons::AbortRetryIgnore ? MessageAnswer::Ignore
                   : request.buttons == MessageButtons::YesNo          ? MessageAnswer::No
                                                                       : MessageAnswer::Cancel;
        }
        MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void PostQuit() override { ++quitRequests; }
    std::optional<std::string> AppDataFolder() override { return appData; }
    FolderResult CreateFolder(const std::string& path) override {
        if (failingFolders.count(path) != 0) return FolderResult::Failed;
        if (!folders.insert(path).second) return FolderResult::AlreadyExists;
        createdFolders.push_back(path);
        return FolderResult::Created;
    }
    std::optional<std::string> UserName() override { return userName; }
    std::optional<bool> FontsFolderHasMatch(const std::string& pattern) override {
        if (!fontFiles) return std::nullopt;
        // The program asks for a name and "*": a prefix in any case.
        const std::string prefix = Lower(pattern.substr(0, pattern.find('*')));
        return std::any_of(fontFiles->begin(), fontFiles->end(), [&](const std::string& file) {
            return Lower(file).rfind(prefix, 0) == 0;
        });
    }
    FileRead ReadFile(const std::string& path) override {
        ++reads;
        auto file = files.find(path);
        if (file == files.end()) return {FileRead::Status::NotFound, {}};
        if (openFailures > 0) {
            --openFailures;
            return {FileRead::Status::OpenFailed, {}};
        }
        return {FileRead::Status::Ok, file->second};
    }
    bool ReplaceFile(const std::string& path, const std::string& bytes) override {
        ++writes;
        if (failWrites) return false;
        files[path] = bytes;
        return true;
    }
    std::size_t PathLimit() const override { return pathLimit; }
    DateTime Now() override { return now; }
    void RedrawViews() override { ++redraws; }
    static std::string Lower(std::string text) {
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    }
};

}  // namespace vesm
