// Smooth amounts as arithmetic on times and deltas.
#include "scroll/smooth.h"
#include "scroll/tick_plan.h"

double DragDelta(int nPixels, int nScrollTimes, unsigned nPerNotch, int nSensitivity)
{
    unsigned nLines = nPerNotch == 0 || nPerNotch == 0xFFFFFFFFu ? 3 : nPerNotch;
    int nPer = nSensitivity > 0 ? nSensitivity : 1;
    return (double)nPixels * nScrollTimes * (120.0 / nLines) / nPer;
}

void SmoothForget(SMOOTHAXIS *a)
{
    a->pReceiver = 0;
    a->dAmount = 0;
    a->nSign = 0;
}

void SmoothAdd(SMOOTHAXIS *a, const void *pReceiver, double dDelta, unsigned dwNow)
{
    if (dDelta == 0)
        return;
    int nSign = dDelta > 0 ? 1 : -1;
    // Unsigned: the tick count wraps.
    if (a->pReceiver != pReceiver || (a->nSign && a->nSign != nSign) ||
        dwNow - a->dwLastAdd >= SMOOTH_FRESH_MS)
        a->dAmount = 0;
    a->pReceiver = pReceiver;
    a->nSign = nSign;
    a->dwLastAdd = dwNow;
    a->dAmount += dDelta;
}

int SmoothTake(SMOOTHAXIS *a, int nQuantum, unsigned dwNow, int *pnWaitMs)
{
    *pnWaitMs = 0;
    int q = nQuantum > 0 ? nQuantum : 1;
    double dWhole = a->dAmount < 0 ? -a->dAmount : a->dAmount;
    if (dWhole < q)
        return 0;                       // the fraction waits for more
    if (a->bSent && dwNow - a->dwLastSend < SMOOTH_GAP_MS) {
        *pnWaitMs = (int)(SMOOTH_GAP_MS - (dwNow - a->dwLastSend));
        return 0;
    }
    long long nUnits = (long long)(dWhole / q);
    long long nMax = SMOOTH_MAX_DELTA / q;
    if (nUnits > nMax)
        nUnits = nMax;
    int nDelta = (int)(nUnits * q) * (a->dAmount < 0 ? -1 : 1);
    a->dAmount -= nDelta;
    a->dwLastSend = dwNow;
    a->bSent = 1;
    // More than one message's worth left: it goes at the next gap.
    double dLeft = a->dAmount < 0 ? -a->dAmount : a->dAmount;
    if (dLeft >= q)
        *pnWaitMs = SMOOTH_GAP_MS;
    return nDelta;
}

static int Clamp(long long v)
{
    const long long limit = 1 << 30;
    return (int)(v > limit ? limit : v < -limit ? -limit : v);
}

void AddSmoothMove(SMOOTHDRAG *d, int dx, int dy)
{
    d->nPendingX = Clamp((long long)d->nPendingX + dx);
    d->nPendingY = Clamp((long long)d->nPendingY + dy);
}

int PlanSmoothDrag(SMOOTHDRAG *d, int nSensitivity, int bOneAxis, int bReverse, int *pdx, int *pdy)
{
    *pdx = *pdy = 0;
    long long ax = d->nPendingX < 0 ? -(long long)d->nPendingX : d->nPendingX;
    long long ay = d->nPendingY < 0 ? -(long long)d->nPendingY : d->nPendingY;
    if (!d->bStarted) {
        if (ax <= nSensitivity && ay <= nSensitivity)
            return 0;
        d->bStarted = 1;
    }
    if (bOneAxis && !d->nAxis)
        d->nAxis = ax > ay ? DRAG_AXIS_HORIZONTAL : DRAG_AXIS_VERTICAL;
    int dx = d->nPendingX, dy = d->nPendingY;
    d->nPendingX = d->nPendingY = 0;
    if (bOneAxis)
        (d->nAxis == DRAG_AXIS_HORIZONTAL ? dy : dx) = 0;
    if (bReverse) {
        dx = -dx;
        dy = -dy;
    }
    *pdx = dx;
    *pdy = dy;
    return dx != 0 || dy != 0;
}
