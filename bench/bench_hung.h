// How long one injected move can wait while Veltrac, ON in send mode, edge
// scrolls a foreground target one of whose children belongs to a hung
// thread; and the same moves before the thread hangs, for comparison. The
// target has only a few other children, so the figure is the hang's cost and
// not that of sending to many windows (the drag rows show that).
#pragma once
#include <vector>

struct HUNGRESULTS {
    std::vector<double> responsive, hung;
    long nDeliveredWhileHung;   // messages the responsive children handled meanwhile
};

bool RunHungBench(HUNGRESULTS *r);
