// The benchmark's table: headed groups of rows, each a summary of samples in
// milliseconds with an optional note, printed in the order they were added.
#pragma once
#include <stdio.h>
#include <vector>

void AddHeading(const char *text);
void AddRow(const char *name, const std::vector<double> &samples, const char *note = "");
void PrintTable(FILE *out);
