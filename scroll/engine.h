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
BOOL OnTriggerReport(int what);
// Switched OFF: no lock, no chosen axis, no glide.
void EndDragLock(void);
// Options changed (OK, Apply, Load Settings): a lock that nothing could end
// any more (its option off, or no trigger left to tap) ends now. TRUE when
// it did.
BOOL EndUnusableDragLock(void);
