// The table of figures. Every goal is an upper bound; a figure nobody
// measured stays NaN and prints as not measured, never as met.
#include "bench/bench_figures.h"
#include <math.h>
#include <string.h>

struct FIGURE {
    const char *szName;
    double dGoal;           // met when the value is at most this
    double dValue;          // NAN until a part of the run measures it
    const char *szFormat;   // how the value prints
};

static FIGURE aFigures[] = {
    {"off_vs_bare", 1.25, NAN, "%.2f"},
    {"tick_vs_enum", 1.15, NAN, "%.2f"},
    {"hung_stall_ms", 100, NAN, "%.0f"},
    {"start_vs_trivial", 1.5, NAN, "%.2f"},
    {"on_idle_vs_bare", 1.15, NAN, "%.2f"},
    {"huge_steps_stall_ms", 100, NAN, "%.0f"},
    {"wheel_vs_bare", 1.5, NAN, "%.2f"},
    {"press_stall_ms", 100, NAN, "%.0f"},
    {"real_wheel_vs_bare", 1.5, NAN, "%.2f"},
    {"still_drag_vs_bare", 1.5, NAN, "%.2f"},
};

static bool IsMeasured(const FIGURE &f)
{
    return f.dValue >= 0;   // false for NaN
}

void SetFigure(const char *name, double value)
{
    for (FIGURE &f : aFigures)
        if (!strcmp(f.szName, name)) {
            f.dValue = value >= 0 ? value : NAN;
            return;
        }
    fprintf(stderr, "bench: no figure is called %s\n", name);
}

void PrintGoals(FILE *out)
{
    for (const FIGURE &f : aFigures) {
        char value[32] = "-";
        if (IsMeasured(f))
            snprintf(value, sizeof value, f.szFormat, f.dValue);
        fprintf(out, "%-20s %8s  goal <= %g  %s\n", f.szName, value, f.dGoal,
                !IsMeasured(f) ? "NOT MEASURED" : f.dValue <= f.dGoal ? "met" : "MISSED");
    }
}

void PrintLastLine(FILE *out)
{
    const char *sep = "";
    for (const FIGURE &f : aFigures) {
        char value[32] = "n/a";
        if (IsMeasured(f))
            snprintf(value, sizeof value, f.szFormat, f.dValue);
        fprintf(out, "%s%s=%s", sep, f.szName, value);
        sep = " ";
    }
    fprintf(out, "\n");
}

bool AllFiguresMeasured(void)
{
    for (const FIGURE &f : aFigures)
        if (!IsMeasured(f))
            return false;
    return true;
}
