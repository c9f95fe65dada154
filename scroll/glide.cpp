// Glide arithmetic. The speed falls as v(t) = v0 * d^t (t in ms), so the
// distance over a tick is v0 * (d^dt - 1) / ln(d), per millisecond; a glide
// that starts at v0 lasts ln(floor / v0) / ln(d) ms, which the start cap
// keeps under three seconds.
#include "scroll/glide.h"
#include <math.h>

void RecordDragMove(DRAGHISTORY *h, unsigned dwTime, int dx, int dy)
{
    DRAGSAMPLE &s = h->a[h->nNext];
    s.dwTime = dwTime;
    s.dx = dx;
    s.dy = dy;
    h->nNext = (h->nNext + 1) % DRAG_SAMPLES;
    if (h->nCount < DRAG_SAMPLES)
        h->nCount++;
}

void ForgetDragMoves(DRAGHISTORY *h)
{
    h->nNext = h->nCount = 0;
}

double DragSpeed(const DRAGHISTORY *h, unsigned dwNow, int bHorizontal, int nSign)
{
    long long sum = 0;
    for (int i = 0; i < h->nCount; i++) {
        const DRAGSAMPLE &s = h->a[(h->nNext - 1 - i + DRAG_SAMPLES) % DRAG_SAMPLES];
        if (dwNow - s.dwTime >= GLIDE_WINDOW_MS)   // unsigned: wraps with the tick count
            break;
        sum += bHorizontal ? s.dx : s.dy;
    }
    double d = (double)sum * nSign;
    return d > 0 ? d * 1000.0 / GLIDE_WINDOW_MS : 0.0;
}

int StartGlide(GLIDE *g, double dSpeed)
{
    g->dCarry = 0;
    g->dSpeed = dSpeed > GLIDE_MAX_START ? GLIDE_MAX_START : dSpeed;
    return dSpeed >= GLIDE_MIN_START;
}

int AdvanceGlide(GLIDE *g, double dMs, int nPixelsPerStep, int *pbEnded)
{
    if (dMs < 0)
        dMs = 0;
    double dFactor = pow(GLIDE_DECAY_PER_MS, dMs);
    // The distance in pixels: the speed is per second, the decay per ms.
    g->dCarry += g->dSpeed / 1000.0 * (dFactor - 1.0) / log(GLIDE_DECAY_PER_MS);
    g->dSpeed *= dFactor;
    *pbEnded = g->dSpeed < GLIDE_FLOOR;
    double dStep = nPixelsPerStep > 0 ? nPixelsPerStep : 1;
    int nSteps = (int)(g->dCarry / dStep);
    g->dCarry -= nSteps * dStep;
    return nSteps;
}
