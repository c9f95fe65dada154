// Hook reports reach the main window in the order of their events, always.
// A tick can let hook calls in while it waits (delivery re-enters itself, see
// scroll/delivery.cpp); a report that arrives while another is still being
// handled is only recorded, and the handling under way takes it next, before
// its own hook call returns, so no report is ever handled inside another or
// ahead of an earlier one.
#pragma once
#include <windows.h>

// Records one report of the event the hook is handling.
void QueueReport(UINT msg, WPARAM wParam, LPARAM lParam);

// Sends every recorded report to the window, oldest first, unless a report
// is already being handled further up the stack (that call takes them). All
// the work of one input event, nested reports included, shares one tick
// budget, so the hook call that carries it ends within that bound.
void HandleReports(HWND target);

// Reports dropped because the record was full, and reports that arrived
// while another was being handled (taken by the handling under way).
extern unsigned nReportsDropped, nReportsDeferred;
