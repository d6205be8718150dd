#include "win32/controls.h"

#include <commctrl.h>

#include <cwchar>

#include "win32/utf.h"

namespace vesm {

std::string GetText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

void SetText(HWND window, std::string_view text) {
    SetWindowTextW(window, Widen(text).c_str());
}

void EnableItem(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CheckRadio(HWND dialog, int firstId, int lastId, int checkedId) {
    CheckRadioButton(dialog, firstId, lastId, checkedId);
}

std::optional<int> CheckedRadio(HWND dialog, int firstId, int lastId) {
    for (int id = firstId; id <= lastId; ++id) {
        if (IsChecked(dialog, id)) return id;
    }
    return std::nullopt;
}

void ComboFillNumbers(HWND combo, int from, int to, const wchar_t* format) {
    for (int number = from; number <= to; ++number) {
        wchar_t text[32];
        std::swprintf(text, sizeof text / sizeof text[0], format, number);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

void ComboFill(HWND combo, const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
}

void ComboSelect(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, index, 0);
}

int ComboSelection(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

void ListViewAddColumn(HWND list, int index, std::string_view title, int width) {
    std::wstring text = Widen(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = width;
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

int ListViewInsertRow(HWND list, int index, const std::vector<std::string>& cells) {
    std::wstring first = Widen(cells.empty() ? std::string() : cells.front());
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = first.data();
    const int row =
        static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) {
        return -1;
    }
    for (std::size_t column = 1; column < cells.size(); ++column) {
        std::wstring text = Widen(cells[column]);
        LVITEMW cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = text.data();
        SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

void ListViewClear(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

int ListViewRowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListViewCell(HWND list, int row, int column) {
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(sizeof buffer / sizeof buffer[0]);
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return Narrow(buffer);
}

int ListViewSelection(HWND list) {
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

void ListViewSelect(HWND list, int row) {
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    if (row < 0) {
        return;
    }
    LVITEMW select{};
    select.state = LVIS_SELECTED | LVIS_FOCUSED;
    select.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&select));
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

void UpDownSetRange(HWND upDown, int low, int high) {
    SendMessageW(upDown, UDM_SETRANGE32, low, high);
}

void UpDownSetPos(HWND upDown, int pos) {
    SendMessageW(upDown, UDM_SETPOS32, 0, pos);
}

std::optional<int> UpDownPos(HWND upDown) {
    BOOL failed = FALSE;
    const int pos =
        static_cast<int>(SendMessageW(upDown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (failed) return std::nullopt;
    return pos;
}

void TrackBarSetRange(HWND trackBar, int low, int high) {
    SendMessageW(trackBar, TBM_SETRANGEMIN, FALSE, low);
    SendMessageW(trackBar, TBM_SETRANGEMAX, TRUE, high);
}

void TrackBarSetPos(HWND trackBar, int pos) {
    SendMessageW(trackBar, TBM_SETPOS, TRUE, pos);
}

int TrackBarPos(HWND trackBar) {
    return static_cast<int>(SendMessageW(trackBar, TBM_GETPOS, 0, 0));
}

void TabAddItem(HWND tab, int index, std::string_view text) {
    std::wstring wide = Widen(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    SendMessageW(tab, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

int TabSelection(HWND tab) {
    return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
}

void TabSelect(HWND tab, int index) {
    SendMessageW(tab, TCM_SETCURSEL, index, 0);
}

}  // namespace vesm
