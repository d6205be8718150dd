#include "file_doc_host.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>

namespace vesm {

FileDocHost::FileDocHost(std::string program, std::optional<std::string> settingsFile)
    : program_(std::move(program)), settingsFile_(std::move(settingsFile)) {}

// Questions get the answer that ends start-up without touching anything.
MessageAnswer FileDocHost::ShowMessage(const MessageRequest& request) {
    std::cerr << program_ << ": " << request.text << "\n";
    switch (request.buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::AbortRetryIgnore:
            return MessageAnswer::Abort;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::OkCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

// The document builds its settings path inside these folders; they exist
// only in name, since the one file read is the one given on the command line.
std::optional<std::string> FileDocHost::AppDataFolder() {
    return std::string("AppData");
}

FolderResult FileDocHost::CreateFolder(const std::string&) {
    return FolderResult::AlreadyExists;
}

std::optional<std::string> FileDocHost::UserName() {
    return std::string("user");
}

std::optional<bool> FileDocHost::FontsFolderHasMatch(const std::string&) {
    return std::nullopt;
}

FileRead FileDocHost::ReadFile(const std::string&) {
    if (!settingsFile_) return {FileRead::Status::NotFound, {}};
    std::error_code error;
    if (!std::filesystem::exists(*settingsFile_, error)) return {FileRead::Status::NotFound, {}};
    // A folder opens as a stream here but fails at the first read.
    if (std::filesystem::is_directory(*settingsFile_, error)) {
        return {FileRead::Status::OpenFailed, {}};
    }
    std::ifstream file(*settingsFile_, std::ios::binary);
    if (!file) return {FileRead::Status::OpenFailed, {}};
    try {  // the stream buffer reports a failed read by throwing
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        return {FileRead::Status::Ok, std::move(bytes)};
    } catch (const std::ios_base::failure&) {
        return {FileRead::Status::OpenFailed, {}};
    }
}

bool FileDocHost::ReplaceFile(const std::string&, const std::string&) {
    return false;
}

DateTime FileDocHost::Now() {
    return DateTime(static_cast<std::int64_t>(std::time(nullptr)));
}

}  // namespace vesm
