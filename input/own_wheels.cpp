// The real wheel turns the program injected itself, remembered in the order
// they were injected until the mouse hook sees each come back: the hook then
// knows which window a turn was meant for, and where the pointer was.
#include "input/hook_state.h"

#define OWN_WHEELS 64
static struct {
    HWND hReceiver;
    POINT ptSeen;
} aOwnWheels[OWN_WHEELS];
static unsigned nOwnFirst, nOwnCount;

void NoteOwnWheel(HWND hReceiver, POINT ptSeen)
{
    if (nOwnCount == OWN_WHEELS) {          // never seen come back: the oldest goes
        nOwnFirst = (nOwnFirst + 1) % OWN_WHEELS;
        nOwnCount--;
    }
    unsigned i = (nOwnFirst + nOwnCount++) % OWN_WHEELS;
    aOwnWheels[i].hReceiver = hReceiver;
    aOwnWheels[i].ptSeen = ptSeen;
}

void DropLastOwnWheel(void)
{
    if (nOwnCount)
        nOwnCount--;
}

HWND TakeOwnWheel(POINT *pptSeen)
{
    if (!nOwnCount)
        return NULL;
    HWND h = aOwnWheels[nOwnFirst].hReceiver;
    *pptSeen = aOwnWheels[nOwnFirst].ptSeen;
    nOwnFirst = (nOwnFirst + 1) % OWN_WHEELS;
    nOwnCount--;
    return h;
}
