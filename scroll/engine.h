// The scroll engine: cursor reports, key reports and repeat-timer ticks in,
// edge, drag and arrow-key scroll steps out.
#pragma once
#include <windows.h>

void OnMouseReport(int x, int y);
void OnKeyReport(int vk, int pressed);
void CALLBACK RepeatTimerProc(HWND hwnd, UINT message, UINT_PTR idTimer, DWORD dwTime);
void ScrollTick(void);
