// The engine's own cost for one tick: an edge tick at a screen corner with
// nScrollTimes 3 (six steps) run in this process against a target in
// another process whose 200 children the class filter does not pass, next
// to one bare walk of the same children with EnumChildWindows and
// GetClassNameA, and next to six step-by-step walks for reference. Each
// tick and its bare pass are timed one right after the other, in turn first.
#pragma once
#include <vector>

struct TICKRESULTS {
    std::vector<double> tick, bare, stepwise;
    std::vector<double> vsBare;   // each tick over the bare pass timed beside it
    // First, one corner tick to the ordinary target's few passing children:
    // the messages it delivered (six steps to each), and how long it took.
    long nSanityScrolls;
    double dSanityMs;
};

bool RunTickBench(int nRuns, TICKRESULTS *r);
