#include "frame/calendar_file_commands.h"

#include <windows.h>

#include <commdlg.h>

#include <optional>
#include <string>

#include "doc/doc.h"
#include "ical/ical_export.h"
#include "ical/ical_import.h"
#include "win32/utf.h"

namespace vesm {

namespace {

constexpr wchar_t kFilter[] = L"iCalendar (*.ics)\0*.ics\0すべてのファイル (*.*)\0*.*\0";
constexpr DWORD kPathCharacters = 4096;

std::optional<std::string> PickFile(bool save) {
    std::wstring path(kPathCharacters, L'\0');
    if (save) path.replace(0, 11, L"vesmira.ics");
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathCharacters;
    dialog.lpstrDefExt = L"ics";
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return Narrow(path.c_str());
}

void Tell(CvesmDoc& doc, const std::string& text, MessageIcon icon) {
    MessageRequest request;
    request.text = text;
    request.icon = icon;
    doc.Host().ShowMessage(request);
}

}  // namespace

void ExportCalendarFile(CvesmDoc& doc) {
    std::optional<std::string> path = PickFile(true);
    if (!path) return;
    const ical::DocRecords records = ical::RecordsOf(doc);
    const std::string text =
        ical::ExportCalendar(records.specialDays, records.tasks, doc.Host().Now());
    if (!doc.Host().ReplaceFile(*path, text)) {
        Tell(doc, *path + " に書き出せませんでした。", MessageIcon::Warning);
    }
}

void ImportCalendarFile(CvesmDoc& doc) {
    std::optional<std::string> path = PickFile(false);
    if (!path) return;
    FileRead file = doc.Host().ReadFile(*path);
    if (file.status != FileRead::Status::Ok) {
        Tell(doc, *path + " を読み込めませんでした。", MessageIcon::Warning);
        return;
    }
    const ical::DocRecords records = ical::RecordsOf(doc);
    ical::ImportPlan plan =
        ical::PlanImport(file.bytes, {records.specialDays, records.tasks}, doc.FirstShownMonth());
    if (!plan.error.empty()) {
        Tell(doc, *path + "\n" + plan.error + "\n何も追加しませんでした。", MessageIcon::Warning);
        return;
    }
    const std::string summary = ical::ImportSummary(plan);
    if (plan.specialDays.empty() && plan.tasks.empty()) {
        Tell(doc, summary, MessageIcon::Information);
        return;
    }
    MessageRequest confirm;
    confirm.text = summary;
    confirm.caption = "iCalendarを読み込む";
    confirm.icon = MessageIcon::Question;
    confirm.buttons = MessageButtons::OkCancel;
    if (doc.Host().ShowMessage(confirm) != MessageAnswer::Ok) return;
    ical::ApplyImport(doc, plan);
    doc.SaveSettings();
    doc.RebuildDays();
    doc.Host().RedrawViews();
}

}  // namespace vesm
