// Choosing the window to scroll: the foreground window, unless the governing
// title list rules it out, a full-screen program is in front while the
// option pauses scrolling for it, or its program runs above ours (run as
// administrator; the main window is then asked with WM_ELEVATEDTARGET to
// tell the user, once per program).
#pragma once
#include <windows.h>

// For every tick that has steps: the foreground record is read again only
// when the foreground window changed, so this stays cheap.
HWND FindTargetWindow(void);

// The title lists' verdict on a top-level window: the window, or NULL when
// the governing list rules it out. With bOwnerToo its owner's title counts
// as well (an owned dialog carries the program's name only on its owner).
HWND PassTitleLists(HWND hwnd, BOOL bOwnerToo);

// The same answer read afresh, for a trigger press: whether the window in
// front would be scrolled now (its target) or not (NULL), so that a press
// there can pass untouched. Safe inside a hook: it only posts.
HWND FindTargetWindowForPress(void);

// The option "Scroll the Window Under the Pointer": the top-level window
// under the point, as scroll/pointer_window.h finds it, when the lists, the
// full-screen pause and its program's level let it be scrolled; else NULL
// (*pbRefused, if asked: it is the shell's own).
HWND FindPointerTarget(POINT pt, BOOL *pbRefused);
