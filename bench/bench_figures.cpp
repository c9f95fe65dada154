// The table of figures. Every goal is an upper bound; a figure nobody
// measured stays NaN and prints as not measured, never as met. The ratios
// measured in rounds carry the quartiles of their per-round ratios, so a
// reader sees how far one run's figure could move.
#include "bench/bench_figures.h"
#include <math.h>
#include <string.h>

struct FIGURE {
    const char *szName;
    double dGoal;           // met when the value is at most this
    double dValue;          // NAN until a part of the run measures it
    const char *szFormat;   // how the value prints
    bool bSpread;           // a median of per-round ratios: its quartiles print too
    double dLow, dHigh;     // those quartiles, NAN until measured
};

static FIGURE aFigures[] = {
    {"off_vs_bare", 1.25, NAN, "%.2f", true, NAN, NAN},
    {"tick_vs_enum", 1.15, NAN, "%.2f", true, NAN, NAN},
    {"hung_stall_ms", 100, NAN, "%.0f", false, NAN, NAN},
    {"start_vs_trivial", 1.2, NAN, "%.2f", true, NAN, NAN},
    {"on_idle_vs_bare", 1.15, NAN, "%.2f", true, NAN, NAN},
    {"huge_steps_stall_ms", 100, NAN, "%.0f", false, NAN, NAN},
    {"wheel_vs_bare", 1.2, NAN, "%.2f", true, NAN, NAN},
    {"press_stall_ms", 100, NAN, "%.0f", false, NAN, NAN},
    {"real_wheel_vs_bare", 1.5, NAN, "%.2f", true, NAN, NAN},
    {"still_drag_vs_bare", 1.5, NAN, "%.2f", true, NAN, NAN},
    {"hook_idle_vs_bare", 1.25, NAN, "%.2f", true, NAN, NAN},
    {"hook_move_vs_bare", 2.5, NAN, "%.2f", true, NAN, NAN},
    {"auto_drag_vs_bare", 1.2, NAN, "%.2f", true, NAN, NAN},
    {"auto_msgs_per_s", 130, NAN, "%.0f", false, NAN, NAN},
    {"pointer_drag_vs_bare", 1.2, NAN, "%.2f", true, NAN, NAN},
};

static bool IsMeasured(const FIGURE &f)
{
    return f.dValue >= 0;   // false for NaN
}

static FIGURE *Find(const char *name)
{
    for (FIGURE &f : aFigures)
        if (!strcmp(f.szName, name))
            return &f;
    fprintf(stderr, "bench: no figure is called %s\n", name);
    return NULL;
}

void SetFigure(const char *name, double value)
{
    if (FIGURE *f = Find(name))
        f->dValue = value >= 0 ? value : NAN;
}

void SetFigureSpread(const char *name, double dLow, double dHigh)
{
    FIGURE *f = Find(name);
    if (f && f->bSpread && dLow >= 0 && dHigh >= dLow) {
        f->dLow = dLow;
        f->dHigh = dHigh;
    }
}

// "low..high" in the figure's own format, or n/a.
static void SpreadText(const FIGURE &f, char *text, size_t size)
{
    if (!IsMeasured(f) || !(f.dLow >= 0)) {
        snprintf(text, size, "n/a");
        return;
    }
    char low[16], high[16];
    snprintf(low, sizeof low, f.szFormat, f.dLow);
    snprintf(high, sizeof high, f.szFormat, f.dHigh);
    snprintf(text, size, "%s..%s", low, high);
}

void PrintGoals(FILE *out)
{
    for (const FIGURE &f : aFigures) {
        char value[32] = "-", spread[40] = "";
        if (IsMeasured(f))
            snprintf(value, sizeof value, f.szFormat, f.dValue);
        if (f.bSpread) {
            char text[32];
            SpreadText(f, text, sizeof text);
            snprintf(spread, sizeof spread, "(%s)", text);
        }
        fprintf(out, "%-20s %8s %-12s  goal <= %g  %s\n", f.szName, value, spread, f.dGoal,
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
        if (f.bSpread) {
            char spread[32];
            SpreadText(f, spread, sizeof spread);
            fprintf(out, " %s_spread=%s", f.szName, spread);
        }
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
