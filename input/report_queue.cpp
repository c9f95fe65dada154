// The record of hook reports not yet handled: a ring, taken oldest first.
#include "input/report_queue.h"
#include "scroll/tick_budget.h"

// Hook calls come in nested only while a tick waits, and a tick stops
// waiting at its deadline, so a few dozen reports at most are ever recorded.
#define MAX_REPORTS 1024

struct REPORT {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

static REPORT aReports[MAX_REPORTS];
static unsigned nFirst, nCount;
static BOOL bHandling;
unsigned nReportsDropped, nReportsDeferred;

void QueueReport(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (nCount == MAX_REPORTS) {
        nReportsDropped++;
        return;
    }
    REPORT &r = aReports[(nFirst + nCount++) % MAX_REPORTS];
    r.msg = msg;
    r.wParam = wParam;
    r.lParam = lParam;
}

void HandleReports(HWND target)
{
    if (bHandling) {
        nReportsDeferred++;
        return;
    }
    bHandling = TRUE;
    TICKBUDGET budget;
    BeginTickBudget(&budget);
    while (nCount > 0) {
        REPORT r = aReports[nFirst];
        nFirst = (nFirst + 1) % MAX_REPORTS;
        nCount--;
        SendMessageA(target, r.msg, r.wParam, r.lParam);
    }
    EndTickBudget(&budget);
    bHandling = FALSE;
}
