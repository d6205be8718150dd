#include "options/opt_dialog.h"

#include <commctrl.h>

#include "options/apply_settings.h"
#include "options/opt_pages.h"
#include "res/resource.h"
#include "win32/controls.h"
#include "win32/message_box.h"

namespace vesm {

namespace {

constexpr const char* kTabTitles[kOptionPageCount] = {
    "カレンダー表示", "祝日", "記念日", "フォントと色", "時刻と日付", "ウィンドウ関連", "暦",
};

// Where each page sits, in the tab control's client coordinates.
constexpr POINT kPageOrigin = {10, 30};

void ShowExclamation(HWND owner, std::string_view text) {
    ShowMessageBox(owner, text, "vesmira", MB_OK | MB_ICONEXCLAMATION);
}

std::vector<CHolidayTime> RulesOf(const CvesmDoc& doc, RuleListId list) {
    std::vector<CHolidayTime> rules;
    const std::size_t count = doc.RuleCount(list);
    rules.reserve(count);
    for (std::size_t index = 0; index < count; ++index) rules.push_back(doc.Rule(list, index));
    return rules;
}

}  // namespace

COptDialog::COptDialog(CvesmDoc& doc, OptDialogHooks hooks)
    : Dialog(IDD_OPTIONS), doc_(doc), hooks_(std::move(hooks)) {
    if (!hooks_.showMessage) hooks_.showMessage = ShowExclamation;
}

// The pages are children of the dialog's window and go with it; destroying
// them first keeps a still-open modeless dialog from outliving its pages.
COptDialog::~COptDialog() {
    pages_.clear();
}

COptionsPage* COptDialog::Page(int index) const {
    if (index < 0 || index >= static_cast<int>(pages_.size())) return nullptr;
    return pages_[static_cast<std::size_t>(index)].get();
}

bool COptDialog::OnInitDialog() {
    HWND tab = Item(IDC_OPT_TAB);
    for (int index = 0; index < kOptionPageCount; ++index) {
        TabAddItem(tab, index, kTabTitles[index]);
    }
    opening_.settings = doc_.GetSettings();
    opening_.holidays = RulesOf(doc_, RuleListId::Holiday);
    opening_.specialDays = RulesOf(doc_, RuleListId::SpecialDay);
    opening_.firstShownMonth = doc_.FirstShownMonth();
    CreatePages();
    // A stored index outside the tabs opens the window page, and its tab is
    // selected with it, so the next OK stores an index that exists.
    const int shown = PageForTabIndex(opening_.settings.optTabCurSel);
    for (int index = 0; index < kOptionPageCount; ++index) ShowPage(index, index == shown);
    TabSelect(tab, shown);
    SetText(Hwnd(), "Options...");
    return true;
}

void COptDialog::CreatePages() {
    pages_ = MakeOptionPages(doc_);
    POINT origin = kPageOrigin;
    MapWindowPoints(Item(IDC_OPT_TAB), Hwnd(), &origin, 1);
    for (const std::unique_ptr<COptionsPage>& page : pages_) {
        if (page->CreateModeless(Hwnd()) == nullptr) continue;
        SetWindowPos(page->Hwnd(), HWND_TOP, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        page->Load(opening_);
    }
}

void COptDialog::ShowPage(int index, bool show) {
    COptionsPage* page = Page(index);
    if (page == nullptr || page->Hwnd() == nullptr) return;
    ShowWindow(page->Hwnd(), show ? SW_SHOW : SW_HIDE);
}

bool COptDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_OPT_TAB) return false;
    const int selected = TabSelection(Item(IDC_OPT_TAB));
    if (header.code == TCN_SELCHANGING) {
        ShowPage(selected, false);
        result = FALSE;  // let the selection change
        return true;
    }
    if (header.code == TCN_SELCHANGE) {
        ShowPage(selected, true);
        return true;
    }
    return false;
}

OptionsValues COptDialog::Collect() const {
    OptionsValues values = opening_;
    for (const std::unique_ptr<COptionsPage>& page : pages_) {
        if (page->Hwnd() != nullptr) page->Store(values);
    }
    const int selected = TabSelection(Item(IDC_OPT_TAB));
    if (selected >= 0) values.settings.optTabCurSel = selected;
    return values;
}

void COptDialog::ApplySettingsAndShortcut() {
    const OptionsValues values = Collect();
    ApplySettings(doc_, values);
    // The settings are already written: a shortcut failure never loses them.
    if (auto failure = UpdateStartupShortcut(values.settings.startUp, hooks_.shortcutPlace)) {
        hooks_.showMessage(Hwnd(), *failure);
    }
}

bool COptDialog::OnCommand(int id, int code, HWND control) {
    if (id == IDC_OPT_APPLY && code == BN_CLICKED) {
        ApplySettingsAndShortcut();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void COptDialog::OnOK() {
    ApplySettingsAndShortcut();
    End(IDOK);
}

void RunOptionsDialog(HWND owner, CvesmDoc& doc) {
    COptDialog dialog(doc);
    dialog.DoModal(owner);
}

}  // namespace vesm
