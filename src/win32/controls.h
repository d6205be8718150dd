// Short helpers for the repetitive control calls of the dialogs. Text is UTF-8.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesm {

// ---- any window: text and state -------------------------------------------
std::string GetText(HWND window);
void SetText(HWND window, std::string_view text);
void EnableItem(HWND dialog, int id, bool enabled);

// ---- check boxes and radio buttons ------------------------------------------
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
// Checks the button checkedId among first…last and clears the others.
void CheckRadio(HWND dialog, int firstId, int lastId, int checkedId);
// The checked button among first…last, or nothing.
std::optional<int> CheckedRadio(HWND dialog, int firstId, int lastId);

// ---- combo boxes ------------------------------------------------------------
// Appends one item per number from…to, each formatted with the printf-style
// wide format (L"%d" by default).
void ComboFillNumbers(HWND combo, int from, int to, const wchar_t* format = L"%d");
void ComboFill(HWND combo, const std::vector<std::string>& items);
void ComboSelect(HWND combo, int index);
// The selected index, or -1 with no selection.
int ComboSelection(HWND combo);

// ---- list views (report style) ----------------------------------------------
void ListViewAddColumn(HWND list, int index, std::string_view title, int width);
// Inserts a row at index with one text per column; returns the row's index or -1.
int ListViewInsertRow(HWND list, int index, const std::vector<std::string>& cells);
void ListViewClear(HWND list);
int ListViewRowCount(HWND list);
std::string ListViewCell(HWND list, int row, int column);
// The first selected row, or -1.
int ListViewSelection(HWND list);
void ListViewSelect(HWND list, int row);

// ---- up-down controls and track bars ----------------------------------------
void UpDownSetRange(HWND upDown, int low, int high);
void UpDownSetPos(HWND upDown, int pos);
// The position, or nothing when the buddy's text is not a number in range.
std::optional<int> UpDownPos(HWND upDown);
void TrackBarSetRange(HWND trackBar, int low, int high);
void TrackBarSetPos(HWND trackBar, int pos);
int TrackBarPos(HWND trackBar);

// ---- tab controls -----------------------------------------------------------
void TabAddItem(HWND tab, int index, std::string_view text);
int TabSelection(HWND tab);
void TabSelect(HWND tab, int index);

}  // namespace vesm
