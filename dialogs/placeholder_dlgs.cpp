// Minimal dialog procedures: each closes on OK or Cancel and clears its
// handle, so the main window's open/raise mechanics work.
#include "dialogs/dialogs.h"
#include "scroll/settings.h"

static INT_PTR CloseOnCommand(HWND dialog, UINT message, WPARAM wParam, HWND *phDialog)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(dialog);
        *phDialog = NULL;
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK OptionsDlgProc(HWND d, UINT m, WPARAM w, LPARAM)
{
    return CloseOnCommand(d, m, w, &Settings.hOptionsDlg);
}

INT_PTR CALLBACK WindowsDlgProc(HWND d, UINT m, WPARAM w, LPARAM)
{
    return CloseOnCommand(d, m, w, &Settings.hWindowsDlg);
}

INT_PTR CALLBACK AboutDlgProc(HWND d, UINT m, WPARAM w, LPARAM)
{
    return CloseOnCommand(d, m, w, &Settings.hAboutDlg);
}

void ShowHelp(HWND)
{
}
