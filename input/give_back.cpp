// The give-back queue and the record of what programs have down. Every event
// that goes to programs, passed at once or given back later, passes through
// here, so the record follows exactly what they will have seen.
#include "input/give_back.h"
#include <string.h>

int InputId(const TRIGGEREVENT *e)
{
    if (e->nKind == TRIG_KEY)
        return e->nRawVk & 0xFF;
    if (e->nKind == TRIG_BUTTON)
        return 256 + (e->nCode & 7);
    return -1;
}

// Free places: each press down for programs keeps one for its release.
static int Room(const GIVEBACK *g)
{
    return GIVEBACK_QUEUE_SIZE - g->nPending - g->nDown;
}

static void Track(GIVEBACK *g, const TRIGGEREVENT *e)
{
    int id = InputId(e);
    if (id < 0 || (g->abDown[id] != 0) == (e->bDown != 0))
        return;
    g->abDown[id] = e->bDown ? 1 : 0;
    g->nDown += e->bDown ? 1 : -1;
}

static void Push(GIVEBACK *g, const TRIGGEREVENT *e)
{
    g->aPending[g->nPending++] = *e;
    g->nOwed += !e->bOwnTurn;
    Track(g, e);
}

int GiveBackOwnTurn(GIVEBACK *g, const TRIGGEREVENT *e)
{
    if (Room(g) < 1 || g->nPending >= GIVEBACK_QUEUE_SIZE)
        return 0;
    Push(g, e);
    return 1;
}

int GiveBackOwes(const GIVEBACK *g)
{
    return g->nOwed > 0;
}

// Places an event needs in the queue: itself, and a new press the place of
// its release too. A release of a press programs have needs none of its own:
// its press kept one.
static int Need(const GIVEBACK *g, const TRIGGEREVENT *e)
{
    int id = InputId(e);
    if (id < 0)
        return 1;
    if (e->bDown)
        return g->abDown[id] ? 1 : 2;
    return g->abDown[id] ? 0 : 1;
}

int GiveBackPass(GIVEBACK *g, const TRIGGEREVENT *e)
{
    int id = InputId(e);
    if (id >= 0 && g->abLost[id]) {
        if (!e->bDown)
            g->abLost[id] = 0;
        return 1;
    }
    if (g->nPending == 0) {
        Track(g, e);
        return 0;
    }
    // Nothing overtakes a give-back still waiting.
    if (Room(g) >= Need(g, e) && g->nPending < GIVEBACK_QUEUE_SIZE) {
        Push(g, e);
        return 1;
    }
    if (id < 0)
        return 1;                       // a wheel turn lost: it leaves nothing behind
    if (!e->bDown)
        return 0;                       // a release programs may need: never lost
    if (!g->abDown[id])
        g->abLost[id] = 1;              // a new press lost whole
    return 1;                           // (an auto-repeat is simply dropped)
}

int GiveBackPair(GIVEBACK *g, const TRIGGEREVENT *down, const TRIGGEREVENT *up)
{
    if (Room(g) < 2)
        return 0;
    Push(g, down);
    Push(g, up);
    return 1;
}

int GiveBackChord(GIVEBACK *g, const TRIGGEREVENT *const *downs, int nDowns,
                  const TRIGGEREVENT *e)
{
    int id = InputId(e);
    if (id >= 0 && g->abLost[id])
        return 0;
    if (Room(g) < 2 * nDowns + Need(g, e))
        return 0;
    for (int i = 0; i < nDowns; i++)
        Push(g, downs[i]);
    Push(g, e);
    return 1;
}

int GiveBackHasDown(const GIVEBACK *g, int id)
{
    return id >= 0 && g->abDown[id];
}

int GiveBackWaiting(const GIVEBACK *g, int id)
{
    for (int i = 0; i < g->nPending; i++)
        if (InputId(&g->aPending[i]) == id)
            return 1;
    return 0;
}

void GiveBackForceUp(GIVEBACK *g, int id)
{
    if (id < 0 || !g->abDown[id] || GiveBackWaiting(g, id))
        return;
    g->abDown[id] = 0;
    g->nDown--;
}

int GiveBackModifierDown(const GIVEBACK *g)
{
    // Shift, Control and Alt as one code each, and as their left and right keys.
    static const unsigned char aIds[] = {0x10, 0x11, 0x12, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
    for (unsigned char id : aIds)
        if (g->abDown[id])
            return 1;
    return 0;
}

const TRIGGEREVENT *GiveBackNext(const GIVEBACK *g)
{
    return g->nPending > 0 ? &g->aPending[0] : 0;
}

void GiveBackTaken(GIVEBACK *g)
{
    if (g->nPending <= 0)
        return;
    g->nOwed -= !g->aPending[0].bOwnTurn;
    memmove(&g->aPending[0], &g->aPending[1], (size_t)(g->nPending - 1) * sizeof g->aPending[0]);
    g->nPending--;
}
