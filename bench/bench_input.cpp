// SendInput wrappers: absolute moves that land on exact pixels, and keys.
#include "bench/bench_input.h"
#include "bench/bench_stats.h"

static INPUT MoveInput(int x, int y)
{
    // Absolute coordinates run from 0 to 65535 over the screen and the
    // system maps them back with dx * width / 65536; aiming at the middle of
    // the pixel survives either rounding.
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)(((long long)x * 65536 + 32768) / w);
    in.mi.dy = (LONG)(((long long)y * 65536 + 32768) / h);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return in;
}

double TimedMove(int x, int y)
{
    INPUT in = MoveInput(x, y);
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
