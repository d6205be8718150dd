// Looks at an installation of vesmira from inside the Wine prefix it went
// into: one command per stage of tests/install/install_test.sh. Prints what is
// wrong and exits with 1; exits with 0 when everything holds.
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\vesmira";
const wchar_t kSettingsMarker[] = L"numOfMonth=2";

int failures = 0;

void Check(bool holds, const std::wstring& what) {
    if (holds) return;
    ++failures;
    std::fwprintf(stderr, L"install_check: %ls\n", what.c_str());
}

std::wstring Folder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring InstallFolder() {
    return Folder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\vesmira";
}
std::wstring StartMenuLink() {
    return Folder(CSIDL_PROGRAMS) + L"\\vesmira.lnk";
}
std::wstring StartupLink() {
    return Folder(CSIDL_STARTUP) + L"\\vesmira.lnk";
}

std::wstring SettingsFile() {
    wchar_t user[257] = {};
    DWORD length = 257;
    GetUserNameW(user, &length);
    return Folder(CSIDL_APPDATA) + L"\\vesmira\\" + user + L"\\vesmira.ini";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteText(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size();
    CloseHandle(file);
    return ok;
}

std::wstring ReadText(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return L"";
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return std::wstring(bytes.begin(), bytes.end());
}

std::wstring RegText(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return L"(missing)";
    }
    return value;
}

DWORD RegNumber(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, kUninstallKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

bool CalendarRunning() {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"vesmira");
    if (mutex == nullptr) return false;
    CloseHandle(mutex);
    return true;
}

std::wstring LinkTarget(const std::wstring& link) {
    wchar_t target[MAX_PATH] = L"(unreadable)";
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink)))) {
        return target;
    }
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
            shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        }
        file->Release();
    }
    shellLink->Release();
    return target;
}

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return L"(missing)";
    }
    return value;
}

void CheckVersion(const std::wstring& exe) {
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    std::vector<BYTE> info(size);
    if (size == 0 || !GetFileVersionInfoW(exe.c_str(), 0, size, info.data())) {
        Check(false, L"no version information in " + exe);
        return;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length);
    Check(fixed != nullptr && fixed->dwFileVersionMS == MAKELONG(VESM_MINOR, VESM_MAJOR) &&
              fixed->dwFileVersionLS == MAKELONG(0, VESM_PATCH) &&
              fixed->dwProductVersionMS == fixed->dwFileVersionMS,
          L"the fixed file version is not " VESM_VERSION);
    const std::pair<const wchar_t*, std::wstring> strings[] = {
        {L"FileVersion", VESM_VERSION},
        {L"ProductVersion", VESM_VERSION},
        {L"FileDescription", L"vesmira デスクトップカレンダー"},
        {L"OriginalFilename", L"vesmira.exe"}};
    for (const auto& [name, expected] : strings) {
        std::wstring found = VersionString(info, name);
        Check(found == expected, std::wstring(name) + L" is " + found);
    }
}

// Before installing: a settings file of the user's own that must survive
// upgrades and the uninstall.
void SeedSettings() {
    std::wstring file = SettingsFile();
    std::wstring folder = file.substr(0, file.rfind(L'\\'));
    CreateDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    Check(WriteText(file, "version=182\r\nnumOfMonth=2\r\n"), L"cannot write " + file);
}

void CheckInstalled() {
    std::wstring folder = InstallFolder();
    std::wstring exe = folder + L"\\vesmira.exe";
    for (const wchar_t* name : {L"\\vesmira.exe", L"\\Uninstall.exe", L"\\docs\\README.ja.md"}) {
        Check(Exists(folder + name), folder + name + L" is missing");
    }
    CheckVersion(exe);
    Check(_wcsicmp(LinkTarget(StartMenuLink()).c_str(), exe.c_str()) == 0,
          L"the Start-menu shortcut points to " + LinkTarget(StartMenuLink()));
    const std::pair<const wchar_t*, std::wstring> values[] = {
        {L"DisplayName", L"vesmira"},
        {L"DisplayVersion", VESM_VERSION},
        {L"Publisher", L"Kiriko Works"},
        {L"DisplayIcon", exe + L",0"},
        {L"UninstallString", L"\"" + folder + L"\\Uninstall.exe\""}};
    for (const auto& [name, expected] : values) {
        Check(RegText(name) == expected, std::wstring(name) + L" is " + RegText(name));
    }
    // In KiB: the exe alone is more than 100 KiB, the whole folder less than 10 MiB.
    DWORD size = RegNumber(L"EstimatedSize");
    Check(size > 100 && size < 10240, L"EstimatedSize is " + std::to_wstring(size));
}

// The shortcut the options dialog makes for starting at logon.
void SeedStartupLink() {
    Check(WriteText(StartupLink(), "link"), L"cannot write " + StartupLink());
}

bool WaitFor(bool (*condition)(), int seconds) {
    for (int tenth = 0; tenth < seconds * 10; ++tenth) {
        if (condition()) return true;
        Sleep(100);
    }
    return condition();
}

// Prints the id of the process that owns the window, so two starts can be told apart.
void CheckWindow() {
    WaitFor([] { return FindWindowW(nullptr, L"vesm") != nullptr; }, 20);
    HWND window = FindWindowW(nullptr, L"vesm");
    Check(window != nullptr, L"no window titled vesm appeared");
    DWORD process = 0;
    if (window != nullptr && GetWindowThreadProcessId(window, &process) != 0) {
        std::printf("%lu\n", process);
    }
}

// The uninstaller runs a copy of itself and returns at once: wait for it.
void CheckRemoved() {
    WaitFor([] { return !Exists(InstallFolder()) && RegText(L"DisplayName") == L"(missing)"; }, 30);
    Check(!Exists(InstallFolder()), InstallFolder() + L" is still there");
    Check(RegText(L"DisplayName") == L"(missing)", L"the Uninstall key is still there");
    Check(!Exists(StartMenuLink()), L"the Start-menu shortcut is still there");
    Check(!Exists(StartupLink()), L"the Startup shortcut is still there");
    Check(!CalendarRunning(), L"the calendar still runs");
    Check(ReadText(SettingsFile()).find(kSettingsMarker) != std::wstring::npos,
          L"the settings file was lost: " + SettingsFile());
}

// After an uninstall with /REMOVESETTINGS.
void CheckSettingsRemoved() {
    WaitFor([] { return !Exists(InstallFolder()); }, 30);
    Check(!Exists(InstallFolder()), InstallFolder() + L" is still there");
    Check(!Exists(SettingsFile()), SettingsFile() + L" is still there");
    Check(!Exists(Folder(CSIDL_APPDATA) + L"\\vesmira"), L"the settings folder is still there");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring stage = argc > 1 ? argv[1] : L"";
    if (stage == L"seed-settings") {
        SeedSettings();
    } else if (stage == L"installed") {
        CheckInstalled();
        Check(ReadText(SettingsFile()).find(kSettingsMarker) != std::wstring::npos,
              L"the settings file was lost: " + SettingsFile());
    } else if (stage == L"window") {
        CheckWindow();
    } else if (stage == L"seed-startup-link") {
        SeedStartupLink();
    } else if (stage == L"removed") {
        CheckRemoved();
    } else if (stage == L"settings-removed") {
        CheckSettingsRemoved();
    } else {
        Check(false, L"unknown stage '" + stage + L"'");
    }
    return failures == 0 ? 0 : 1;
}
