// The benchmark's clock and the figures it draws from a set of samples:
// minimum, median, 99th percentile and maximum, and the quartiles that show
// how far a set of per-round ratios spreads. Plain arithmetic.
#pragma once
#include <vector>

// Milliseconds from an arbitrary origin, at the resolution of the
// performance counter.
double NowMs(void);

struct SUMMARY {
    int n;
    double dMin, dMedian, dP99, dMax;
};

// All zero for an empty set. The percentile is the nearest rank: the
// smallest sample that at least 99 % of the samples do not exceed.
SUMMARY Summarize(const std::vector<double> &samples);
double Median(const std::vector<double> &samples);
// The 25th and 75th percentiles (nearest rank): the middle half of the
// samples lies between them. Both NaN for an empty set.
void Quartiles(const std::vector<double> &samples, double *pLow, double *pHigh);

// a / b, or NaN when b is not positive (a figure that could not be measured).
double Ratio(double a, double b);
