// Both programs start in the same folder (Veltrac's settings.dat is there)
// and are timed by the same test; one untimed launch of each first, so that
// neither pays alone for bringing files into the cache.
#include "bench/bench_start.h"
#include "bench/bench_procs.h"
#include "scroll/settings.h"
#include <stdio.h>

#define TRIVIAL_CLASS "Veltrac Bench Trivial"

static bool LaunchOnce(bool bVeltrac, std::vector<double> *out)
{
    CHILDPROC p;
    double ms = bVeltrac ? LaunchToFirstPaint(Paths.szVeltrac, MAIN_CLASS_NAME, &p)
                         : LaunchToFirstPaint(Paths.szTrivial, TRIVIAL_CLASS, &p);
    StopChild(&p);
    if (ms < 0) {
        fprintf(stderr, "bench: %s did not paint its window\n", bVeltrac ? "Veltrac" : "trivial");
        return false;
    }
    if (out)
        out->push_back(ms);
    return true;
}

bool RunStartBench(int nLaunches, std::vector<double> *veltrac, std::vector<double> *trivial)
{
    if (!LaunchOnce(true, NULL) || !LaunchOnce(false, NULL))
        return false;
    for (int i = 0; i < nLaunches; i++) {
        bool bVeltracFirst = i % 2 == 0;
        if (!LaunchOnce(bVeltracFirst, bVeltracFirst ? veltrac : trivial) ||
            !LaunchOnce(!bVeltracFirst, bVeltracFirst ? trivial : veltrac))
            return false;
    }
    return true;
}
