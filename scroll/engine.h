// The scroll engine: cursor reports, key reports and repeat-timer ticks in,
// edge, drag and arrow-key scroll steps out.
#pragma once
#include <windows.h>

void OnMouseReport(int x, int y);
// A move the hooks kept from programs while a drag holds the pointer still:
// how far it would have taken the pointer from where it is held.
void OnStillMove(int dx, int dy);
void OnKeyReport(int vk, int pressed);
void CALLBACK RepeatTimerProc(HWND hwnd, UINT message, UINT_PTR idTimer, DWORD dwTime);
void ScrollTick(void);

// A trigger's press ended as a tap or click (TRIGGER_TAPPED) or a drag
// (TRIGGER_DRAGGED): a tap toggles the drag lock when that option is on, a
// drag ends it. TRUE when the lock changed.
// bClean: a drag let go with nothing else pressed meanwhile, which may glide.
BOOL OnTriggerReport(int what, int bClean);
// What the hooks know to be held now (at ON, after a change of options or a
// hook repair): the hold key and the drag button each drag or not. What was
// held before counts no more.
void SetHeldTriggers(int bKeyDown, int bButtonDown);
// The engine's own state, for the hooks, the tray and the main window: the
// lock is on; drag ticks delivered so far (a release compares them with its
// press's); the drag button holds a drag.
int DragLocked(void);
unsigned DragTicks(void);
int DragButtonDown(void);

// The lock ends when another window has come to the front (asked on every
// move, and by the watchdog for a desktop at rest).
void CheckDragLockFront(void);
// Switched OFF: no lock, no chosen axis, no glide.
void EndDragLock(void);
// Options changed (OK, Apply, Load Settings): a lock that nothing could end
// any more (its option off, or no trigger left to tap) ends now. TRUE when
// it did.
BOOL EndUnusableDragLock(void);
