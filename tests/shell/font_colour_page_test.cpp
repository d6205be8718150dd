// The font and colour page under Wine, with the font and colour dialogs
// answered as a user would: what it shows, what the answers store, the reset.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <functional>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "options/tab_page4.h"
#include "res/resource.h"
#include "shell/support/dialog_driver.h"

namespace vesm {
namespace {

class AnsweringPage : public CTabPage4 {
public:
    std::function<bool(CHOOSEFONTW&)> fontAnswer;
    std::function<bool(CHOOSECOLORW&)> colourAnswer;

protected:
    bool RunFontDialog(CHOOSEFONTW& choice) override { return fontAnswer(choice); }
    bool RunColourDialog(CHOOSECOLORW& choice) override { return colourAnswer(choice); }
};

COLORREF Swatch(const DialogDriver& page, int id) {
    auto bitmap =
        reinterpret_cast<HBITMAP>(SendMessageW(page.Item(id), BM_GETIMAGE, IMAGE_BITMAP, 0));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF pixel = GetPixel(memory, 2, 2);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return pixel;
}

LOGFONTW BoxFont(const DialogDriver& page) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(page.Item(IDC_FONT_CURRENT), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    return font;
}

TEST(FontColourPageTest, AnswersOfTheFontAndColourDialogsAndTheShapesAreStoredAndResetInThePage) {
    const HWND parent = CreateWindowExW(0, L"STATIC", L"page", WS_POPUP, 0, 0, 700, 500, nullptr,
                                        nullptr, nullptr, nullptr);
    OptionsValues values;
    Settings& s = values.settings;
    std::tie(s.fontFaceName, s.fontPointSize, s.fontWeight, s.colorBackground, s.colorTaskday) =
        std::make_tuple("Arial", 48, 400, 10020030, 255000000);
    std::tie(s.frameSizeOfDate, s.todayInfo, s.specialDayInfo, s.taskDayInfo) =
        std::make_tuple(170, 3, 13, 0);
    AnsweringPage answering;
    const DialogDriver page(answering.CreateModeless(parent));
    answering.Load(values);
    const auto stored = [&] {
        OptionsValues out;
        answering.Store(out);
        return out.settings;
    };
    EXPECT_EQ(page.Text(IDC_FONT_CURRENT), "48 pt. Arial");
    EXPECT_EQ(BoxFont(page).lfHeight, 14) << "the box keeps its height";
    EXPECT_EQ(Swatch(page, IDC_COLOUR_BACKGROUND), RGB(10, 20, 30));
    EXPECT_EQ(Swatch(page, IDC_COLOUR_TASK_DAY), RGB(255, 0, 0));
    EXPECT_EQ(page.ItemText(IDC_SHAPE_TODAY, 10), "〇");
    EXPECT_EQ(page.Selected(IDC_SHAPE_SPECIAL_DAY), 13);

    const int dpi = GetDeviceCaps(GetDC(nullptr), LOGPIXELSY);
    answering.fontAnswer = [&](CHOOSEFONTW& choice) {
        EXPECT_EQ(choice.lpLogFont->lfHeight, -MulDiv(48, dpi, 72));
        EXPECT_EQ(std::wstring(choice.lpLogFont->lfFaceName), L"Arial");
        EXPECT_EQ(choice.Flags & (CF_SCREENFONTS | CF_TTONLY | CF_EFFECTS),
                  static_cast<DWORD>(CF_SCREENFONTS | CF_TTONLY));
        wcscpy(choice.lpLogFont->lfFaceName, L"Courier New");
        choice.lpLogFont->lfItalic = TRUE;
        choice.iPointSize = 105;
        return true;
    };
    page.Click(IDC_FONT_CHOOSE);
    answering.fontAnswer = [](CHOOSEFONTW& choice) { return choice.iPointSize = 80, false; };
    page.Click(IDC_FONT_CHOOSE);
    EXPECT_EQ(page.Text(IDC_FONT_CURRENT), "10 pt. Courier New");
    EXPECT_TRUE(BoxFont(page).lfItalic);
    answering.colourAnswer = [](CHOOSECOLORW& choice) {
        EXPECT_EQ(choice.rgbResult, RGB(255, 255, 255));
        EXPECT_TRUE(choice.Flags & CC_RGBINIT);
        choice.rgbResult = RGB(1, 2, 3);
        return true;
    };
    page.Click(IDC_COLOUR_WEEKDAY);
    answering.colourAnswer = [](CHOOSECOLORW& choice) { return choice.rgbResult = 9, false; };
    page.Click(IDC_COLOUR_TODAY);
    EXPECT_EQ(Swatch(page, IDC_COLOUR_WEEKDAY), RGB(1, 2, 3));
    page.Choose(IDC_SHAPE_TODAY, 10);
    SendMessageW(page.Item(IDC_SHAPE_SPECIAL_DAY), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Settings out = stored();
    EXPECT_EQ(std::make_tuple(out.fontFaceName, out.fontPointSize, out.fontWeight, out.fontItalic),
              std::make_tuple(std::string("Courier New"), 10, 400, true));
    EXPECT_EQ(std::make_tuple(out.colorWeekday, out.colorToday, out.colorBackground),
              std::make_tuple(1002003, Settings{}.colorToday, 10020030));
    EXPECT_EQ(std::make_tuple(out.frameSizeOfDate, out.todayInfo, out.taskDayInfo),
              std::make_tuple(170, 10, 0));
    OptionsValues opening = values;
    answering.Store(opening);
    EXPECT_EQ(opening.settings.specialDayInfo, 13) << "a shape list without a selection keeps it";

    page.Click(IDC_FONT_COLOUR_RESET);
    EXPECT_EQ(page.Text(IDC_FONT_CURRENT), "20 pt. Times New Roman");
    EXPECT_EQ(Swatch(page, IDC_COLOUR_TASK_DAY), RGB(64, 128, 128));
    out = stored();
    EXPECT_EQ(std::make_tuple(out.frameSizeOfDate, out.colorBackground, out.todayInfo),
              std::make_tuple(120, 0, 11));
    DestroyWindow(page.Hwnd());
    DestroyWindow(parent);
}

}  // namespace
}  // namespace vesm
