// A DocHost for command-line tools: the document reads one settings file from
// disk (or none, for the built-in lists) and never writes it; messages go to
// standard error.
#pragma once

#include <optional>
#include <string>

#include "doc/doc_host.h"

namespace vesm {

class FileDocHost : public DocHost {
public:
    // `program` prefixes every message; without a settings file the document
    // finds none and uses its defaults and built-in lists.
    FileDocHost(std::string program, std::optional<std::string> settingsFile);

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    void PostQuit() override { quitPosted_ = true; }
    std::optional<std::string> AppDataFolder() override;
    FolderResult CreateFolder(const std::string& path) override;
    std::optional<std::string> UserName() override;
    std::optional<bool> FontsFolderHasMatch(const std::string& pattern) override;
    FileRead ReadFile(const std::string& path) override;
    // Refused: a tool that only reads must not rewrite the user's settings.
    bool ReplaceFile(const std::string& path, const std::string& bytes) override;
    std::size_t PathLimit() const override { return 259; }
    DateTime Now() override;
    void RedrawViews() override {}

    bool QuitPosted() const { return quitPosted_; }

private:
    std::string program_;
    std::optional<std::string> settingsFile_;
    bool quitPosted_ = false;
};

}  // namespace vesm
