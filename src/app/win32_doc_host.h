// The document's platform: message boxes, the quit request, folders, the user
// name, the fonts folder, reading and replacing files, the clock and redraws.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "doc/doc_host.h"

namespace vesm {

struct Win32DocHostOptions {
    // The current time; the system clock when not given. Tests set a date.
    std::function<DateTime()> clock;
    // Replaces the user's application-data folder (tests use a scratch folder).
    std::optional<std::string> appDataFolder;
    // Asked to redraw every view of the document.
    std::function<void()> redrawViews;
    // Owner of the message boxes that name none.
    std::function<HWND()> owner;
};

class Win32DocHost : public DocHost {
public:
    explicit Win32DocHost(Win32DocHostOptions options = {}) : options_(std::move(options)) {}

    MessageAnswer ShowMessage(const MessageRequest& request) override;
    void PostQuit() override;
    std::optional<std::string> AppDataFolder() override;
    FolderResult CreateFolder(const std::string& path) override;
    std::optional<std::string> UserName() override;
    std::optional<bool> FontsFolderHasMatch(const std::string& pattern) override;
    FileRead ReadFile(const std::string& path) override;
    bool ReplaceFile(const std::string& path, const std::string& bytes) override;
    std::size_t PathLimit() const override { return MAX_PATH - 1; }
    DateTime Now() override;
    void RedrawViews() override;

    void SetRedrawViews(std::function<void()> redraw) { options_.redrawViews = std::move(redraw); }
    void SetOwner(std::function<HWND()> owner) { options_.owner = std::move(owner); }

private:
    Win32DocHostOptions options_;
};

// The MB_ flags for a request: icon, buttons, default button, topmost.
UINT MessageBoxFlags(const MessageRequest& request);

}  // namespace vesm
