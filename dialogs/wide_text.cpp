// UTF-8 and UTF-16 for the Programs dialog's controls.
#include "dialogs/wide_text.h"

std::vector<wchar_t> WideOf(const std::string &utf8)
{
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), NULL, 0);
    std::vector<wchar_t> wide((size_t)(n > 0 ? n : 0) + 1, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), wide.data(), n);
    return wide;
}

std::string Utf8Of(const wchar_t *wide)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, NULL, 0, NULL, NULL);
    if (n <= 1)
        return "";
    std::string s((size_t)n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &s[0], n, NULL, NULL);
    s.resize((size_t)n - 1);     // without the terminator
    return s;
}

std::string WindowUtf8(HWND hwnd)
{
    int n = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> wide((size_t)(n > 0 ? n : 0) + 1, L'\0');
    GetWindowTextW(hwnd, wide.data(), (int)wide.size());
    return Utf8Of(wide.data());
}

void SetWindowUtf8(HWND hwnd, const std::string &utf8)
{
    SetWindowTextW(hwnd, WideOf(utf8).data());
}
