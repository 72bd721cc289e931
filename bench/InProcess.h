#pragma once

// Timing of work done inside the benchmark's own process (POSIX: the thread's
// CPU clock): medians of wall clock and CPU time, in milliseconds.
#include <QElapsedTimer>

#include <algorithm>
#include <time.h>
#include <vector>

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double threadCpuMs()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Times
{
    double wall, cpu;
};

template <typename F>
Times timeMs(int runs, F f)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpu0 = threadCpuMs();
        timer.start();
        f();
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpu0);
    }
    return {median(wall), median(cpu)};
}
