// The one door through which scroll steps leave the program, within the
// tick's time budget: line-scroll messages to the target's descendants that
// pass the class filter, sent or posted; in the "Mouse wheel" type, wheel
// messages posted to the one window under the point; in "Automatic", what
// that window wants (scroll/smooth_win.h).
#pragma once
#include <windows.h>
#include "scroll/steps.h"

// What programs have of the user's input, as the hooks tell it at every
// event they see: input still owed to programs, which no step may overtake,
// and whether Control, Shift or Alt is down for them. A wheel message read
// while one is down is a zoom (Control), a sideways scroll (Alt, Shift) or a
// step through history, never the scroll it was meant to be.
void SetProgramInput(int bOwed, int bModifierDown);
// A modifier's release just went to programs. A busy receiver may not have
// read it yet, and a posted message is read before any input that waits:
// for a while only real input, which keeps the order, may carry a turn.
void NoteModifierReleased(void);
int ProgramInputOwed(void);

// How wheel turns may reach programs now.
enum { WHEEL_WAY_POST, WHEEL_WAY_REAL_ONLY, WHEEL_WAY_NONE };
#define MODIFIER_SETTLE_MS 500
int WheelWayNow(void);

// The class filter: whether this child takes the classic scroll messages.
BOOL IsScrollableChild(HWND child);

// All steps of one tick: the same messages in the same order as one walk of
// the descendants per step, but the descendants are walked once, and the
// steps that do not fit in the tick's budget are dropped.
void DeliverSteps(HWND target, const STEPSEGMENT *segments, int nSegments);

// The "Automatic" type's drag: a distance in pixels, down and right
// positive, delivered smoothly (scroll/smooth_win.h).
void DeliverDistance(HWND target, int dx, int dy);

// One step: one message of the direction to every qualifying descendant.
void ScrollChildren(HWND target, int direction);
