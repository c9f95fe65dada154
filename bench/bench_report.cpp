// Rows of the table, kept until the end of the run so that progress lines
// and the table do not interleave.
#include "bench/bench_report.h"
#include "bench/bench_stats.h"
#include <string>

struct ROW {
    bool bHeading;
    std::string name;
    SUMMARY s;
    std::string note;
};
static std::vector<ROW> aRows;

void AddHeading(const char *text)
{
    aRows.push_back({true, text, {}, ""});
}

void AddRow(const char *name, const std::vector<double> &samples, const char *note)
{
    aRows.push_back({false, name, Summarize(samples), note});
}

void PrintTable(FILE *out)
{
    fprintf(out, "%-46s %6s %9s %9s %9s %9s  %s\n", "scenario (times in ms)", "n", "min",
            "median", "p99", "max", "note");
    for (const ROW &row : aRows) {
        if (row.bHeading) {
            fprintf(out, "%s\n", row.name.c_str());
            continue;
        }
        fprintf(out, "  %-44s %6d %9.3f %9.3f %9.3f %9.3f  %s\n", row.name.c_str(), row.s.n,
                row.s.dMin, row.s.dMedian, row.s.dP99, row.s.dMax, row.note.c_str());
    }
}
