// Reading a receiver's facts for the table in scroll/receiver.cpp: class
// names from the receiver up to its top-level window, and its scroll bar.
#include "scroll/receiver_win.h"

RECEIVERWAY ReceiverWayOf(HWND hReceiver, BOOL bPointerOverRoot)
{
    char aszNames[RECEIVER_DEPTH][64];
    RECEIVERFACTS f = {};
    HWND hRoot = GetAncestor(hReceiver, GA_ROOT);
    // The receiver and its ancestors; the root always last, however deep.
    HWND w = hReceiver;
    while (w) {
        HWND hName = f.nClasses == RECEIVER_DEPTH - 1 ? hRoot : w;
        if (!GetClassNameA(hName, aszNames[f.nClasses], sizeof aszNames[0]))
            aszNames[f.nClasses][0] = '\0';
        f.aszClasses[f.nClasses] = aszNames[f.nClasses];
        f.nClasses++;
        if (hName == hRoot)
            break;
        w = GetAncestor(w, GA_PARENT);
    }
    f.bPointerOverRoot = bPointerOverRoot;
    f.bHorizontalBar = (GetWindowLongA(hReceiver, GWL_STYLE) & WS_HSCROLL) != 0;
    return ReceiverWants(&f);
}
