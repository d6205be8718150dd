// Creation of the document, its settings and the settings file.
#include "doc/doc.h"

#include <iterator>

#include "doc/doc_messages.h"
#include "doc/file_text.h"
#include "doc/rule_parse.h"
#include "doc/settings_file.h"
#include "doc/settings_lines.h"
#include "doc/task_parse.h"

namespace vesm {

namespace {

constexpr int kCurrentVersion = 182;
constexpr int kFirstSupportedYear = 1980;
constexpr int kLastSupportedYear = 2099;
constexpr int kRetryButton = 1;  // of Abort, Retry, Ignore

// Path limits count UTF-16 units, as the platform does.
std::size_t Utf16Length(std::string_view utf8) {
    std::size_t length = 0;
    for (char c : utf8) {
        auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) ++length;
        if (byte >= 0xF0) ++length;  // a surrogate pair
    }
    return length;
}

}  // namespace

CvesmDoc::CvesmDoc(DocHost& host) : host_(host) {
    std::lock_guard guard(lock_);
    displayDate_ = host_.Now();
    CreateFolders();
    LoadSettings();
    if (PurgeOverdueTasks(displayDate_)) SaveSettings();
    MigrateOldSettings();
    CheckDisplayedYear();
    RebuildDays();
}

// Once a folder cannot be had, the later ones are not tried and the settings
// path stays empty: a path built on a missing part would point somewhere else
// entirely, such as the root of the drive.
void CvesmDoc::CreateFolders() {
    std::optional<std::string> appData = host_.AppDataFolder();
    if (!appData) {
        ShowWarning(kAppDataFolderMessage);
        RequestExit();
        return;
    }
    std::string productFolder = *appData + "\\vesmira";
    if (host_.CreateFolder(productFolder) == FolderResult::Failed) {
        ShowWarning(kProductFolderMessage);
        RequestExit();
        return;
    }
    // A path that does not fit is refused rather than cut short, and so is a
    // missing user name: either would put the file in the wrong place.
    std::optional<std::string> user = host_.UserName();
    std::string userFolder = user ? productFolder + "\\" + *user : std::string();
    std::string path = userFolder + "\\vesmira.ini";
    if (!user || user->empty() || Utf16Length(path) > host_.PathLimit() ||
        host_.CreateFolder(userFolder) == FolderResult::Failed) {
        ShowWarning(kUserFolderMessage);
        RequestExit();
        return;
    }
    settingsPath_ = std::move(path);
}

bool CvesmDoc::LoadSettings() {
    std::lock_guard guard(lock_);
    settings_ = Settings{};
    settings_.profile.birthYear = displayDate_.Year();
    ClearLists();  // they come from the file alone
    bool complete = ReadSettingsFile();
    if (complete) {
        UpgradeEarlierBuiltInHolidays();
    } else {
        ApplyBuiltInLists();
    }
    return complete;
}

// The file is read whole before any line is applied, so a failed attempt adds
// nothing and Retry starts again from a clean state.
bool CvesmDoc::ReadSettingsFile() {
    if (settingsPath_.empty()) return false;
    for (;;) {
        FileRead read = host_.ReadFile(settingsPath_);
        if (read.status == FileRead::Status::Ok) {
            ApplySettingsBytes(read.bytes);
            return true;
        }
        if (read.status == FileRead::Status::NotFound) return false;
        ShowWarning(kOpenFailedMessage);
        MessageRequest question{std::string(kRetryQuestion),
                                std::string(kRetryCaption),
                                MessageIcon::Warning,
                                MessageButtons::AbortRetryIgnore,
                                kRetryButton,
                                true};
        MessageAnswer answer = host_.ShowMessage(question);
        if (answer == MessageAnswer::Retry) continue;
        if (answer == MessageAnswer::Abort) RequestExit();
        return false;
    }
}

// Lines and their "=" are found in the raw bytes: neither CR, LF nor "=" is
// ever the second byte of a character, so a stray lead byte cannot join lines.
// The tasks are sorted in once, after the last line.
void CvesmDoc::ApplySettingsBytes(std::string_view bytes) {
    int displayedMonth = displayDate_.Month();
    std::vector<CTaskTime> loadedTasks;
    for (std::string_view raw : SplitTextLines(bytes)) {
        SettingsLine line = SplitSettingsLine(raw);
        if (line.key == kHolidayKey) {
            AddDayRules(RuleListId::Holiday, ParseRuleBytes(line.value));
        } else if (line.key == kSpecialDayKey) {
            AddDayRules(RuleListId::SpecialDay, ParseRuleBytes(line.value));
        } else if (line.key == kTaskKey) {
            ParsedTasks parsed = ParseTaskBytes(line.value);
            std::move(parsed.tasks.begin(), parsed.tasks.end(), std::back_inserter(loadedTasks));
            KeepFarTasks(parsed);
        } else {
            std::string value = DecodedText(line.value);
            ApplyScalarLine(settings_, {line.key, value}, displayedMonth);
        }
    }
    InsertLoadedTasks(std::move(loadedTasks));
}

bool CvesmDoc::SaveSettings() {
    std::lock_guard guard(lock_);
    if (settingsPath_.empty()) return false;
    return host_.ReplaceFile(
        settingsPath_,
        FormatSettingsFile(settings_, {holidays_, specialDays_, tasks_, farTaskRecords_}));
}

// Files older than version 182 may name the font "Dolphin" without the font
// being installed; such a file falls back to the default face.
void CvesmDoc::MigrateOldSettings() {
    if (settings_.version < kCurrentVersion) {
        std::optional<bool> installed = host_.FontsFolderHasMatch("Dolphin*");
        if (installed && !*installed && settings_.fontFaceName == "Dolphin") {
            settings_.fontFaceName = Settings{}.fontFaceName;
        }
    }
    settings_.version = kCurrentVersion;
}

void CvesmDoc::CheckDisplayedYear() {
    int year = displayDate_.Year();
    if (year < kFirstSupportedYear || year > kLastSupportedYear) {
        ShowWarning(kYearRangeMessage);
        host_.PostQuit();
    }
}

void CvesmDoc::ShowWarning(std::string_view text) {
    host_.ShowMessage(MessageRequest{std::string(text)});
}

void CvesmDoc::RequestExit() {
    host_.PostQuit();
    exitRequested_ = true;
}

Settings CvesmDoc::GetSettings() const {
    std::lock_guard guard(lock_);
    return settings_;
}

void CvesmDoc::SetSettings(const Settings& settings) {
    std::lock_guard guard(lock_);
    settings_ = settings;
}

Rgb CvesmDoc::GetColor(int Settings::*color) const {
    std::lock_guard guard(lock_);
    return RgbFromDecimal(settings_.*color);
}

void CvesmDoc::SetColor(int Settings::*color, Rgb rgb) {
    std::lock_guard guard(lock_);
    settings_.*color = DecimalFromRgb(rgb);
}

DateTime CvesmDoc::DisplayDate() const {
    std::lock_guard guard(lock_);
    return displayDate_;
}

void CvesmDoc::SetDisplayDate(DateTime date) {
    std::lock_guard guard(lock_);
    displayDate_ = date;
    RebuildDays();
    host_.RedrawViews();
}

std::string CvesmDoc::SettingsPath() const {
    std::lock_guard guard(lock_);
    return settingsPath_;
}

bool CvesmDoc::ExitRequested() const {
    std::lock_guard guard(lock_);
    return exitRequested_;
}

}  // namespace vesm
