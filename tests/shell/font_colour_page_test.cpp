// The font and colour page under Wine: what it shows from the settings, what
// the font and colour dialogs' answers store, the swatches, and the reset.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "options/tab_page4.h"
#include "res/resource.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {
namespace {

// Answers the common dialogs as a user pressing OK (or Cancel) would.
class AnsweringPage : public CTabPage4 {
public:
    std::function<bool(CHOOSEFONTW&)> fontAnswer;
    std::function<bool(CHOOSECOLORW&)> colourAnswer;

protected:
    bool RunFontDialog(CHOOSEFONTW& choice) override { return fontAnswer(choice); }
    bool RunColourDialog(CHOOSECOLORW& choice) override { return colourAnswer(choice); }
};

COLORREF SwatchPixel(HWND button) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    if (bitmap == nullptr) return CLR_INVALID;
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF pixel = GetPixel(memory, 2, 2);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return pixel;
}

LOGFONTW BoxFont(HWND box) {
    LOGFONTW font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof font, &font);
    return font;
}

std::string ComboItem(HWND combo, int index) {
    wchar_t text[32] = {};
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return Narrow(text);
}

class FontColourPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExW(0, L"STATIC", L"page", WS_POPUP, 0, 0, 700, 500, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
        Settings& s = values.settings;
        s.fontFaceName = "Arial";
        s.fontPointSize = 48;
        s.fontWeight = 400;
        s.fontItalic = false;
        s.frameSizeOfDate = 170;
        s.colorBackground = 10020030;
        s.colorTaskday = 255000000;
        s.todayInfo = 3;
        s.specialDayInfo = 13;
        s.taskDayInfo = 0;
        page = std::make_unique<AnsweringPage>();
        ASSERT_NE(page->CreateModeless(parent), nullptr);
        page->Load(values);
    }
    void TearDown() override {
        page.reset();
        DestroyWindow(parent);
    }
    void Click(int id) { SendMessageW(page->Item(id), BM_CLICK, 0, 0); }
    Settings Stored() const {
        OptionsValues out;
        page->Store(out);
        return out.settings;
    }

    HWND parent = nullptr;
    OptionsValues values;
    std::unique_ptr<AnsweringPage> page;
};

TEST_F(FontColourPageTest, ShowsTheSettingsAndHandsThemBackUnchanged) {
    HWND box = page->Item(IDC_FONT_CURRENT);
    EXPECT_EQ(GetText(box), "48 pt. Arial");
    const LOGFONTW shown = BoxFont(box);
    EXPECT_EQ(shown.lfHeight, 14);  // not the 48 points
    EXPECT_EQ(Narrow(shown.lfFaceName), "Arial");
    HWND spacing = page->Item(IDC_DATE_SPACING);
    EXPECT_EQ(SendMessageW(spacing, TBM_GETRANGEMIN, 0, 0), 50);
    EXPECT_EQ(SendMessageW(spacing, TBM_GETRANGEMAX, 0, 0), 200);
    EXPECT_EQ(SendMessageW(spacing, TBM_GETNUMTICS, 0, 0), 16);  // every 10, both ends
    HWND today = page->Item(IDC_SHAPE_TODAY);
    EXPECT_EQ(SendMessageW(today, CB_GETCOUNT, 0, 0), 14);
    EXPECT_EQ(ComboItem(today, 0), "表示なし");
    EXPECT_EQ(ComboItem(today, 10), "〇");
    EXPECT_EQ(ComboItem(page->Item(IDC_SHAPE_TASK_DAY), 13), "■");
    EXPECT_EQ(SwatchPixel(page->Item(IDC_COLOUR_BACKGROUND)), RGB(10, 20, 30));
    EXPECT_EQ(SwatchPixel(page->Item(IDC_COLOUR_TASK_DAY)), RGB(255, 0, 0));
    EXPECT_EQ(SwatchPixel(page->Item(IDC_COLOUR_SATURDAY)), RGB(0, 255, 255));
    // every value below differs from the built-in one the stored copy starts from
    const Settings out = Stored();
    EXPECT_EQ(out.fontFaceName, "Arial");
    EXPECT_EQ(out.fontPointSize, 48);
    EXPECT_EQ(out.fontWeight, 400);
    EXPECT_FALSE(out.fontItalic);
    EXPECT_EQ(out.frameSizeOfDate, 170);
    EXPECT_EQ(out.colorBackground, 10020030);
    EXPECT_EQ(out.colorTaskday, 255000000);
    EXPECT_EQ((std::vector{out.todayInfo, out.specialDayInfo, out.taskDayInfo}),
              (std::vector{3, 13, 0}));
}

TEST_F(FontColourPageTest, ShapeListWithoutSelectionKeepsTheOpeningShape) {
    SendMessageW(page->Item(IDC_SHAPE_SPECIAL_DAY), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    OptionsValues out = values;
    page->Store(out);
    EXPECT_EQ(out.settings.specialDayInfo, 13);
    EXPECT_EQ(out.settings.todayInfo, 3);
}

TEST_F(FontColourPageTest, FontDialogStartsFromThePageAndItsAnswerIsStored) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    page->fontAnswer = [&](CHOOSEFONTW& choice) {
        EXPECT_EQ(choice.lpLogFont->lfHeight, -MulDiv(48, dpi, 72));
        EXPECT_EQ(choice.lpLogFont->lfWeight, 400);
        EXPECT_EQ(Narrow(choice.lpLogFont->lfFaceName), "Arial");
        EXPECT_TRUE(choice.Flags & CF_SCREENFONTS);
        EXPECT_TRUE(choice.Flags & CF_TTONLY);
        EXPECT_TRUE(choice.Flags & CF_NOSCRIPTSEL);
        EXPECT_FALSE(choice.Flags & CF_EFFECTS);
        wcscpy(choice.lpLogFont->lfFaceName, L"Courier New");
        choice.lpLogFont->lfWeight = 600;
        choice.lpLogFont->lfItalic = TRUE;
        choice.iPointSize = 105;
        return true;
    };
    Click(IDC_FONT_CHOOSE);
    EXPECT_EQ(GetText(page->Item(IDC_FONT_CURRENT)), "10 pt. Courier New");
    EXPECT_EQ(BoxFont(page->Item(IDC_FONT_CURRENT)).lfHeight, 14);
    EXPECT_TRUE(BoxFont(page->Item(IDC_FONT_CURRENT)).lfItalic);
    const Settings out = Stored();
    EXPECT_EQ(out.fontFaceName, "Courier New");
    EXPECT_EQ(out.fontPointSize, 10);
    EXPECT_EQ(out.fontWeight, 400);  // semi-bold is not bold
    EXPECT_TRUE(out.fontItalic);

    page->fontAnswer = [](CHOOSEFONTW& choice) {
        choice.iPointSize = 80;
        return false;  // Cancel
    };
    Click(IDC_FONT_CHOOSE);
    EXPECT_EQ(Stored().fontPointSize, 10);
    EXPECT_EQ(GetText(page->Item(IDC_FONT_CURRENT)), "10 pt. Courier New");
}

TEST_F(FontColourPageTest, ColourDialogAnswerRepaintsTheSwatchAtOnce) {
    page->colourAnswer = [](CHOOSECOLORW& choice) {
        EXPECT_EQ(choice.rgbResult, RGB(255, 255, 255));
        EXPECT_TRUE(choice.Flags & CC_RGBINIT);
        EXPECT_NE(choice.lpCustColors, nullptr);
        choice.rgbResult = RGB(1, 2, 3);
        return true;
    };
    Click(IDC_COLOUR_WEEKDAY);
    EXPECT_EQ(SwatchPixel(page->Item(IDC_COLOUR_WEEKDAY)), RGB(1, 2, 3));
    EXPECT_EQ(Stored().colorWeekday, 1002003);
    page->colourAnswer = [](CHOOSECOLORW& choice) {
        choice.rgbResult = RGB(9, 9, 9);
        return false;
    };
    Click(IDC_COLOUR_WEEKDAY);
    Click(IDC_COLOUR_TODAY);
    EXPECT_EQ(SwatchPixel(page->Item(IDC_COLOUR_WEEKDAY)), RGB(1, 2, 3));
    EXPECT_EQ(Stored().colorWeekday, 1002003);
    EXPECT_EQ(Stored().colorToday, values.settings.colorToday);
}

TEST_F(FontColourPageTest, ResetRestoresTheBuiltInLookInThePage) {
    Click(IDC_FONT_COLOUR_RESET);
    EXPECT_EQ(GetText(page->Item(IDC_FONT_CURRENT)), "20 pt. Times New Roman");
    const Settings out = Stored();
    EXPECT_EQ(out.fontFaceName, "Times New Roman");
    EXPECT_EQ(out.fontPointSize, 20);
    EXPECT_EQ(out.frameSizeOfDate, 120);
    EXPECT_EQ(out.colorBackground, 0);
    EXPECT_EQ(out.colorTaskday, 64128128);
    EXPECT_EQ((std::vector{out.todayInfo, out.specialDayInfo, out.taskDayInfo}),
              (std::vector{11, 2, 1}));
    EXPECT_EQ(SwatchPixel(page->Item(IDC_COLOUR_BACKGROUND)), RGB(0, 0, 0));
    EXPECT_EQ(SwatchPixel(page->Item(IDC_COLOUR_TASK_DAY)), RGB(64, 128, 128));
    EXPECT_EQ(values.settings.fontPointSize, 48);
}

// Presses OK in every dialog box that the thread activates while it is installed.
class OkPresser {
public:
    OkPresser() { hook_ = SetWindowsHookExW(WH_CBT, Press, nullptr, GetCurrentThreadId()); }
    ~OkPresser() { UnhookWindowsHookEx(hook_); }
    bool Installed() const { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Press(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE) {
            auto window = reinterpret_cast<HWND>(wParam);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            if (std::wstring(className) == L"#32770") {
                PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_ = nullptr;
};

TEST(FontColourCommonDialogsTest, OkInTheRealDialogsKeepsWhatTheyWereGiven) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"page", WS_POPUP, 0, 0, 700, 500, nullptr, nullptr,
                                  nullptr, nullptr);
    OptionsValues values;
    values.settings.fontFaceName = "Arial";
    values.settings.fontPointSize = 12;
    values.settings.fontWeight = 900;
    values.settings.colorSaturday = 200100050;
    {
        CTabPage4 page;
        ASSERT_NE(page.CreateModeless(parent), nullptr);
        page.Load(values);
        OkPresser presser;
        ASSERT_TRUE(presser.Installed());
        SendMessageW(page.Item(IDC_COLOUR_SATURDAY), BM_CLICK, 0, 0);
        SendMessageW(page.Item(IDC_FONT_CHOOSE), BM_CLICK, 0, 0);
        OptionsValues out;
        page.Store(out);
        EXPECT_EQ(out.settings.colorSaturday, 200100050);
        EXPECT_EQ(out.settings.fontFaceName, "Arial");
        EXPECT_EQ(out.settings.fontPointSize, 12);
        // The dialog shows 900 as the face's bold style, which stores 900 again.
        EXPECT_EQ(out.settings.fontWeight, 900);
    }
    DestroyWindow(parent);
}

}  // namespace
}  // namespace vesm
