// The foreground targets the driver owns, each the kit's counting target on
// a thread of its own, so the thread that injects input is never the one
// that must answer Veltrac: a window with 200 children of a class the
// default filter passes; an ordinary window with a few such children; a
// window with no children that counts the wheel messages it gets; the same
// of the class a XAML program's window has, which Veltrac gives real wheel
// input to; and a small window with a few such children and one more that
// belongs to a thread that can be made to hang.
#pragma once
#include <windows.h>

#define BENCH_CHILDREN 200
#define BENCH_FEW_CHILDREN 4           // the ordinary target's children
#define BENCH_HUNG_TARGET_CHILDREN 4   // responsive ones, beside the hung one
#define BENCH_PASS_CLASS "BenchEdit"   // "Edit" within the first 9 characters
#define BENCH_REAL_INPUT_CLASS "Windows.UI.Core.CoreWindow"   // reads only real input
#define BENCH_CHROME_CLASS "Chrome_WidgetWin_1"

struct BENCHTARGETS {
    HWND hScroll;
    HWND hOrdinary;
    HWND hHung;
    HWND hWheel;    // no children: wheel messages go to the window itself
    HWND hRealWheel;   // likewise, of BENCH_REAL_INPUT_CLASS
    HWND hChrome;   // no children, of a Chromium class: smooth wheel messages in Automatic
    HWND hAside;    // a small window beside the others, in front while a drag
                    // scrolls the window under the pointer
};
extern BENCHTARGETS Targets;

bool StartTargets(void);
void StopTargets(void);

// Scroll messages the children have handled since the last reset.
void ResetScrollCount(void);
long ScrollCount(void);
// Waits until the children's thread has handled every message posted to it
// before the call and the count stops changing, at most ms.
long SettledScrollCount(int ms);
// Wheel messages (WM_MOUSEWHEEL, WM_MOUSEHWHEEL) the wheel target has
// handled since the last reset, once it has handled everything posted to it
// before the call (waits at most ms, and says so on stderr if that was not
// enough).
void ResetWheelCount(void);
long DrainedWheelCount(int ms);
// Wheel messages the real-input target has handled since the last reset:
// those that came as input Veltrac injected (GetMessageExtraInfo() is its
// tag), once there are at least nAtLeast of them (waits at most ms, and says
// so on stderr if that was not enough); and those that came any other way.
long AwaitRealWheels(long nAtLeast, int ms);
// The same for the Chromium-class target.
void ResetChromeWheelCount(void);
long DrainedChromeWheelCount(int ms);
long UntaggedRealWheels(void);

// The hung child's thread stops handling messages / starts again.
void HangChild(void);
void ReleaseHungChild(void);
