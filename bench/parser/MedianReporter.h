#pragma once
// Prints the runs as usual and keeps the median real and CPU times of each benchmark that has
// repetitions;
// and the command line that interleaves the repetitions.

#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace ParserBench
{
class MedianReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" && !run.error_occurred)
            {
                m_medians[run.run_name.function_name] = run.GetAdjustedRealTime();
                m_cpuMedians[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
    }
    // The median wall time of the benchmark, 0 when it did not run.
    double Median(const char* name) const { return Find(m_medians, name); }
    // The median CPU time of the benchmark's thread, 0 when it did not run.
    double CpuMedian(const char* name) const { return Find(m_cpuMedians, name); }

private:
    static double Find(const std::map<std::string, double>& medians, const char* name)
    {
        const auto it = medians.find(name);
        return it == medians.end() ? 0.0 : it->second;
    }

    std::map<std::string, double> m_medians;
    std::map<std::string, double> m_cpuMedians;
};

// The command line with the repetitions of all benchmarks interleaved, unless it says otherwise: on
// a shared machine a change of load then weighs on a benchmark and its floor alike.
inline std::vector<char*> Interleaved(int argc, char** argv)
{
    static char flag[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> arguments(argv, argv + argc);
    bool given = false;
    for (char* argument : arguments)
        given =
            given || std::strncmp(argument, flag, std::strlen("--benchmark_enable_random_interleaving")) == 0;
    if (!given)
        arguments.insert(arguments.begin() + 1, flag);
    arguments.push_back(nullptr);
    return arguments;
}
} // namespace ParserBench
