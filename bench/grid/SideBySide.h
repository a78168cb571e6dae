// Two sides of a comparison timed in the same process, interleaved: round after round each side
// runs once, the side that goes first alternating, so that whatever the machine does meanwhile
// (other processes, frequency changes, the allocator's state) falls on both alike. Each round gives
// one ratio of the two sides' times, wall and CPU (the process's CPU time); the report is the
// median of the rounds' ratios and their range. Nothing here changes the allocator's settings:
// both sides run as the program runs.
#pragma once

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace sidebyside {

// One side: Prepare runs before every timed Run and is not timed (e.g. the unsorted order back).
struct Side {
    std::function<void()> Prepare;
    std::function<void()> Run;
};

struct Spread {
    double Median = 0, Min = 0, Max = 0;
};

struct Result {
    Spread Wall, Cpu;             // ratios a / b
    double WallA = 0, WallB = 0;  // median seconds per run of each side
    double CpuA = 0, CpuB = 0;
};

inline double Seconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline Spread SpreadOf(std::vector<double> v)
{
    Spread s;
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    s.Median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    s.Min = v.front();
    s.Max = v.back();
    return s;
}

// Runs of one side often enough to take at least minSeconds of wall time, timed together.
struct Sample {
    double Wall = 0, Cpu = 0;  // per run
};

inline Sample Time(const Side& side, int runs)
{
    Sample s;
    for (int i = 0; i < runs; ++i) {
        if (side.Prepare)
            side.Prepare();
        const double w0 = Seconds(CLOCK_MONOTONIC), c0 = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        side.Run();
        s.Cpu += Seconds(CLOCK_PROCESS_CPUTIME_ID) - c0;
        s.Wall += Seconds(CLOCK_MONOTONIC) - w0;
    }
    s.Wall /= runs;
    s.Cpu /= runs;
    return s;
}

// How many runs make one sample of at least minSeconds (one warm-up run decides).
inline int RunsFor(const Side& side, double minSeconds)
{
    const Sample once = Time(side, 1);
    if (once.Wall >= minSeconds || once.Wall <= 0)
        return 1;
    return std::min(100000, static_cast<int>(minSeconds / once.Wall) + 1);
}

// Side a against side b over the given rounds; each round's sample of a side lasts at least
// minSeconds (several runs of a quick side).
inline Result Compare(const Side& a, const Side& b, int rounds, double minSeconds = 0.05)
{
    const int runsA = RunsFor(a, minSeconds), runsB = RunsFor(b, minSeconds);
    std::vector<double> wall, cpu, wa, wb, ca, cb;
    for (int round = 0; round < rounds; ++round) {
        Sample sa, sb;
        if (round % 2 == 0) {
            sa = Time(a, runsA);
            sb = Time(b, runsB);
        } else {
            sb = Time(b, runsB);
            sa = Time(a, runsA);
        }
        wall.push_back(sb.Wall > 0 ? sa.Wall / sb.Wall : 0);
        cpu.push_back(sb.Cpu > 0 ? sa.Cpu / sb.Cpu : 0);
        wa.push_back(sa.Wall);
        wb.push_back(sb.Wall);
        ca.push_back(sa.Cpu);
        cb.push_back(sb.Cpu);
    }
    Result r;
    r.Wall = SpreadOf(wall);
    r.Cpu = SpreadOf(cpu);
    r.WallA = SpreadOf(wa).Median;
    r.WallB = SpreadOf(wb).Median;
    r.CpuA = SpreadOf(ca).Median;
    r.CpuB = SpreadOf(cb).Median;
    return r;
}

inline std::string Milliseconds(double s)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, s < 0.01 ? "%.3f" : "%.1f", s * 1000);
    return buf;
}

// One line: what, the CPU ratio (median [min..max]), the wall ratio, each side's median times.
inline void Print(const std::string& what, const Result& r)
{
    std::printf("%-46s CPU %6.2f [%5.2f..%5.2f]  wall %6.2f [%5.2f..%5.2f]  (%s / %s ms CPU)\n", what.c_str(),
                r.Cpu.Median, r.Cpu.Min, r.Cpu.Max, r.Wall.Median, r.Wall.Min, r.Wall.Max, Milliseconds(r.CpuA).c_str(),
                Milliseconds(r.CpuB).c_str());
    std::fflush(stdout);
}

}  // namespace sidebyside
