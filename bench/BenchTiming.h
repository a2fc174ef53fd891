#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// The benchmarks report medians, so one slow run on a busy machine does not decide.
using Clock = std::chrono::steady_clock;

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median milliseconds of `runs` calls of `f`.
template <class F>
double Measure(F f, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}
