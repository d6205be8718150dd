// What a window, or the whole screen, shows in a rectangle, read back through
// one DIB section.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

// The pixels of a rectangle of the window's client area (of the screen for
// nullptr), row by row, as 0x00RRGGBB.
inline std::vector<DWORD> ReadShownPixels(HWND window, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC shown = GetDC(window);
    HDC memory = CreateCompatibleDC(shown);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, shown, rect.left, rect.top, SRCCOPY);
    const auto* first = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(first, first + static_cast<std::size_t>(width) * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, shown);
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}
