// The calendar view: the frame's only child window. Each paint draws the
// calendar off-screen through the portable paint procedure (as much of it as
// the screen can show at once, holding the part on screen), blits it once, hands the cell
// rectangles, zones and clock rectangle to the document and applies size, translucency, z-order and
// click-through to the frame. A click drags the frame; double-clicks open a day or change the
// month.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "doc/day_record.h"
#include "view/calendar_paint.h"
#include "view/dib_surface.h"
#include "view/gdi_glyph_source.h"
#include "view/view_tooltips.h"
#include "win32/window.h"

namespace vesm {

class CvesmDoc;

class CvesmView : public Window {
public:
    // Called with the day record of a double-clicked day.
    using DayOpener = std::function<void(const DayRecord& day)>;

    CvesmView() = default;

    // Creates the view as the child of the frame, filling its client area.
    bool Create(HWND parent, CvesmDoc& doc);
    void SetDayOpener(DayOpener opener) { dayOpener_ = std::move(opener); }
    // The monitor's dots per inch the next paints scale to; taken from the
    // parent at creation, then from each density change the frame is told of.
    void SetDpi(int dpi) { scale_.dpi = dpi > 0 ? dpi : DisplayScale::kBaseDpi; }
    DisplayScale Scale() const { return scale_; }
    // Paints anew when the move brought a part of the window on screen that
    // the picture of the last paint does not hold.
    void OnFrameMoved();

    // What the latest paint found, for tests and diagnostics.
    const std::optional<PaintResult>& LastPaint() const { return lastPaint_; }
    const ViewTooltips& Tooltips() const { return tooltips_; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;

private:
    void Paint(HDC dc);
    PaintResult Draw(HDC dc, const Settings& settings);
    Rect OnScreen(Size window) const;
    void StoreInDocument(const PaintResult& result);
    void FillFrame();
    void OnLeftButtonDown(LPARAM lParam);
    void OnMouseMove(WPARAM keys, LPARAM lParam);
    void OnDoubleClick(int x, int y);

    CvesmDoc* doc_ = nullptr;
    ViewTooltips tooltips_;
    KoyomiDays koyomi_;
    GdiGlyphSource glyphs_;
    DibSurface surface_;
    DayOpener dayOpener_;
    DisplayScale scale_;
    std::optional<PaintResult> lastPaint_;
    std::optional<Rect> picture_;  // the window pixels the last paint drew
    std::optional<POINT> press_;   // where the left button went down, until a drag or release
};

}  // namespace vesm
