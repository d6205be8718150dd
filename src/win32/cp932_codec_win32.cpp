// Code page 932 through the Win32 code page API: the same tables the system
// itself uses for Shift-JIS.
#include <windows.h>

#include <utility>

#include "doc/cp932_codec.h"

namespace vesm {

namespace {

constexpr UINT kCodePage932 = 932;

std::wstring Widen(UINT codePage, DWORD flags, std::string_view bytes, bool* ok = nullptr) {
    if (ok != nullptr) *ok = true;
    if (bytes.empty()) return {};
    int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        if (ok != nullptr) *ok = false;
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide, bool* usedDefault = nullptr) {
    if (usedDefault != nullptr) *usedDefault = false;
    if (wide.empty()) return {};
    // Without WC_NO_BEST_FIT_CHARS Windows would quietly turn, say, "é" into
    // "e"; a visible "?" is the honest substitute.
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* defaultChar = codePage == CP_UTF8 ? nullptr : "?";
    BOOL defaultUsed = FALSE;
    BOOL* defaultUsedOut = codePage == CP_UTF8 ? nullptr : &defaultUsed;
    int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, defaultChar,
                                     defaultUsedOut);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, defaultChar,
                        defaultUsedOut);
    if (usedDefault != nullptr) *usedDefault = defaultUsed != FALSE;
    return bytes;
}

// Characters outside the Basic Multilingual Plane are never in code page 932;
// each becomes one "?" rather than one per UTF-16 unit. Returns whether any
// was replaced.
bool ReplaceSupplementaryCharacters(std::wstring& wide) {
    std::wstring result;
    result.reserve(wide.size());
    bool replaced = false;
    for (std::size_t at = 0; at < wide.size(); ++at) {
        wchar_t unit = wide[at];
        bool high = unit >= 0xD800 && unit <= 0xDBFF;
        bool pairFollows = at + 1 < wide.size() && wide[at + 1] >= 0xDC00 && wide[at + 1] <= 0xDFFF;
        if (high && pairFollows) ++at;
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            result += L'?';
            replaced = true;
        } else {
            result += unit;
        }
    }
    wide = std::move(result);
    return replaced;
}

}  // namespace

std::string DecodeCp932(std::string_view bytes) {
    return Narrow(CP_UTF8, Widen(kCodePage932, 0, bytes));
}

std::string EncodeCp932(std::string_view utf8) {
    std::wstring wide = Widen(CP_UTF8, 0, utf8);
    ReplaceSupplementaryCharacters(wide);
    return Narrow(kCodePage932, wide);
}

bool CanEncodeCp932(std::string_view utf8) {
    bool validUtf8 = false;
    std::wstring wide = Widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, &validUtf8);
    if (!validUtf8 || ReplaceSupplementaryCharacters(wide)) return false;
    bool usedDefault = false;
    Narrow(kCodePage932, wide, &usedDefault);
    return !usedDefault;
}

}  // namespace vesm
