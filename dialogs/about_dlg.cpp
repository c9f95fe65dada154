// The About box (picture, credits, OK) with its picture note, and the Help
// command, which offers to open readme.txt in Notepad.
#include "dialogs/dialogs.h"
#include "scroll/settings.h"

// Eleven CRLF-separated lines in four blocks: credits, homepage, mail,
// origin. The edit control needs CR LF to break lines.
const char szAboutText[] =
    "Veltrac v2.5, by the Veltrac developers.\r\n"
    "Written for the Win32 API and built with\r\n"
    "mingw-w64 GCC 12, then tested under Wine:\r\n"
    "free tools, and none of them complained.\r\n"
    "\r\n"
    "Find the latest Veltrac here:\r\n"
    "https://veltrac.example.org/\r\n"
    "\r\n"
    "Mail us at veltrac@example.org\r\n"
    "\r\n"
    "Made on Debian GNU/Linux, for Windows.";

// Shown when the picture is pressed.
const char szPictureNote[] =
    "The tiled picture is drawn by our own generator; see https://veltrac.example.org/";
const char szPictureNoteTitle[] = "Veltrac v2.5";

static const char szHelpQuestion[] =
    "This program lets you scroll things around\n"
    "just by moving the mouse.  Because there\n"
    "are so many options, please refer to readme.txt\n"
    "if you need help.\n"
    "\n"
    "Would you like to read readme.txt now?";

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        // Loaded the first time the box opens, not at start: the first
        // paint of the main window need not wait for it.
        if (!Settings.hAboutBitmap)
            Settings.hAboutBitmap = LoadBitmapA(Settings.hInst, "KQBMP");
        SendDlgItemMessageA(dialog, IDC_ABOUTPICTURE, BM_SETIMAGE, IMAGE_BITMAP,
                            (LPARAM)Settings.hAboutBitmap);
        SendDlgItemMessageA(dialog, IDC_ABOUTTEXT, WM_SETTEXT, 0, (LPARAM)szAboutText);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;   // the focus is set already
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:   // also Escape and the caption's close box
            DestroyWindow(dialog);
            Settings.hAboutDlg = NULL;
            break;
        case IDC_ABOUTPICTURE:
            MessageBoxA(dialog, szPictureNote, szPictureNoteTitle, MB_ICONINFORMATION);
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;   // the caption's help requests go to the default handling
    }
}

void ShowHelp(HWND owner)
{
    if (MessageBoxA(owner, szHelpQuestion, "Help With Veltrac v2.5", MB_ICONQUESTION | MB_YESNO)
        != IDYES)
        return;
    // Only a test that the file is there and readable: Notepad reads it.
    // Wide calls, as for every file: the folder's name may lie outside the
    // ANSI code page.
    HANDLE h = CreateFileW(L"readme.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) {
        MessageBoxA(owner, "Can't find readme.txt, sorry.", "Error Loading Readme.txt",
                    MB_ICONERROR);
        return;
    }
    CloseHandle(h);
    // What WinExec("notepad readme.txt", SW_SHOWMAXIMIZED) does, without the
    // ANSI call: Notepad starts in this folder and opens the file maximized.
    wchar_t szCommand[] = L"notepad readme.txt";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION pi;
    if (CreateProcessW(NULL, szCommand, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}
