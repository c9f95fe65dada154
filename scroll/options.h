// Every option of the program, once: its field of the Settings record, its
// start-up value, the line of settings.dat that holds it, and the control of
// the Options dialog that shows it. The file's table (store/
// settings_table.cpp), the dialog's (dialogs/options_dlg.cpp) and the start-up
// values (scroll/settings.cpp) are all made from this one list, the way a
// small program keeps its configuration in one place: a new option is a row
// here, a field of the record, a control id and a control. No window calls.
#pragma once
#include "res/resource.h"

#define LIST_TEXT_SIZE 100050            // bytes of a list text, terminator included
#define SCROLL_KEY_SIZE 32               // 31 characters and the terminator

// The button the middle-button option drags with (nDragButton).
#define DRAG_BUTTON_MIDDLE 0
#define DRAG_BUTTON_X1     1             // Back
#define DRAG_BUTTON_X2     2             // Forward

// The window's place as a settings file stores "let the system choose it"
// (CW_USEDEFAULT).
#define PLACE_DEFAULT ((int)0x80000000)

// X(field, start-up value, line, file kind, choices, dialog kind, (dialog arguments))
//   file kinds: NUMBER (lines 2..21, read by every copy of the program), TEXT
//   (the scroll key's name), NEWER (lines 22 and later, written only when
//   one of them is not 0; older copies read 21 lines and stop)
//   choices: 0, any number; else 0..n-1, and any other value reads as 0
//   dialog kinds: NUMBER (edit, spin control, lower, upper, shown plus),
//   CHECK (box), RADIOS (the message-type buttons), LIST (drop-down, its
//   entries), NONE (another dialog or no control shows it)
// In the order of the file's lines.
#define VELTRAC_OPTIONS(X)                                                                      \
    X(nSensitivity, 5, 2, NUMBER, 0, NUMBER,                                                   \
      (IDC_SENSITIVITY, IDC_SENSITIVITY_SPIN, 0, 32767, 0))                                    \
    X(nScrollTimes, 1, 3, NUMBER, 0, NUMBER,                                                   \
      (IDC_SCROLLTIMES, IDC_SCROLLTIMES_SPIN, 1, 32767, 0))                                    \
    X(nMessageType, MESSAGE_SEND, 4, NUMBER, 0, RADIOS, ())                                    \
    X(bArrowKeys, 0, 5, NUMBER, 0, CHECK, (IDC_ARROWKEYS))                                     \
    X(bHoldKey, 1, 6, NUMBER, 0, CHECK, (IDC_HOLDKEY))                                         \
    X(bEdgeScroll, 1, 7, NUMBER, 0, CHECK, (IDC_EDGESCROLL))                                   \
    X(bEdgeRepeat, 1, 8, NUMBER, 0, CHECK, (IDC_EDGEREPEAT))                                   \
    X(nRepeatMs, 50, 9, NUMBER, 0, NUMBER, (IDC_REPEATMS, IDC_REPEATMS_SPIN, 1, 32767, 0))     \
    X(bClassEdit, 1, 10, NUMBER, 0, CHECK, (IDC_CLASSEDIT))                                    \
    X(bClassAfx, 1, 11, NUMBER, 0, CHECK, (IDC_CLASSAFX))                                      \
    X(bClassChannel, 1, 12, NUMBER, 0, CHECK, (IDC_CLASSCHANNEL))                              \
    X(bClassOther, 0, 13, NUMBER, 0, CHECK, (IDC_CLASSOTHER))                                  \
    X(bSaveOnExit, 1, 14, NUMBER, 0, CHECK, (IDC_SAVEONEXIT))                                  \
    X(szScrollKey, "Control", 15, TEXT, 0, NONE, ())                                           \
    X(bExcludeList, 1, 16, NUMBER, 0, NONE, ())                                                \
    X(bIncludeList, 0, 17, NUMBER, 0, NONE, ())                                                \
    X(bMiddleButton, 0, 18, NUMBER, 0, CHECK, (IDC_MIDDLEBUTTON))                              \
    /* shown as a thickness in pixels, one more than the margin */                             \
    X(nEdgeMargin, 0, 19, NUMBER, 0, NUMBER,                                                   \
      (IDC_EDGETHICKNESS, IDC_EDGETHICKNESS_SPIN, 1, 100, 1))                                  \
    X(nWindowX, PLACE_DEFAULT, 20, NUMBER, 0, NONE, ())                                        \
    X(nWindowY, PLACE_DEFAULT, 21, NUMBER, 0, NONE, ())                                        \
    X(bDragLock, 0, 22, NEWER, 0, CHECK, (IDC_DRAGLOCK))                                       \
    X(bOneAxis, 0, 23, NEWER, 0, CHECK, (IDC_ONEAXIS))                                         \
    X(bReverse, 0, 24, NEWER, 0, CHECK, (IDC_REVERSE))                                         \
    X(bPauseFullScreen, 0, 25, NEWER, 0, CHECK, (IDC_PAUSEFULLSCREEN))                         \
    X(bKeepPointerStill, 0, 26, NEWER, 0, CHECK, (IDC_KEEPPOINTERSTILL))                       \
    X(bGlide, 0, 27, NEWER, 0, CHECK, (IDC_GLIDE))                                             \
    X(nDragButton, DRAG_BUTTON_MIDDLE, 28, NEWER, 3, LIST, (IDC_DRAGBUTTON, aszDragButtons))     \
    X(bUnderPointer, 0, 29, NEWER, 0, CHECK, (IDC_UNDERPOINTER))

// The message-type buttons, in the dialog's order; "Post" stands last: it
// is pressed for any value the others do not have.
#define VELTRAC_MESSAGE_TYPES(X) X(MESSAGE_SEND) X(MESSAGE_WHEEL) X(MESSAGE_AUTO) X(MESSAGE_POST)

// The types that scroll by the wheel and so keep the triggers from programs
// while they drag: "Mouse wheel" and "Automatic".
inline int IsWheelLikeType(int nMessageType)
{
    return nMessageType == MESSAGE_WHEEL || nMessageType == MESSAGE_AUTO;
}

// For the makers of the tables: a parenthesized argument list handed on.
#define OPTION_ARGS(...) __VA_ARGS__
#define OPTION_APPLY(m, ...) m(__VA_ARGS__)
