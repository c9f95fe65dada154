// The edge rule over several monitors. A cursor off every monitor (possible
// only in a report made up by hand, or for a moment while monitors change) is
// first brought onto the nearest one along the other axis, so that on one
// monitor the rule is exactly "x <= margin" and its three siblings, whatever
// the coordinates. Arithmetic is done in 64 bits: the margin may be anything
// an edited settings file holds.
#include "scroll/edge_bands.h"

static bool OnAnyMonitor(long long x, long long y, const SCREENRECT *m, int n)
{
    for (int i = 0; i < n; i++)
        if (x >= m[i].left && x < m[i].right && y >= m[i].top && y < m[i].bottom)
            return true;
    return false;
}

static long long Clamp(long long v, long long lo, long long hi)
{
    return v < lo ? lo : v > hi ? hi : v;
}

// Squared distance from the point to the rectangle (0 inside).
static long long DistanceSq(long long x, long long y, const SCREENRECT &r)
{
    long long dx = x - Clamp(x, r.left, (long long)r.right - 1);
    long long dy = y - Clamp(y, r.top, (long long)r.bottom - 1);
    return dx * dx + dy * dy;
}

static int NearestMonitor(long long x, long long y, const SCREENRECT *m, int n)
{
    int best = 0;
    long long bestDist = DistanceSq(x, y, m[0]);
    for (int i = 1; i < n && bestDist > 0; i++) {
        long long d = DistanceSq(x, y, m[i]);
        if (d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

int EdgeSides(int x, int y, int nMargin, const SCREENRECT *monitors, int nMonitors)
{
    if (nMonitors <= 0)
        return 0;
    const SCREENRECT &home = monitors[NearestMonitor(x, y, monitors, nMonitors)];
    // The cursor's place along each axis, kept on its monitor.
    long long cx = Clamp(x, home.left, (long long)home.right - 1);
    long long cy = Clamp(y, home.top, (long long)home.bottom - 1);
    long long reach = (long long)nMargin + 1;
    long long west = x - reach, east = x + reach, north = y - reach, south = y + reach;

    int sides = 0;
    if (west < home.left && !OnAnyMonitor(west, cy, monitors, nMonitors))
        sides |= EDGE_LEFT;
    if (east >= home.right && !OnAnyMonitor(east, cy, monitors, nMonitors))
        sides |= EDGE_RIGHT;
    if (north < home.top && !OnAnyMonitor(cx, north, monitors, nMonitors))
        sides |= EDGE_TOP;
    if (south >= home.bottom && !OnAnyMonitor(cx, south, monitors, nMonitors))
        sides |= EDGE_BOTTOM;
    return sides;
}
