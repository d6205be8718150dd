#include "app/about_dialog.h"

#include <shellapi.h>

#include "res/resource.h"

namespace vesm {

namespace {

void OpenWithShell(const std::wstring& address) {
    // Nothing is shown when the shell cannot open it.
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

CAboutDlg::CAboutDlg(LinkOpener openLink)
    : Dialog(IDD_ABOUTBOX), openLink_(openLink ? std::move(openLink) : OpenWithShell) {}

bool CAboutDlg::IsLink(int id) {
    return id == IDC_ABOUT_URL || id == IDC_ABOUT_MAKER;
}

void CAboutDlg::Underline(int id, Font& font) {
    HWND control = Item(id);
    HFONT current = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW description{};
    if (current == nullptr ||
        GetObjectW(current, sizeof description, &description) != sizeof description) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
    }
    description.lfUnderline = TRUE;
    font.Reset(CreateFontIndirectW(&description));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
}

bool CAboutDlg::OnInitDialog() {
    Underline(IDC_ABOUT_URL, urlFont_);
    Underline(IDC_ABOUT_MAKER, makerFont_);
    return true;
}

bool CAboutDlg::OnCommand(int id, int code, HWND control) {
    if (code == STN_CLICKED && id == IDC_ABOUT_URL) {
        openLink_(TextOf(control));
        return true;
    }
    if (code == STN_CLICKED && id == IDC_ABOUT_MAKER) {
        openLink_(kMakerPage);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void CAboutDlg::OnDestroy() {
    // The controls go with the dialog; the fonts they were given go here.
    urlFont_.Reset();
    makerFont_.Reset();
}

INT_PTR CAboutDlg::DlgProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC: {
            HWND control = reinterpret_cast<HWND>(lParam);
            if (!IsLink(GetDlgCtrlID(control))) break;
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 255));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_3DFACE));
        }
        case WM_SETCURSOR: {
            HWND control = reinterpret_cast<HWND>(wParam);
            if (control == Hwnd() || !IsLink(GetDlgCtrlID(control))) break;
            SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_LINK)));
            SetWindowLongPtrW(Hwnd(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        default:
            break;
    }
    return Dialog::DlgProc(message, wParam, lParam);
}

}  // namespace vesm
