// The figures the benchmark is judged by, one row each (name, goal, value,
// format) in bench_figures.cpp: the goal lines and the last line both come
// from that table, so a new figure is one new row.
#pragma once
#include <stdio.h>

// Records a measured figure. A value that is negative or not a number (see
// Ratio) leaves the figure not measured; an unknown name is reported.
void SetFigure(const char *name, double value);

// One line per figure: its value, its goal, and met, MISSED or NOT MEASURED.
void PrintGoals(FILE *out);
// One line of "name=value" for every figure, n/a for those not measured.
void PrintLastLine(FILE *out);
bool AllFiguresMeasured(void);
