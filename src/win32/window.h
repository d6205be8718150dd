// Base class of every window the program creates. The object is bound to its
// HWND in WM_NCCREATE (from lpCreateParams) and kept in GWLP_USERDATA; a
// virtual WndProc dispatches to small OnXxx handlers and hands everything
// else to the default procedure.
#pragma once

#include <windows.h>

#include <string>

namespace vesm {

struct WindowClassInfo {
    const wchar_t* name = nullptr;
    UINT style = 0;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

struct WindowCreateInfo {
    const wchar_t* className = nullptr;
    std::wstring title;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menuOrChildId = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window if it still exists, so no HWND outlives its object.
    virtual ~Window();

    // Registers a class whose procedure is the shared trampoline; registering
    // the same class twice is not an error.
    static bool RegisterClass(const WindowClassInfo& info);
    // Returns false when CreateWindowExW fails or OnCreate refuses.
    bool Create(const WindowCreateInfo& info);
    HWND Hwnd() const { return hwnd_; }

protected:
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Returning false from OnCreate makes creation fail.
    virtual bool OnCreate(const CREATESTRUCTW&) { return true; }
    virtual void OnDestroy() {}
    // Handlers return whether they handled the message; unhandled ones go to
    // the default procedure.
    virtual bool OnPaint() { return false; }
    virtual bool OnClose() { return false; }
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual void OnSize(UINT /*kind*/, int /*width*/, int /*height*/) {}

private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace vesm
