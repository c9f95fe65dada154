// The window side of the Automatic type's table: the classes of a receiver
// and its ancestors, read from the window manager (no message to the
// program), and the answer of the table for it.
#pragma once
#include <windows.h>
#include "scroll/receiver.h"

// How the receiver wants to be scrolled; bPointerOverRoot: the pointer is
// over the receiver's top-level window.
RECEIVERWAY ReceiverWayOf(HWND hReceiver, BOOL bPointerOverRoot);
