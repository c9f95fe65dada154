// The rules of programs.txt are UTF-8 text; controls show UTF-16. These move
// a text between the two, so that a program or title in any script shows
// and saves as it is. Vectors, not std::wstring: that would link a second
// string library into the program.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The UTF-16 form of a UTF-8 text, zero-terminated.
std::vector<wchar_t> WideOf(const std::string &utf8);
// The UTF-8 form of a zero-terminated UTF-16 text.
std::string Utf8Of(const wchar_t *wide);
// A window's text (a control's) as UTF-8, and set from UTF-8.
std::string WindowUtf8(HWND hwnd);
void SetWindowUtf8(HWND hwnd, const std::string &utf8);
