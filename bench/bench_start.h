// Launch to first paint of Veltrac's main window against a trivial Win32
// program, alternating launches.
#pragma once
#include <vector>

bool RunStartBench(int nLaunches, std::vector<double> *veltrac, std::vector<double> *trivial);
