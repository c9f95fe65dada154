// The trigger state machine. Each trigger (the hold key, the middle button)
// is idle, down, or in a chord (something else was pressed meanwhile). In the
// "Mouse wheel" type the press is kept from programs: a chord gives it back
// at once, followed by what was pressed, and everything then passes until the
// release; a tap or click gives back both halves at its release, unless taps
// lock scrolling; a drag keeps both halves. Nothing overtakes a give-back:
// while any event waits to be given back, every key, button and wheel event
// queues up behind it.
#include "input/trigger.h"
#include <string.h>

void TriggerInit(TRIGGER *t)
{
    memset(t, 0, sizeof *t);
}

void TriggerForget(TRIGGER *t)
{
    t->key.nState = TRIGGER_IDLE;
    t->button.nState = TRIGGER_IDLE;
}

static void Queue(TRIGGER *t, const TRIGGEREVENT *e)
{
    if (t->nPending < TRIGGER_QUEUE_SIZE)
        t->aPending[t->nPending++] = *e;
}

// A trigger's own press or release. Returns whether to swallow it.
static bool OnTrigger(TRIGGER *t, TRIGGERPRESS *p, const TRIGGEREVENT *e, const TRIGGERCONFIG *c,
                      int *pReleased)
{
    if (e->bDown) {
        if (p->nState != TRIGGER_IDLE)
            return p->nState == TRIGGER_DOWN && p->bKept;   // auto-repeat: as the press was
        // Already down for programs (pressed before scrolling went ON):
        // keeping it now would leave it down in them for good.
        p->nState = e->bWasDown ? TRIGGER_CHORD : TRIGGER_DOWN;
        p->bKept = c->bKeep && !e->bWasDown;
        p->bOther = 0;
        p->down = *e;
        p->nDrags = c->nDrags;
        return p->bKept;
    }
    int was = p->nState;
    p->nState = TRIGGER_IDLE;
    if (was == TRIGGER_IDLE)
        return false;                  // the release of a press from before
    bool bDragged = c->nDrags != p->nDrags;
    if (was == TRIGGER_CHORD) {
        *pReleased = bDragged ? RELEASED_DRAG : RELEASED_NOTHING;
        return false;                  // programs have the press: give them the release
    }
    // The other trigger pressed meanwhile: no tap, though nothing to give back
    // first either (a trigger that scrolls makes no chord).
    *pReleased = bDragged ? RELEASED_DRAG : p->bOther ? RELEASED_NOTHING : RELEASED_TAP;
    if (p->bKept && !bDragged && !(*pReleased == RELEASED_TAP && c->bLockTaps)) {
        Queue(t, &p->down);            // not used for scrolling: programs get it after all
        Queue(t, e);
    }
    return p->bKept;
}

static bool IsHoldKey(const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    return e->nKind == TRIG_KEY && c->nHoldVk && e->nCode == c->nHoldVk;
}

static bool IsScrollingMiddle(const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    return e->nKind == TRIG_BUTTON && e->nCode == TRIG_MIDDLE && c->bMiddle;
}

// Changes of the program show in the configuration: a press followed under
// another one is forgotten, as by TriggerForget. (One followed while the type
// was classic may go on: programs have it, and will get its release.)
static void ForgetIfStale(TRIGGERPRESS *p, const TRIGGERCONFIG *c, bool bStillScrolls)
{
    if (p->nState != TRIGGER_IDLE && (!c->bWatch || !bStillScrolls || (p->bKept && !c->bKeep)))
        p->nState = TRIGGER_IDLE;
}

TRIGGERANSWER TriggerOnEvent(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    ForgetIfStale(&t->key, c, c->nHoldVk && c->nHoldVk == t->key.down.nCode);
    ForgetIfStale(&t->button, c, c->bMiddle != 0);
    int nBefore = t->nPending;
    int nReleased = RELEASED_NOTHING;
    bool bSwallow = false;
    if (c->bWatch && IsHoldKey(e, c)) {
        if (e->bDown && t->button.nState == TRIGGER_DOWN)
            t->button.bOther = 1;
        bSwallow = OnTrigger(t, &t->key, e, c, &nReleased);
    } else if (c->bWatch && IsScrollingMiddle(e, c)) {
        if (e->bDown && t->key.nState == TRIGGER_DOWN)
            t->key.bOther = 1;
        bSwallow = OnTrigger(t, &t->button, e, c, &nReleased);
    } else if (e->bDown) {
        // Something else pressed while the key is down: a chord. A kept key
        // goes to programs first, then this press, and the rest passes
        // until the key's release.
        if (t->key.nState == TRIGGER_DOWN) {
            t->key.nState = TRIGGER_CHORD;
            if (t->key.bKept) {
                Queue(t, &t->key.down);
                Queue(t, e);
                bSwallow = true;
            }
        }
        // The button makes no chords: it stays kept, but is no click now.
        if (t->button.nState == TRIGGER_DOWN)
            t->button.bOther = 1;
    }
    // Nothing overtakes a give-back still waiting (a full queue lets the
    // event through rather than lose it).
    if (!bSwallow && nBefore > 0 && t->nPending < TRIGGER_QUEUE_SIZE) {
        Queue(t, e);
        bSwallow = true;
    }
    TRIGGERANSWER a = {bSwallow ? 1 : 0, t->nPending > nBefore ? 1 : 0, nReleased};
    return a;
}

const TRIGGEREVENT *TriggerNextGiveBack(const TRIGGER *t)
{
    return t->nPending > 0 ? &t->aPending[0] : 0;
}

void TriggerGiveBackDone(TRIGGER *t)
{
    if (t->nPending <= 0)
        return;
    memmove(&t->aPending[0], &t->aPending[1], (size_t)(t->nPending - 1) * sizeof t->aPending[0]);
    t->nPending--;
}
