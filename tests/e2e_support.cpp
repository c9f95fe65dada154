// Notepad and the program's window, read from another process with bounded
// waits only.
#include "e2e_support.h"
#include <stdio.h>

bool DragLockShown(HWND hApp)
{
    HWND button = FindWindowExA(hApp, NULL, "Button", NULL);
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETSTATE, 0, 0, SMTO_NORMAL, 5000, &state);
    return (state & BST_PUSHED) != 0;
}

// Wine's notepad or wordpad (by path and main window class) with a long
// file, its edit control (by class) holding the text.
static CHILDPROC StartEditor(const char *szCommand, const char *szFrame, const char *szEdit,
                             HWND *edit)
{
    std::string text;
    char line[64];
    for (int i = 1; i <= 500; i++)
        text += std::string(line, snprintf(line, sizeof line, "Line %03d of a long file.\r\n", i));
    *edit = NULL;
    if (!WriteBytes("long.txt", text))
        return CHILDPROC{};
    CHILDPROC proc = StartChild(szCommand);
    if (!proc.pi.hProcess)
        return proc;
    WaitForInputIdle(proc.pi.hProcess, 20000);
    // The edit control holds the text once the file has been read.
    WaitFor([&] {
        proc.hwnd = FindProcessWindow(proc.pi.dwProcessId, szFrame);
        *edit = proc.hwnd ? FindWindowExA(proc.hwnd, NULL, szEdit, NULL) : NULL;
        return *edit && SendMessageA(*edit, EM_GETLINECOUNT, 0, 0) > 100;
    }, 20000);
    if (*edit)
        SetWindowPos(proc.hwnd, NULL, 0, 120, 440, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    return proc;
}

CHILDPROC StartNotepad(HWND *edit)
{
    return StartEditor("C:\\windows\\notepad.exe long.txt", "Notepad", "Edit", edit);
}

CHILDPROC StartWordpad(HWND *edit)
{
    return StartEditor("\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\" long.txt",
                       "WORDPADTOP", "RichEdit20W", edit);
}

int FirstVisibleLine(HWND edit)
{
    return (int)SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
}
