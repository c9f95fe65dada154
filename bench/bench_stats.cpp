// Timing and summaries for the benchmark.
#include "bench/bench_stats.h"
#include <windows.h>
#include <algorithm>
#include <math.h>

double NowMs(void)
{
    static LARGE_INTEGER freq;
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart * 1000.0 / (double)freq.QuadPart;
}

static double NearestRank(const std::vector<double> &sorted, int percent)
{
    size_t n = sorted.size();
    size_t rank = (n * (size_t)percent + 99) / 100;   // ceil(n * p / 100)
    if (rank < 1)
        rank = 1;
    return sorted[rank - 1];
}

SUMMARY Summarize(const std::vector<double> &samples)
{
    SUMMARY s = {};
    if (samples.empty())
        return s;
    std::vector<double> sorted(samples);
    std::sort(sorted.begin(), sorted.end());
    s.n = (int)sorted.size();
    s.dMin = sorted.front();
    s.dMax = sorted.back();
    s.dP99 = NearestRank(sorted, 99);
    size_t mid = sorted.size() / 2;
    s.dMedian = sorted.size() % 2 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2;
    return s;
}

double Median(const std::vector<double> &samples)
{
    return Summarize(samples).dMedian;
}

void Quartiles(const std::vector<double> &samples, double *pLow, double *pHigh)
{
    if (samples.empty()) {
        *pLow = *pHigh = NAN;
        return;
    }
    std::vector<double> sorted(samples);
    std::sort(sorted.begin(), sorted.end());
    *pLow = NearestRank(sorted, 25);
    *pHigh = NearestRank(sorted, 75);
}

double Ratio(double a, double b)
{
    return b > 0 ? a / b : NAN;
}
