// The trigger state machine. Each trigger press (a side of the hold key, the
// drag button) is idle, down, in a chord (something else was pressed
// meanwhile, or programs had it down already), or left alone (pressed where
// nothing is scrolled). Where triggers are kept back, a press is swallowed: a
// chord gives it back at once, followed by what was pressed, and everything
// then passes until the release; a tap or click gives back both halves at its
// release, unless taps lock scrolling; a press that dragged, or moved beyond
// the drag box, keeps both halves. Everything that goes to programs goes
// through the give-back queue's door, so nothing overtakes a give-back.
#include "input/trigger.h"
#include <string.h>

void TriggerInit(TRIGGER *t, int nDragCX, int nDragCY)
{
    memset(t, 0, sizeof *t);
    t->nDragCX = nDragCX;
    t->nDragCY = nDragCY;
}

void TriggerForget(TRIGGER *t)
{
    t->aKey[0].nState = TRIGGER_IDLE;
    t->aKey[1].nState = TRIGGER_IDLE;
    t->button.nState = TRIGGER_IDLE;
}

static bool Active(const TRIGGERPRESS *p)
{
    return p->nState != TRIGGER_IDLE;
}

// To programs now, or behind what waits to be given back. TRUE: swallow.
static bool Pass(TRIGGER *t, const TRIGGEREVENT *e)
{
    return GiveBackPass(&t->give, e) != 0;
}

static void Press(TRIGGER *t, TRIGGERPRESS *p, const TRIGGEREVENT *e, const TRIGGERCONFIG *c,
                  int bKeep)
{
    // Already down for programs (pressed before scrolling went ON, or given
    // back and not yet released): keeping it now would leave it down in them.
    int bHave = e->bWasDown || GiveBackHasDown(&t->give, InputId(e));
    p->down = *e;
    p->nX = t->nX;
    p->nY = t->nY;
    p->bMoved = 0;
    p->bOther = 0;
    p->nDrags = c->nDrags;
    p->nOrder = ++t->nPresses;
    if (c->pfnLeaveAlone && c->pfnLeaveAlone()) {
        p->nState = TRIGGER_ALONE;
        p->bKept = 0;
    } else {
        p->nState = bHave ? TRIGGER_CHORD : TRIGGER_DOWN;
        p->bKept = bKeep && !bHave;
    }
}

// An auto-repeat goes where its press went.
static bool Repeat(TRIGGER *t, const TRIGGERPRESS *p, const TRIGGEREVENT *e)
{
    if (p->nState != TRIGGER_ALONE && p->bKept)
        return true;
    return Pass(t, e);
}

static bool Release(TRIGGER *t, TRIGGERPRESS *p, const TRIGGEREVENT *e, const TRIGGERCONFIG *c,
                    int *pReleased)
{
    int was = p->nState;
    p->nState = TRIGGER_IDLE;
    if (was == TRIGGER_ALONE)
        return Pass(t, e);                 // neither a tap nor a drag: it was never ours
    bool bDragged = c->nDrags != p->nDrags;
    if (bDragged)
        *pReleased = RELEASED_DRAG;
    else if (was == TRIGGER_DOWN && !p->bOther && !p->bMoved)
        *pReleased = RELEASED_TAP;
    if (!p->bKept)
        return Pass(t, e);                 // programs have the press: give them the release
    // Kept, unless a hook that timed out let the press through after all
    // (Windows passes an event on then): its release must follow it. A
    // give-back of its own still waiting explains a key state that lags.
    if (e->bWasDown && !GiveBackWaiting(&t->give, InputId(e)))
        return Pass(t, e);
    bool bUsed = bDragged || p->bMoved || (*pReleased == RELEASED_TAP && c->bLockTaps);
    if (was == TRIGGER_DOWN && !bUsed)
        GiveBackPair(&t->give, &p->down, e);   // not used for scrolling: programs get it after all
    return true;
}

// Something else pressed while a side of the hold key is down: a chord. Kept
// sides go to programs first, in the order they were pressed, then this
// press, and the rest passes until their release. With no room for all of
// it, the key is lost to programs whole: it stays kept, release and all.
static bool OnOther(TRIGGER *t, const TRIGGEREVENT *e)
{
    if (!e->bDown)
        return Pass(t, e);
    TRIGGERPRESS *apKept[2];
    const TRIGGEREVENT *apDowns[2];
    int n = 0;
    int first = t->aKey[1].nState == TRIGGER_DOWN && t->aKey[0].nState == TRIGGER_DOWN &&
                t->aKey[1].nOrder < t->aKey[0].nOrder;
    for (int k = 0; k < 2; k++) {
        TRIGGERPRESS *p = &t->aKey[(k + first) % 2];
        if (p->nState != TRIGGER_DOWN)
            continue;
        p->nState = TRIGGER_CHORD;
        if (p->bKept) {
            apKept[n] = p;
            apDowns[n++] = &p->down;
        }
    }
    // The button makes no chords: it stays kept, but is no click now.
    if (t->button.nState == TRIGGER_DOWN)
        t->button.bOther = 1;
    if (n > 0 && GiveBackChord(&t->give, apDowns, n, e)) {
        for (int k = 0; k < n; k++)
            apKept[k]->bKept = 0;
        return true;
    }
    return Pass(t, e);
}

static bool OnHoldKey(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c, int *pReleased)
{
    TRIGGERPRESS *p = NULL, *pFree = NULL;
    for (TRIGGERPRESS &k : t->aKey) {
        if (Active(&k) && k.down.nRawVk == e->nRawVk)
            p = &k;
        else if (!Active(&k) && !pFree)
            pFree = &k;
    }
    if (!e->bDown)
        return p ? Release(t, p, e, c, pReleased) : Pass(t, e);
    if (p)
        return Repeat(t, p, e);
    if (!pFree)
        return OnOther(t, e);              // a third code for the same key: any key
    Press(t, pFree, e, c, c->bKeepKey);
    // A press while another is down spoils that one's tap. One side tapped
    // while the other is held is no tap either, only given back.
    TRIGGERPRESS *pOther = &t->aKey[pFree == &t->aKey[0] ? 1 : 0];
    if (Active(pOther))
        pOther->bOther = pFree->bOther = 1;
    if (Active(&t->button))
        t->button.bOther = 1;
    return pFree->bKept ? true : Pass(t, e);
}

static bool OnButton(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c, int *pReleased)
{
    TRIGGERPRESS *p = &t->button;
    if (!e->bDown)
        return Active(p) ? Release(t, p, e, c, pReleased) : Pass(t, e);
    if (Active(p))
        return Repeat(t, p, e);
    Press(t, p, e, c, c->bKeepButton);
    for (TRIGGERPRESS &k : t->aKey)
        if (Active(&k))
            k.bOther = 1;
    return p->bKept ? true : Pass(t, e);
}

// Changes of the program show in the configuration: a press followed under
// another one is forgotten, as by TriggerForget. (One followed while it was
// not kept may go on: programs have it, and will get its release.)
static void ForgetIfStale(TRIGGERPRESS *p, const TRIGGERCONFIG *c, bool bStillScrolls, int bKeep)
{
    if (Active(p) && (!c->bWatch || !bStillScrolls || (p->bKept && !bKeep)))
        p->nState = TRIGGER_IDLE;
}

static void CheckMoved(TRIGGERPRESS *p, int x, int y, int cx, int cy)
{
    if (!Active(p) || p->bMoved)
        return;
    long long dx = (long long)x - p->nX, dy = (long long)y - p->nY;
    if (dx > cx || -dx > cx || dy > cy || -dy > cy)
        p->bMoved = 1;
}

void TriggerOnMove(TRIGGER *t, int x, int y)
{
    t->nX = x;
    t->nY = y;
    CheckMoved(&t->aKey[0], x, y, t->nDragCX, t->nDragCY);
    CheckMoved(&t->aKey[1], x, y, t->nDragCX, t->nDragCY);
    CheckMoved(&t->button, x, y, t->nDragCX, t->nDragCY);
}

TRIGGERANSWER TriggerOnEvent(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    for (TRIGGERPRESS &k : t->aKey)
        ForgetIfStale(&k, c, c->nHoldVk && c->nHoldVk == k.down.nCode, c->bKeepKey);
    ForgetIfStale(&t->button, c, c->nButton && c->nButton == t->button.down.nCode, c->bKeepButton);
    // A button or a wheel turn tells where the pointer is.
    if (e->nKind != TRIG_KEY)
        TriggerOnMove(t, e->nX, e->nY);
    int nBefore = t->give.nPending;
    int nReleased = RELEASED_NOTHING;
    bool bSwallow;
    if (c->bWatch && e->nKind == TRIG_KEY && c->nHoldVk && e->nCode == c->nHoldVk)
        bSwallow = OnHoldKey(t, e, c, &nReleased);
    else if (c->bWatch && e->nKind == TRIG_BUTTON && c->nButton && e->nCode == c->nButton)
        bSwallow = OnButton(t, e, c, &nReleased);
    else
        bSwallow = OnOther(t, e);
    TRIGGERANSWER a = {bSwallow ? 1 : 0, t->give.nPending > nBefore ? 1 : 0, nReleased};
    return a;
}

static bool Drags(const TRIGGERPRESS *p, int bKeep)
{
    // In a chord programs have the press, so where triggers are kept back
    // every wheel message would carry it: it drags no more until released.
    // (Unless the chord's give-back was lost: then programs still lack it.)
    return p->nState == TRIGGER_DOWN || (p->nState == TRIGGER_CHORD && (!bKeep || p->bKept));
}

int TriggerKeyDrags(const TRIGGER *t, const TRIGGERCONFIG *c)
{
    int bDrags = 0;
    for (const TRIGGERPRESS &k : t->aKey) {
        if (Drags(&k, c->bKeepKey))
            bDrags = 1;
        else if (c->bKeepKey && Active(&k))
            return 0;                      // one side is down for programs
    }
    return bDrags;
}

int TriggerButtonDrags(const TRIGGER *t, const TRIGGERCONFIG *c)
{
    return Drags(&t->button, c->bKeepButton);
}
