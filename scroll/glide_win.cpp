// The glide's timer and state; its arithmetic is in scroll/glide.cpp.
#include "scroll/glide_win.h"
#include "scroll/delivery.h"
#include "scroll/glide.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/target.h"

static DRAGHISTORY history;
static GLIDE glide;
static UINT_PTR idTimer;
static HWND hTarget;                 // the window it scrolls: another in front ends it
static DWORD dwLastTick;
static int nGlideDirection;         // the direction it scrolls

void RecordGlideMove(int dx, int dy)
{
    RecordDragMove(&history, GetTickCount(), dx, dy);
}

void ForgetGlideMoves(void)
{
    ForgetDragMoves(&history);
}

void StopGlide(void)
{
    if (idTimer)
        KillTimer(NULL, idTimer);
    idTimer = 0;
}

int IsGliding(void)
{
    return idTimer != 0;
}

static void CALLBACK GlideTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    // The window it glides in must still be there, and, where drags scroll
    // the window in front, still be in front.
    HWND target = OptionsNow()->bUnderPointer ? (IsWindow(hTarget) ? hTarget : NULL)
                                              : FindTargetWindow();
    if (!Settings.bScrolling || !target || target != hTarget) {
        StopGlide();
        return;
    }
    DWORD now = GetTickCount();
    int bEnded = 0;
    // Automatic glides smoothly: every pixel of the frame, not whole steps.
    BOOL bSmooth = OptionsNow()->nMessageType == MESSAGE_AUTO;
    int nSteps = AdvanceGlide(&glide, (double)(now - dwLastTick), bSmooth ? 1 : SensitivityNow(),
                              &bEnded);
    dwLastTick = now;
    if (nSteps > 0 && bSmooth) {
        int d = nGlideDirection;
        int nSign = d == SCROLL_DOWN || d == SCROLL_RIGHT ? 1 : -1;
        BOOL bHorizontal = d == SCROLL_LEFT || d == SCROLL_RIGHT;
        DeliverDistance(target, bHorizontal ? nSign * nSteps : 0, bHorizontal ? 0 : nSign * nSteps);
    } else if (nSteps > 0) {
        STEPSEGMENT steps = {{nGlideDirection, nGlideDirection}, 1, DragTimesNow(nSteps)};
        DeliverSteps(target, &steps, 1);
    }
    if (bEnded)
        StopGlide();
}

void GlideAfterDrag(int nDirection, HWND hDragged)
{
    StopGlide();
    if (!OptionsNow()->bGlide || !Settings.bScrolling || !history.nCount)
        return;
    // The speed of the hand on the axis of the last step, in the direction
    // of the drag (a reversed drag scrolls the other way, but glides on as
    // the hand went).
    int d = nDirection;
    int bHorizontal = d == SCROLL_LEFT || d == SCROLL_RIGHT;
    int nSign = (d == SCROLL_RIGHT || d == SCROLL_DOWN) ? 1 : -1;
    if (OptionsNow()->bReverse)
        nSign = -nSign;
    double dSpeed = DragSpeed(&history, GetTickCount(), bHorizontal, nSign);
    ForgetDragMoves(&history);
    hTarget = hDragged;
    if (!hTarget || !StartGlide(&glide, dSpeed))
        return;
    nGlideDirection = d;
    dwLastTick = GetTickCount();
    idTimer = SetTimer(NULL, 0, GLIDE_TICK_MS, GlideTimerProc);
}
