// The options page "フォントと色": the calendar font, the spacing between day
// cells, the seven calendar colours and the three mark shapes.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <string>

#include "doc/settings.h"
#include "options/options_page.h"
#include "win32/gdi_object.h"

namespace vesm {

class CTabPage4 : public COptionsPage {
public:
    static constexpr std::size_t kSwatchCount = 7;

    CTabPage4();

    void Load(const OptionsValues& values) override;
    void Store(OptionsValues& values) const override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void Reset() override;

    // The common dialogs are modal; tests answer them in place.
    virtual bool RunFontDialog(CHOOSEFONTW& choice);
    virtual bool RunColourDialog(CHOOSECOLORW& choice);

private:
    void PickFont();
    void PickColour(std::size_t swatch);
    void ShowCurrentFont();
    void PaintSwatch(std::size_t swatch);
    void PaintAllSwatches();
    void SelectShapes(int today, int specialDay, int taskDay);

    std::string faceName_;
    int pointSize_ = 0;
    int weight_ = 0;
    bool italic_ = false;
    std::array<Rgb, kSwatchCount> colours_{};
    std::array<Bitmap, kSwatchCount> swatches_;
    std::array<COLORREF, 16> customColours_{};
    Font displayFont_;
};

}  // namespace vesm
