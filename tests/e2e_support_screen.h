// Reading another program's window from the screen, for what no window call
// can tell across processes: which picture the button shows, and whether a
// menu item is drawn grayed (Wine keeps a menu inside its own process, so
// GetMenuState on another program's menu fails there).
#pragma once
#include <windows.h>
#include <vector>

// The screen's pixels in rc (0x00RRGGBB, rows top to bottom).
bool CaptureScreen(const RECT &rc, std::vector<DWORD> *pixels);

// Whether the middle of a bitmap resource of this test program (which links
// the same resources as Veltrac.exe) appears in the middle of the window.
bool WindowShowsPicture(HWND hwnd, const char *bitmapName);

// A visible popup menu window of the process, other than except; the same,
// waited for (NULL when none came).
HWND FindVisiblePopup(DWORD pid, HWND except);
HWND WaitPopup(DWORD pid, HWND except);
// For the first nItems items of a popup menu (those above its first
// separator): whether each is drawn in the gray text colour.
bool ReadGrayedItems(HWND popup, int nItems, bool *grayed);
