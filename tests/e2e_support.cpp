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

CHILDPROC StartNotepad(HWND *edit)
{
    std::string text;
    char line[64];
    for (int i = 1; i <= 500; i++)
        text += std::string(line, snprintf(line, sizeof line, "Line %03d of a long file.\r\n", i));
    *edit = NULL;
    if (!WriteBytes("long.txt", text))
        return CHILDPROC{};
    CHILDPROC proc = StartChild("C:\\windows\\notepad.exe long.txt");
    if (!proc.pi.hProcess)
        return proc;
    WaitForInputIdle(proc.pi.hProcess, 20000);
    // The edit control holds the text once the file has been read.
    WaitFor([&] {
        proc.hwnd = FindProcessWindow(proc.pi.dwProcessId, "Notepad");
        *edit = proc.hwnd ? FindWindowExA(proc.hwnd, NULL, "Edit", NULL) : NULL;
        return *edit && SendMessageA(*edit, EM_GETLINECOUNT, 0, 0) > 100;
    }, 20000);
    if (*edit)
        SetWindowPos(proc.hwnd, NULL, 0, 120, 440, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    return proc;
}

int FirstVisibleLine(HWND edit)
{
    return (int)SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
}
