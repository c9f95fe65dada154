// An end-to-end session: the real program ON with the start-up values and
// the test's changes (edit(), as WriteSettingsDat takes it), in a scratch
// folder, and a target in front: the recorder's stand-ins for today's
// programs (the plain window in front), or in the classic types a thread
// target with one child of a passing class. What it scrolled reads the
// same for both.
#pragma once
#include <functional>
#include <string>
#include "e2e_support.h"
#include "e2e_support_recorder.h"

struct SESSION {
    CHILDPROC app;            // app.hwnd NULL when anything failed: REQUIRE it
    RECORDER rec;             // the stand-ins, without bClassic
    THREADTARGET *target;     // the thread target, with bClassic
    LONG anSeen[DIR_COUNT], anSeenWheels[DIR_COUNT], nSeenOther;   // its counts at the last look
    explicit SESSION(const std::function<void()> &edit, bool bClassic = false);
    ~SESSION();
};

// Changes to the start-up values the tests share: the "Mouse wheel" type
// with the middle button dragging too and no repeat timer (every wheel
// message then comes from one event); the wheel type without edges, the way
// a touchpad-like drag is used.
void WheelType(void);
void WheelNoEdges(void);

// The steps scrolled since the last call, by direction as DirectionText
// writes them: the scroll messages of the thread target (then "w" and its
// wheel messages, if any), or the wheel messages the stand-ins got (then
// "^" and those that came with Control down in the window's thread, which
// a user's Control+wheel does and the program's own never may).
std::string Scrolled(SESSION &s);
