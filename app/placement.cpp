// Placing the main window at start-up, as arithmetic on monitor rectangles.
#include "app/placement.h"

static long long DistanceSq(long long x, long long y, const SCREENRECT &r)
{
    long long dx = x < r.left ? r.left - x : x >= r.right ? x - (r.right - 1) : 0;
    long long dy = y < r.top ? r.top - y : y >= r.bottom ? y - (r.bottom - 1) : 0;
    return dx * dx + dy * dy;
}

// The window's start along one axis of the work area: inside it, and at its
// start when the window is larger than the area.
static int FitAxis(int pos, int size, int lo, int hi)
{
    long long p = pos;
    if (p + size > hi)
        p = (long long)hi - size;
    if (p < lo)
        p = lo;
    return (int)p;
}

void PlaceOnDesktop(int *pX, int *pY, int nWidth, int nHeight, const SCREENRECT *monitors,
                    const SCREENRECT *workAreas, int nMonitors)
{
    if (*pX == PLACE_DEFAULT || nMonitors <= 0)
        return;
    int nearest = 0;
    long long best = -1;
    for (int i = 0; i < nMonitors; i++) {
        long long d = DistanceSq(*pX, *pY, monitors[i]);
        if (d == 0)
            return;                   // on a monitor: where the user left it
        if (best < 0 || d < best) {
            best = d;
            nearest = i;
        }
    }
    const SCREENRECT &work = workAreas[nearest];
    *pX = FitAxis(*pX, nWidth, work.left, work.right);
    *pY = FitAxis(*pY, nHeight, work.top, work.bottom);
}
