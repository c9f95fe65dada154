// The trigger state machine. The hold key and the middle button each are
// idle, kept (pressed, hidden from programs) or, the key only, in a chord
// (given back because something else was pressed; everything passes until
// its release). Nothing overtakes a give-back: while any event waits to be
// given back, every key, button and wheel event queues up behind it.
#include "input/trigger.h"
#include <string.h>

void TriggerInit(TRIGGER *t)
{
    memset(t, 0, sizeof *t);
}

void TriggerForget(TRIGGER *t)
{
    t->nKey = TRIGGER_IDLE;
    t->nButton = TRIGGER_IDLE;
}

static void Queue(TRIGGER *t, const TRIGGEREVENT *e)
{
    if (t->nPending < TRIGGER_QUEUE_SIZE)
        t->aPending[t->nPending++] = *e;
}

static bool IsPress(const TRIGGEREVENT *e)
{
    return e->bDown != 0;      // key and button downs, wheel turns
}

// The hold key's own events while triggers are kept back.
static bool OnHoldKey(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    if (e->bDown) {
        if (t->nKey == TRIGGER_IDLE) {
            // Already down for programs (pressed before scrolling went ON):
            // keeping it now would leave it down in them for good.
            if (e->bWasDown) {
                t->nKey = TRIGGER_CHORD;
                return false;
            }
            t->nKey = TRIGGER_KEPT;
            t->keyDown = *e;
            t->nKeyDrags = c->nDrags;
            return true;
        }
        return t->nKey == TRIGGER_KEPT;          // auto-repeat: as the press was
    }
    int was = t->nKey;
    t->nKey = TRIGGER_IDLE;
    if (was != TRIGGER_KEPT)
        return false;                            // a chord's release, or an old press
    if (c->nDrags == t->nKeyDrags) {             // a tap: programs get it after all
        Queue(t, &t->keyDown);
        Queue(t, e);
    }
    return true;
}

static bool OnMiddle(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    if (e->bDown) {
        if (t->nButton == TRIGGER_KEPT)
            return true;
        if (e->bWasDown)
            return false;
        t->nButton = TRIGGER_KEPT;
        t->buttonDown = *e;
        t->nButtonDrags = c->nDrags;
        return true;
    }
    if (t->nButton != TRIGGER_KEPT)
        return false;
    t->nButton = TRIGGER_IDLE;
    if (c->nDrags == t->nButtonDrags) {          // a click: give it back
        Queue(t, &t->buttonDown);
        Queue(t, e);
    }
    return true;
}

TRIGGERANSWER TriggerOnEvent(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c)
{
    // Changes of the program show in the configuration: a press kept under
    // another one is forgotten, as by TriggerForget.
    if (t->nKey != TRIGGER_IDLE && (!c->bKeep || c->nHoldVk != t->keyDown.nCode))
        t->nKey = TRIGGER_IDLE;
    if (t->nButton != TRIGGER_IDLE && (!c->bKeep || !c->bMiddle))
        t->nButton = TRIGGER_IDLE;

    int nBefore = t->nPending;
    bool bSwallow = false;
    bool bHoldKey = e->nKind == TRIG_KEY && c->nHoldVk && e->nCode == c->nHoldVk;
    bool bMiddle = e->nKind == TRIG_BUTTON && e->nCode == TRIG_MIDDLE && c->bMiddle;
    if (c->bKeep && bHoldKey) {
        bSwallow = OnHoldKey(t, e, c);
    } else if (c->bKeep && bMiddle) {
        bSwallow = OnMiddle(t, e, c);
    } else if (t->nKey == TRIGGER_KEPT && IsPress(e)) {
        // A chord: the key goes to programs first, then this press, and the
        // rest passes until the key's release.
        Queue(t, &t->keyDown);
        Queue(t, e);
        t->nKey = TRIGGER_CHORD;
        bSwallow = true;
    }
    // Nothing overtakes a give-back still waiting (a full queue lets the
    // event through rather than lose it).
    if (!bSwallow && nBefore > 0 && t->nPending < TRIGGER_QUEUE_SIZE) {
        Queue(t, e);
        bSwallow = true;
    }
    TRIGGERANSWER a = {bSwallow ? 1 : 0, t->nPending > nBefore ? 1 : 0};
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
