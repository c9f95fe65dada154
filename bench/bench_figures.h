// The figures the benchmark is judged by, one row each (name, goal, value,
// format, whether it has a spread) in bench_figures.cpp: the goal lines and
// the last line both come from that table, so a new figure is one new row.
#pragma once
#include <stdio.h>

// Records a measured figure. A value that is negative or not a number (see
// Ratio) leaves the figure not measured; an unknown name is reported.
void SetFigure(const char *name, double value);
// Records how far the per-round ratios behind a figure spread (their
// quartiles), for the figures whose row says they have one.
void SetFigureSpread(const char *name, double dLow, double dHigh);

// One line per figure: its value, its spread where it has one, its goal,
// and met, MISSED or NOT MEASURED.
void PrintGoals(FILE *out);
// One line of "name=value" for every figure, n/a for those not measured;
// a figure with a spread is followed by "name_spread=low..high".
void PrintLastLine(FILE *out);
bool AllFiguresMeasured(void);
