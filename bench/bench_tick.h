// The engine's own cost for one tick: an edge tick at a screen corner with
// nScrollTimes 3 (six steps) run in this process against a target in
// another process whose 200 children the class filter does not pass, next
// to one bare walk of the same children with EnumChildWindows and
// GetClassNameA, and next to six step-by-step walks for reference.
#pragma once
#include <vector>

struct TICKRESULTS {
    std::vector<double> tick, bare, stepwise;
    long nSanityScrolls;     // messages one corner tick delivered to 200 passing children
};

bool RunTickBench(int nRuns, TICKRESULTS *r);
