#include "options/tab_page4.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cwchar>
#include <vector>

#include "options/calendar_page_rules.h"
#include "options/font_page_rules.h"
#include "res/resource.h"
#include "view/mark_symbols.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {
namespace {

struct SwatchSlot {
    int buttonId;
    int Settings::*colour;
};

// In the order the page holds its colours.
constexpr std::array<SwatchSlot, CTabPage4::kSwatchCount> kSwatches = {{
    {IDC_COLOUR_BACKGROUND, &Settings::colorBackground},
    {IDC_COLOUR_WEEKDAY, &Settings::colorWeekday},
    {IDC_COLOUR_SATURDAY, &Settings::colorSaturday},
    {IDC_COLOUR_SUNDAY, &Settings::colorSunday},
    {IDC_COLOUR_TODAY, &Settings::colorToday},
    {IDC_COLOUR_SPECIAL_DAY, &Settings::colorSpecialday},
    {IDC_COLOUR_TASK_DAY, &Settings::colorTaskday},
}};

constexpr std::array<int, 3> kShapeLists = {IDC_SHAPE_TODAY, IDC_SHAPE_SPECIAL_DAY,
                                            IDC_SHAPE_TASK_DAY};

std::vector<std::string> ShapeChoices() {
    return {kMarkSymbols.begin(), kMarkSymbols.end()};
}

}  // namespace

CTabPage4::CTabPage4() : COptionsPage(IDD_PAGE_FONT_COLOUR) {}

bool CTabPage4::OnInitDialog() {
    HWND spacing = Item(IDC_DATE_SPACING);
    TrackBarSetRange(spacing, kSpacingMin, kSpacingMax);
    SendMessageW(spacing, TBM_SETTICFREQ, kSpacingTick, 0);
    for (int id : kShapeLists) ComboFill(Item(id), ShapeChoices());
    return true;
}

void CTabPage4::Load(const OptionsValues& values) {
    const Settings& settings = values.settings;
    faceName_ = settings.fontFaceName;
    pointSize_ = settings.fontPointSize;
    weight_ = settings.fontWeight;
    italic_ = settings.fontItalic;
    ShowCurrentFont();
    TrackBarSetPos(Item(IDC_DATE_SPACING), settings.frameSizeOfDate);
    for (std::size_t i = 0; i < kSwatchCount; ++i) {
        colours_[i] = RgbFromDecimal(settings.*kSwatches[i].colour);
    }
    PaintAllSwatches();
    SelectShapes(settings.todayInfo, settings.specialDayInfo, settings.taskDayInfo);
}

void CTabPage4::Store(OptionsValues& values) const {
    Settings& settings = values.settings;
    settings.fontFaceName = faceName_;
    settings.fontPointSize = pointSize_;
    settings.fontWeight = weight_;
    settings.fontItalic = italic_;
    settings.frameSizeOfDate = TrackBarPos(Item(IDC_DATE_SPACING));
    for (std::size_t i = 0; i < kSwatchCount; ++i) {
        settings.*kSwatches[i].colour = DecimalFromRgb(colours_[i]);
    }
    // A shape list without a selection keeps the value the dialog opened with.
    settings.todayInfo =
        ChosenOrStored(ComboSelection(Item(IDC_SHAPE_TODAY)), 0, settings.todayInfo);
    settings.specialDayInfo =
        ChosenOrStored(ComboSelection(Item(IDC_SHAPE_SPECIAL_DAY)), 0, settings.specialDayInfo);
    settings.taskDayInfo =
        ChosenOrStored(ComboSelection(Item(IDC_SHAPE_TASK_DAY)), 0, settings.taskDayInfo);
}

bool CTabPage4::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return COptionsPage::OnCommand(id, code, control);
    if (id == IDC_FONT_CHOOSE) {
        PickFont();
        return true;
    }
    if (id == IDC_FONT_COLOUR_RESET) {
        Reset();
        return true;
    }
    for (std::size_t i = 0; i < kSwatchCount; ++i) {
        if (kSwatches[i].buttonId == id) {
            PickColour(i);
            return true;
        }
    }
    return COptionsPage::OnCommand(id, code, control);
}

// The built-in defaults are the settings' own defaults.
void CTabPage4::Reset() {
    const Settings defaults;
    faceName_ = defaults.fontFaceName;
    pointSize_ = defaults.fontPointSize;
    weight_ = defaults.fontWeight;
    italic_ = defaults.fontItalic;
    ShowCurrentFont();
    TrackBarSetPos(Item(IDC_DATE_SPACING), defaults.frameSizeOfDate);
    for (std::size_t i = 0; i < kSwatchCount; ++i) {
        colours_[i] = RgbFromDecimal(defaults.*kSwatches[i].colour);
    }
    PaintAllSwatches();
    SelectShapes(defaults.todayInfo, defaults.specialDayInfo, defaults.taskDayInfo);
}

bool CTabPage4::RunFontDialog(CHOOSEFONTW& choice) {
    return ChooseFontW(&choice) != FALSE;
}

bool CTabPage4::RunColourDialog(CHOOSECOLORW& choice) {
    return ChooseColorW(&choice) != FALSE;
}

void CTabPage4::PickFont() {
    LOGFONTW font{};
    HDC screen = GetDC(nullptr);
    font.lfHeight = LogicalFontHeight(pointSize_, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    font.lfWeight = weight_;
    font.lfItalic = italic_ ? TRUE : FALSE;
    const std::wstring face = Widen(faceName_);
    std::wcsncpy(font.lfFaceName, face.c_str(), kFaceNameLimit);
    font.lfFaceName[kFaceNameLimit] = L'\0';

    CHOOSEFONTW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = GetAncestor(Hwnd(), GA_ROOT);
    choice.lpLogFont = &font;
    choice.Flags = CF_SCREENFONTS | CF_TTONLY | CF_NOSCRIPTSEL | CF_INITTOLOGFONTSTRUCT;
    if (!RunFontDialog(choice)) return;
    const FontChoice stored = StoredFontChoice(Narrow(font.lfFaceName), choice.iPointSize,
                                               font.lfWeight, font.lfItalic != FALSE);
    faceName_ = stored.faceName;
    pointSize_ = stored.pointSize;
    weight_ = stored.weight;
    italic_ = stored.italic;
    ShowCurrentFont();
}

void CTabPage4::PickColour(std::size_t swatch) {
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = GetAncestor(Hwnd(), GA_ROOT);
    choice.rgbResult = colours_[swatch];
    choice.lpCustColors = customColours_.data();
    choice.Flags = CC_RGBINIT;
    if (!RunColourDialog(choice)) return;
    colours_[swatch] =
        RGB(GetRValue(choice.rgbResult), GetGValue(choice.rgbResult), GetBValue(choice.rgbResult));
    PaintSwatch(swatch);
}

// The box shows the face at a fixed height, so a large point size still fits.
void CTabPage4::ShowCurrentFont() {
    const std::wstring face = Widen(faceName_);
    Font font(CreateFontW(kCurrentFontHeight, 0, 0, 0, weight_, italic_ ? TRUE : FALSE, FALSE,
                          FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
                          PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    HWND box = Item(IDC_FONT_CURRENT);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    displayFont_ = std::move(font);  // the old font goes only after the box let it go
    SetText(box, CurrentFontText(pointSize_, faceName_));
}

void CTabPage4::PaintSwatch(std::size_t swatch) {
    HWND button = Item(kSwatches[swatch].buttonId);
    RECT client{};
    GetClientRect(button, &client);
    HDC pageDc = GetDC(Hwnd());
    if (!swatches_[swatch]) {
        swatches_[swatch].Reset(CreateCompatibleBitmap(pageDc, client.right, client.bottom));
    }
    HDC memory = CreateCompatibleDC(pageDc);
    HGDIOBJ previous = SelectObject(memory, swatches_[swatch].Get());
    Brush brush(CreateSolidBrush(colours_[swatch]));
    FillRect(memory, &client, brush.Get());
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(Hwnd(), pageDc);
    SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(swatches_[swatch].Get()));
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CTabPage4::PaintAllSwatches() {
    for (std::size_t i = 0; i < kSwatchCount; ++i) PaintSwatch(i);
}

void CTabPage4::SelectShapes(int today, int specialDay, int taskDay) {
    ComboSelect(Item(IDC_SHAPE_TODAY), today);
    ComboSelect(Item(IDC_SHAPE_SPECIAL_DAY), specialDay);
    ComboSelect(Item(IDC_SHAPE_TASK_DAY), taskDay);
}

}  // namespace vesm
