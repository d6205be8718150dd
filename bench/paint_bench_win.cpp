// Times the calendar's paint under Wine: the whole year with the default
// settings painted into the real window 200 times, against the same picture
// written pixel by pixel with GetPixel and SetPixel on a memory DC, as a text
// routine without an off-screen canvas would have to. Prints both medians.
//
// The per-pixel way walks the same paint with glyphs fetched anew for every
// character, as a routine without a glyph cache does, then reads and writes
// each inked pixel of the finished picture once through the memory DC. The
// routine it stands for writes overlapping glyph pixels more than once.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "support/fake_host.h"
#include "view/calendar_paint.h"
#include "view/gdi_glyph_source.h"
#include "view/pixel_canvas.h"

namespace vesm {
namespace {

constexpr int kRuns = 200;
constexpr int kPerPixelRuns = 5;

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    double Milliseconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{};
    LARGE_INTEGER start_{};
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The window's own paint: layout, glyphs, canvas, one blit, the attributes.
std::vector<double> TimeWindowPaints(HWND view) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        Stopwatch watch;
        RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        times.push_back(watch.Milliseconds());
        Pump();
    }
    return times;
}

// The picture the window shows, read back from its client area.
std::vector<Pixel> CapturePicture(HWND view, Size size) {
    HDC screen = GetDC(view);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.width, size.height, screen, 0, 0, SRCCOPY);
    std::vector<Pixel> picture(static_cast<const Pixel*>(bits),
                               static_cast<const Pixel*>(bits) + size.width * size.height);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(view, screen);
    return picture;
}

// Every question goes to a fresh font on a fresh context, nothing is kept.
class UncachedGlyphs : public GlyphSource {
public:
    int Ascent(const FontSpec& font) override { return Fresh().Ascent(font); }
    const Glyph& GlyphOf(const FontSpec& font, char32_t character) override {
        return Fresh().GlyphOf(font, character);
    }

private:
    GdiGlyphSource& Fresh() {
        source_ = std::make_unique<GdiGlyphSource>();
        return *source_;
    }
    std::unique_ptr<GdiGlyphSource> source_;
};

PaintInput InputOf(CvesmDoc& doc, const Settings& settings, const std::vector<DayRecord>& days,
                   const std::vector<CTaskTime>& tasks, KoyomiDays& koyomi) {
    return PaintInput{settings, doc.DisplayDate(), doc.Host().Now(), days, tasks, koyomi};
}

std::vector<DayRecord> DaysOf(const CvesmDoc& doc) {
    std::vector<DayRecord> days(doc.DayCount());
    for (std::size_t i = 0; i < days.size(); ++i) days[i] = doc.Day(i);
    return days;
}

// The paint procedure alone: layout and text into a canvas, cached glyphs.
std::vector<double> TimeCanvasPaints(CvesmDoc& doc, Size size) {
    const Settings settings = doc.GetSettings();
    const std::vector<DayRecord> days = DaysOf(doc);
    const std::vector<CTaskTime> tasks;
    GdiGlyphSource glyphs;
    KoyomiDays koyomi;
    OwnedCanvas canvas(size.width, size.height);
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        Stopwatch watch;
        const PaintInput input = InputOf(doc, settings, days, tasks, koyomi);
        const CalendarPlan plan = PlanCalendar(settings, input.displayDate, glyphs);
        PaintCalendar(input, plan, glyphs, canvas.Canvas());
        times.push_back(watch.Milliseconds());
    }
    return times;
}

struct PerPixelRun {
    std::vector<double> times;
    long long inkedPixels = 0;
};

PerPixelRun TimePerPixel(CvesmDoc& doc, HWND view, const std::vector<Pixel>& picture, Size size,
                         Rgb background) {
    const Settings settings = doc.GetSettings();
    const std::vector<DayRecord> days = DaysOf(doc);
    const std::vector<CTaskTime> tasks;
    HDC screen = GetDC(view);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.width, size.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const Pixel backgroundPixel = PixelFromRgb(background);
    KoyomiDays koyomi;
    PerPixelRun result;
    for (int run = 0; run < kPerPixelRuns; ++run) {
        Stopwatch watch;
        UncachedGlyphs glyphs;
        OwnedCanvas scratch(size.width, size.height);
        const PaintInput input = InputOf(doc, settings, days, tasks, koyomi);
        PaintCalendar(input, PlanCalendar(settings, input.displayDate, glyphs), glyphs,
                      scratch.Canvas());
        HBRUSH brush = CreateSolidBrush(background);
        const RECT all{0, 0, size.width, size.height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        long long inked = 0;
        for (int y = 0; y < size.height; ++y) {
            for (int x = 0; x < size.width; ++x) {
                const Pixel pixel = picture[static_cast<std::size_t>(y * size.width + x)];
                if (pixel == backgroundPixel) continue;
                // The blend needs what lies beneath.
                const COLORREF beneath = GetPixel(memory, x, y);
                SetPixel(memory, x, y, beneath == CLR_INVALID ? 0 : RgbFromPixel(pixel));
                ++inked;
            }
        }
        BitBlt(screen, 0, 0, size.width, size.height, memory, 0, 0, SRCCOPY);
        result.times.push_back(watch.Milliseconds());
        result.inkedPixels = inked;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(view, screen);
    return result;
}

int Run() {
    FakeHost host;
    host.now = DateTime(static_cast<std::int64_t>(std::time(nullptr)));
    CvesmDoc doc(host);
    Settings settings = doc.GetSettings();
    settings.numOfMonth = 0;
    settings.left = 0;
    settings.top = 0;
    doc.SetSettings(settings);
    doc.SetDisplayDate(host.Now());

    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(doc, std::move(options));
    if (!frame.CreateFrame()) {
        std::fprintf(stderr, "paint_bench_win: no window\n");
        return 1;
    }
    for (int i = 0; i < 20 && !frame.View().LastPaint(); ++i) {
        Pump();
        Sleep(20);
    }
    if (!frame.View().LastPaint()) {
        std::fprintf(stderr, "paint_bench_win: the window never painted\n");
        return 1;
    }
    const Size size = frame.View().LastPaint()->window;
    const std::vector<double> paints = TimeWindowPaints(frame.View().Hwnd());
    const std::vector<Pixel> picture = CapturePicture(frame.View().Hwnd(), size);
    const std::vector<double> canvasPaints = TimeCanvasPaints(doc, size);
    const PerPixelRun perPixel = TimePerPixel(doc, frame.View().Hwnd(), picture, size,
                                              RgbFromDecimal(doc.GetSettings().colorBackground));

    const double paint = Median(paints);
    const double slow = Median(perPixel.times);
    std::printf("whole year, default settings, %d x %d pixels\n", size.width, size.height);
    std::printf("window paint (canvas, one blit): median %.3f ms over %d paints\n", paint, kRuns);
    std::printf("  of which layout and text into the canvas: median %.3f ms\n",
                Median(canvasPaints));
    std::printf("per-pixel GetPixel/SetPixel:     median %.3f ms over %d paints (%lld pixels)\n",
                slow, kPerPixelRuns, perPixel.inkedPixels);
    std::printf("per-pixel / canvas: %.1f times\n", paint > 0 ? slow / paint : 0.0);
    DestroyWindow(frame.Hwnd());
    return 0;
}

}  // namespace
}  // namespace vesm

int main() {
    return vesm::Run();
}
