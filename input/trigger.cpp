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

static bool Active(const TRIGGERPRESS *p)
{
    return p->nState != TRIGGER_IDLE;
}

// A press is no longer followed. Kept, its repeats and release stay kept
// when bKeepRelease (the hook that saw it still watches): they join the
// presses the give-back queue lost whole.
static void Forget(TRIGGER *t, TRIGGERPRESS *p, bool bKeepRelease)
{
    if (Active(p) && p->bKept && p->nState != TRIGGER_ALONE && bKeepRelease)
        t->give.abLost[InputId(&p->down)] = 1;
    p->nState = TRIGGER_IDLE;
}

void TriggerForget(TRIGGER *t, int nKeep)
{
    Forget(t, &t->aKey[0], (nKeep & FORGET_KEEP_KEYS) != 0);
    Forget(t, &t->aKey[1], (nKeep & FORGET_KEEP_KEYS) != 0);
    Forget(t, &t->button, (nKeep & FORGET_KEEP_BUTTONS) != 0);
    // A hook that is gone, or was dead, sees no release: a mark of it would
    // swallow the next press instead.
    for (int id = 0; id < INPUT_ID_COUNT; id++)
        if (!(nKeep & (id < 256 ? FORGET_KEEP_KEYS : FORGET_KEEP_BUTTONS)))
            t->give.abLost[id] = 0;
}

// Whether a followed press owns the key or button of this id.
static bool Owned(const TRIGGER *t, int id)
{
    for (const TRIGGERPRESS &k : t->aKey)
        if (Active(&k) && InputId(&k.down) == id)
            return true;
    return Active(&t->button) && InputId(&t->button.down) == id;
}

int TriggerMissedRelease(TRIGGER *t, int nCode)
{
    int bForgot = 0;
    for (TRIGGERPRESS &k : t->aKey) {
        if (!Active(&k) || k.down.nCode != nCode)
            continue;
        // Windows passed the release on: programs have the key up, and a
        // kept half has nothing left to keep.
        int id = InputId(&k.down);
        GiveBackForceUp(&t->give, id);
        t->give.abLost[id] = 0;
        k.nState = TRIGGER_IDLE;
        bForgot = 1;
    }
    return bForgot;
}

int TriggerOwesButtonRelease(const TRIGGER *t)
{
    if (Active(&t->button) && t->button.bKept && t->button.nState != TRIGGER_ALONE)
        return 1;
    for (int id = 256; id < INPUT_ID_COUNT; id++)
        if (t->give.abLost[id])
            return 1;
    return 0;
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
    // While a give-back of it still waits, the key state lags behind the
    // queue (a tap given back a moment ago may show as down): the record
    // alone knows then.
    int id = InputId(e);
    int bHave = GiveBackWaiting(&t->give, id) ? GiveBackHasDown(&t->give, id)
                                              : e->bWasDown || GiveBackHasDown(&t->give, id);
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
                    int *pReleased, int *pbClean)
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
    // Only a drag let go as it was begun may glide on: one that a chord, a
    // click or another key ended is over.
    *pbClean = bDragged && was == TRIGGER_DOWN && !p->bOther;
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

static bool OnHoldKey(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c, int *pReleased,
                      int *pbClean)
{
    TRIGGERPRESS *p = NULL, *pFree = NULL;
    for (TRIGGERPRESS &k : t->aKey) {
        if (Active(&k) && k.down.nRawVk == e->nRawVk)
            p = &k;
        else if (!Active(&k) && !pFree)
            pFree = &k;
    }
    if (!e->bDown)
        return p ? Release(t, p, e, c, pReleased, pbClean) : Pass(t, e);
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

static bool OnButton(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c, int *pReleased,
                     int *pbClean)
{
    TRIGGERPRESS *p = &t->button;
    if (!e->bDown)
        return Active(p) ? Release(t, p, e, c, pReleased, pbClean) : Pass(t, e);
    if (Active(p))
        return Repeat(t, p, e);
    Press(t, p, e, c, c->bKeepButton);
    for (TRIGGERPRESS &k : t->aKey)
        if (Active(&k))
            k.bOther = 1;
    return p->bKept ? true : Pass(t, e);
}

// Changes of the program show in the configuration: a press followed under
// another one is forgotten. (One followed while it was not kept may go on:
// programs have it, and will get its release.) The mouse hook always
// watches; the keyboard hook only while scrolling is ON.
static void ForgetIfStale(TRIGGER *t, TRIGGERPRESS *p, const TRIGGERCONFIG *c, bool bStillScrolls,
                          int bKeep)
{
    if (Active(p) && (!c->bWatch || !bStillScrolls || (p->bKept && !bKeep)))
        Forget(t, p, p->down.nKind != TRIG_KEY || c->bWatch);
}

void TriggerRefresh(TRIGGER *t, const TRIGGERCONFIG *c)
{
    for (TRIGGERPRESS &k : t->aKey)
        ForgetIfStale(t, &k, c, c->nHoldVk && c->nHoldVk == k.down.nCode, c->bKeepKey);
    ForgetIfStale(t, &t->button, c, c->nButton && c->nButton == t->button.down.nCode,
                  c->bKeepButton);
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
    TriggerRefresh(t, c);
    // A button or a wheel turn tells where the pointer is.
    if (e->nKind != TRIG_KEY)
        TriggerOnMove(t, e->nX, e->nY);
    int nBefore = t->give.nPending;
    int nReleased = RELEASED_NOTHING, bClean = 0;
    bool bSwallow;
    int id = InputId(e);
    if (id >= 0 && t->give.abLost[id] && !Owned(t, id)) {
        // A press kept whole, followed no more: kept to its release.
        if (!e->bDown)
            t->give.abLost[id] = 0;
        bSwallow = true;
    } else if (c->bWatch && e->nKind == TRIG_KEY && c->nHoldVk && e->nCode == c->nHoldVk) {
        bSwallow = OnHoldKey(t, e, c, &nReleased, &bClean);
    } else if (c->bWatch && e->nKind == TRIG_BUTTON && c->nButton && e->nCode == c->nButton) {
        bSwallow = OnButton(t, e, c, &nReleased, &bClean);
    } else {
        bSwallow = OnOther(t, e);
    }
    TRIGGERANSWER a = {bSwallow ? 1 : 0, t->give.nPending > nBefore ? 1 : 0, nReleased, bClean};
    return a;
}

static bool Drags(const TRIGGERPRESS *p, int bKeep)
{
    // Where triggers are kept back, a press that programs have (a chord
    // gave it to them, or it was pressed before it was to be kept) would put
    // it on every wheel message: it drags no more until released. (Unless
    // the chord's give-back was lost: then programs still lack it.)
    return (p->nState == TRIGGER_DOWN || p->nState == TRIGGER_CHORD) && (!bKeep || p->bKept);
}

int TriggerIsNewPress(const TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    if (!e->bDown || !c->bWatch)
        return 0;
    if (e->nKind == TRIG_KEY && c->nHoldVk && e->nCode == c->nHoldVk) {
        for (const TRIGGERPRESS &k : t->aKey)
            if (Active(&k) && k.down.nRawVk == e->nRawVk)
                return 0;
        return 1;
    }
    return e->nKind == TRIG_BUTTON && c->nButton && e->nCode == c->nButton && !Active(&t->button);
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
