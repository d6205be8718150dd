// What a window, or the whole screen, shows in a rectangle.
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
    HBITMAP bitmap = CreateCompatibleBitmap(shown, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, shown, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, shown);
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}
