// The About box: version, the maker's web address and name as links, and the
// rights notice. The links are blue and underlined and show the hand cursor.
#pragma once

#include <functional>
#include <string>

#include "win32/dialog.h"
#include "win32/gdi_object.h"

namespace vesm {

// The page the maker's name opens.
inline constexpr wchar_t kMakerPage[] = L"https://vesmira.example.jp/about/";

class CAboutDlg : public Dialog {
public:
    // Hands a web address to the shell; tests record it instead.
    using LinkOpener = std::function<void(const std::wstring& address)>;

    explicit CAboutDlg(LinkOpener openLink = {});

protected:
    INT_PTR DlgProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnDestroy() override;

private:
    static bool IsLink(int id);
    void Underline(int id, Font& font);

    LinkOpener openLink_;
    Font urlFont_;
    Font makerFont_;
};

}  // namespace vesm
