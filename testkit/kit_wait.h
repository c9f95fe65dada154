// Waiting for a condition, the one way the tests and the benchmark wait:
// polled for what other processes do, pumped for what this thread's windows
// and hooks do, always bounded by a deadline generous enough for a loaded
// machine, so that a slow machine only makes a run slower, never wrong.
#pragma once
#include <windows.h>
#include <functional>

#define WAIT_MS 10000

// Polls cond every few ms, without pumping, until it holds or ms
// milliseconds have passed; returns whether it held.
bool WaitFor(const std::function<bool()> &cond, int ms = WAIT_MS);

// Takes a message before TranslateMessage/DispatchMessage, the way a message
// loop's IsDialogMessage does; returns whether it handled it.
typedef std::function<bool(MSG &)> MSGFILTER;

// Pumps this thread's messages until cond holds (checked after every pump
// round) or deadlineMs milliseconds have passed; returns whether it held.
bool PumpUntil(const std::function<bool()> &cond, int deadlineMs = WAIT_MS,
               const MSGFILTER &filter = nullptr);

// Pumps until every message posted to this thread before the call has been
// handled: posted messages arrive in order, so a marker posted now is taken
// after them. Scroll messages posted here by the engine, or by another
// process before it answered or returned from the hook, are all counted then.
bool PumpPosted(int deadlineMs = WAIT_MS, const MSGFILTER &filter = nullptr);

// Pumps until a thread timer of this period, set now, has fired nTicks times.
// A timer of the same period set earlier on this thread comes due first, and
// timer messages are taken in the order they come due, so by then such a
// timer has had its turn nTicks - 1 times at least: the way to show that a
// timer that should be gone really does nothing.
bool PumpTimerTicks(UINT periodMs, int nTicks, int deadlineMs = WAIT_MS);
