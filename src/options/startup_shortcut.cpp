#include "options/startup_shortcut.h"

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "win32/utf.h"

namespace vesm {

namespace {

constexpr std::string_view kNoExecutableMessage =
    "実行モジュールのフルパスの取得に失敗しました。手動でスタートアップへの登録をお願いします。";
constexpr std::string_view kNoStartupFolderMessage =
    "スタートアップフォルダの取得に失敗しました。手動でスタートアップへの登録をお願いします。";
constexpr std::string_view kCreateFailedMessage =
    "スタートアップへのショートカット作成に失敗しました。手動でスタートアップにショートカットを作成"
    "してください。";
constexpr std::string_view kRemoveFailedMessage =
    "スタートアップからのショートカット削除に失敗しました。手動でスタートアップからショートカットを"
    "削除してください。";

HRESULT DeleteShortcut(const std::string& linkPath) {
    if (DeleteFileW(Widen(linkPath).c_str())) return S_OK;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return S_OK;
    return HRESULT_FROM_WIN32(error);
}

HRESULT SaveShortcut(IShellLinkW& link, const ShortcutFields& fields) {
    IPersistFile* file = nullptr;
    HRESULT result = link.QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (FAILED(result)) return result;
    // The setters' results are not checked: saving reports what matters. An
    // empty working directory or icon path leaves that field unset.
    link.SetPath(Widen(fields.target).c_str());
    link.SetDescription(Widen(fields.description).c_str());
    link.SetArguments(Widen(fields.arguments).c_str());
    if (!fields.workingDirectory.empty()) {
        link.SetWorkingDirectory(Widen(fields.workingDirectory).c_str());
    }
    if (!fields.iconPath.empty()) {
        link.SetIconLocation(Widen(fields.iconPath).c_str(), fields.iconIndex);
    }
    link.SetShowCmd(fields.showCommand);
    result = file->Save(Widen(fields.linkPath).c_str(), TRUE);
    file->Release();
    return result;
}

// The buffer's length limit of the platform's classic paths; a longer result
// would be cut and point elsewhere.
std::optional<std::string> ExecutablePath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    return Narrow(std::wstring_view(path, length));
}

std::optional<std::string> StartupFolder() {
    wchar_t path[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, path))) {
        return std::nullopt;
    }
    return Narrow(path);
}

class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (ok_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    bool Ok() const { return ok_; }

private:
    bool ok_;
};

}  // namespace

HRESULT CreateShortcut(bool create, const ShortcutFields& fields) {
    if (!create) return DeleteShortcut(fields.linkPath);
    IShellLinkW* link = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, reinterpret_cast<void**>(&link));
    if (FAILED(result)) return result;
    result = SaveShortcut(*link, fields);
    link->Release();
    return result;
}

StartupShortcutPlace SystemStartupPlace() {
    return {ExecutablePath, StartupFolder};
}

std::optional<std::string_view> UpdateStartupShortcut(bool create,
                                                      const StartupShortcutPlace& place) {
    std::optional<std::string> executable = place.executablePath();
    if (!executable) return kNoExecutableMessage;
    std::optional<std::string> folder = place.startupFolder();
    if (!folder) return kNoStartupFolderMessage;
    ComApartment com;
    if (!com.Ok()) return std::nullopt;
    ShortcutFields fields;
    fields.linkPath = *folder + "\\" + std::string(kShortcutFileName);
    fields.target = *executable;
    fields.description = "コメント";
    fields.arguments = "/s";
    if (SUCCEEDED(CreateShortcut(create, fields))) return std::nullopt;
    return create ? kCreateFailedMessage : kRemoveFailedMessage;
}

}  // namespace vesm
