// Driving the real dialogs the way a user does: a hidden owner window run by
// the program's own MainWndProc opens them with its commands, controls are
// clicked and typed into with messages, and message boxes are answered from
// a thread timer that fires inside their modal loops.
#pragma once
#include <doctest.h>
#include <windows.h>
#include <commctrl.h>
#include "app/main_window.h"
#include "dialogs/dialogs.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <string>
#include <vector>

namespace harness {

inline SETTINGS &Initial()
{
    static SETTINGS *initial = new SETTINGS(Settings);
    return *initial;
}

// The owner stands in for the main window: MainWndProc handles its
// IDM_OPTIONS, IDM_WINDOWS, IDM_ABOUT and IDM_HELP commands.
inline HWND Owner()
{
    static HWND owner;
    if (owner)
        return owner;
    InitCommonControls();
    Settings.hInst = GetModuleHandleA(NULL);
    Settings.hAboutBitmap = LoadBitmapA(Settings.hInst, "KQBMP");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = Settings.hInst;
    wc.lpszClassName = "VeltracDialogTestOwner";
    RegisterClassA(&wc);
    owner = CreateWindowExA(0, wc.lpszClassName, "dialog test owner", WS_OVERLAPPEDWINDOW,
                            0, 0, 200, 100, NULL, NULL, Settings.hInst, NULL);
    Initial();   // the record as the program starts, handles included
    return owner;
}

inline void CloseIfOpen(HWND *phDialog);

// Brings the record back to its start-up state between cases, closing what
// a failed case left open.
inline void ResetSettings()
{
    Owner();
    CloseIfOpen(&Settings.hOptionsDlg);
    CloseIfOpen(&Settings.hWindowsDlg);
    CloseIfOpen(&Settings.hAboutDlg);
    CloseIfOpen(&Settings.hProgramsDlg);
    Settings = Initial();
}

// Dialog keys first, as the program's message loop takes them.
inline bool DialogKeys(MSG &msg)
{
    return (Settings.hOptionsDlg && IsDialogMessageA(Settings.hOptionsDlg, &msg)) ||
           (Settings.hWindowsDlg && IsDialogMessageA(Settings.hWindowsDlg, &msg)) ||
           (Settings.hAboutDlg && IsDialogMessageA(Settings.hAboutDlg, &msg)) ||
           (Settings.hProgramsDlg && IsDialogMessageA(Settings.hProgramsDlg, &msg));
}

// Handles, like the program's message loop, everything posted so far: what
// the dialogs post to themselves and the keys a case posts to them.
inline void Pump()
{
    CHECK(PumpPosted(WAIT_MS, DialogKeys));
}

// Pumps like the program's message loop until cond holds.
inline bool PumpFor(const std::function<bool()> &cond)
{
    return PumpUntil(cond, WAIT_MS, DialogKeys);
}

inline HWND Command(UINT idm, HWND *phDialog)
{
    SendMessageA(Owner(), WM_COMMAND, idm, 0);
    Pump();
    return *phDialog;
}

// Opens the dialog afresh with its command (closing it first if open).
inline HWND Open(UINT idm, HWND *phDialog)
{
    CloseIfOpen(phDialog);
    HWND dialog = Command(idm, phDialog);
    REQUIRE(dialog != NULL);
    return dialog;
}
inline HWND OpenOptions() { return Open(IDM_OPTIONS, &Settings.hOptionsDlg); }
inline HWND OpenWindows() { return Open(IDM_WINDOWS, &Settings.hWindowsDlg); }
inline HWND OpenAbout() { return Open(IDM_ABOUT, &Settings.hAboutDlg); }
inline HWND OpenPrograms() { return Open(IDM_PROGRAMS, &Settings.hProgramsDlg); }

// A user cannot click a disabled control; BM_CLICK under Wine would.
inline void Click(HWND dialog, int id)
{
    CAPTURE(id);
    REQUIRE(IsWindowEnabled(GetDlgItem(dialog, id)));
    SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
    Pump();
}

inline bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
}

inline int Checked(HWND dialog, int id)
{
    return (int)SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0);
}

inline std::string Text(HWND window)
{
    int n = GetWindowTextLengthA(window);
    std::string s((size_t)n + 1, '\0');
    GetWindowTextA(window, &s[0], n + 1);
    s.resize((size_t)n);
    return s;
}

inline std::string ItemText(HWND dialog, int id)
{
    return Text(GetDlgItem(dialog, id));
}

inline void Type(HWND dialog, int id, const std::string &text)
{
    SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, (LPARAM)text.c_str());
}

// Closes a dialog a failed case left open, so the next case starts clean.
inline void CloseIfOpen(HWND *phDialog)
{
    if (*phDialog)
        SendMessageA(*phDialog, WM_COMMAND, IDCANCEL, 0);
    Pump();
}

// Message boxes expected in order: each is found by its title, its text is
// kept, and the given button is pressed.
struct BOXSTEP {
    const char *title;
    int button;
    std::string text;
    bool seen;
};

inline std::vector<BOXSTEP> &Steps()
{
    static std::vector<BOXSTEP> steps;
    return steps;
}

inline void CALLBACK AnswerBoxes(HWND, UINT, UINT_PTR timer, DWORD)
{
    for (BOXSTEP &step : Steps()) {
        if (step.seen)
            continue;
        HWND box = FindWindowA("#32770", step.title);
        if (!box || !IsWindowVisible(box))
            return;
        char text[1024] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        step.text = text;
        step.seen = true;
        PostMessageA(box, WM_COMMAND, step.button, 0);
        return;
    }
    KillTimer(NULL, timer);
}

inline UINT_PTR ExpectBoxes(std::vector<BOXSTEP> steps)
{
    Steps() = steps;
    return SetTimer(NULL, 0, 30, AnswerBoxes);
}

inline void StopAnswering(UINT_PTR timer)
{
    KillTimer(NULL, timer);
}

}  // namespace harness
