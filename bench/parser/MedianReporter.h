#pragma once
// Prints the runs as usual and keeps the median real time of each benchmark that has repetitions.

#include <benchmark/benchmark.h>

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
                m_medians[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    // The median of the benchmark, 0 when it did not run.
    double Median(const char* name) const
    {
        const auto it = m_medians.find(name);
        return it == m_medians.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_medians;
};
} // namespace ParserBench
