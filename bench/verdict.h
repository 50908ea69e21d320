#pragma once

// Runs the registered benchmarks with medians over repetitions and judges
// the medians against the program's timing targets afterwards.


#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

namespace rowsweep::bench {

// The median time (nanoseconds) and counters of every benchmark, by the
// name it was registered under.
struct Medians {
    std::map<std::string, double> nanoseconds;
    std::map<std::string, std::map<std::string, double>> counters;

    [[nodiscard]] const double* time(const std::string& name) const
    {
        const auto found = nanoseconds.find(name);
        return found == nanoseconds.end() ? nullptr : &found->second;
    }
};

class MedianKeeper final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.aggregate_name != "median")
                continue;
            const double perUnit = run.time_unit == benchmark::kMicrosecond   ? 1e3
                                   : run.time_unit == benchmark::kMillisecond ? 1e6
                                   : run.time_unit == benchmark::kSecond      ? 1e9
                                                                              : 1.0;
            medians.nanoseconds[run.run_name.function_name] = run.GetAdjustedRealTime() * perUnit;
            for (const auto& [counter, value] : run.counters)
                medians.counters[run.run_name.function_name][counter] = value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    Medians medians;
};

// One line per target; returns whether it was met.
inline bool report(const std::string& what, double value, double limit, const char* unit, bool lowerIsBetter = true)
{
    const bool met = lowerIsBetter ? value <= limit : value >= limit;
    std::printf("%-48s %10.2f %-3s (target %s %.2f %s): %s\n", what.c_str(), value, unit, lowerIsBetter ? "<=" : ">=",
                limit, unit, met ? "met" : "MISSED");
    return met;
}

// Runs every benchmark (medians over `repetitions` unless the command line
// says otherwise), then hands the medians to `judge`. Exit status 0 when
// every target was met.
inline int runAndJudge(int argc, char** argv, int repetitions, const std::function<bool(const Medians&)>& judge)
{
    std::vector<char*> args(argv, argv + argc);
    std::string repetitionsArg = "--benchmark_repetitions=" + std::to_string(repetitions);
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    const bool given = std::any_of(args.begin(), args.end(), [](const char* arg) {
        return std::string_view(arg).starts_with("--benchmark_repetitions");
    });
    if (!given) {
        args.push_back(repetitionsArg.data());
        args.push_back(aggregatesOnly.data());
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;

    MedianKeeper reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n");
    return judge(reporter.medians) ? 0 : 1;
}

}  // namespace rowsweep::bench
