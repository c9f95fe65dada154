// SendInput wrappers: absolute moves that land on exact pixels (through the
// conversion the tests use too), middle-button presses where the cursor
// rests, and keys.
#include "bench/bench_input.h"
#include "bench/bench_stats.h"
#include "tests/input_coords.h"

double TimedMove(int x, int y)
{
    INPUT in = AbsoluteMove(x, y);
    double t0 = NowMs();
    SendInput(1, &in, sizeof in);
    return NowMs() - t0;
}

double TimedMiddleButton(bool bDown)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = bDown ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    double t0 = NowMs();
    SendInput(1, &in, sizeof in);
    return NowMs() - t0;
}

void InjectKey(WORD vk, bool bDown)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof in);
}
