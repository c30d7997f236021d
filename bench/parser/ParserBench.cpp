// Reading a large generated repository with the catalogue reader, against the bare libxml2 parse and
// attribute walk of the same file. Validation against the disk is measured on its own.

#include "LargeRepository.h"

#include "repository/Data2.h"
#include "repository/Parser2.h"
#include "repository/Settings.h"

#include "TempFolder.h"

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace
{
std::filesystem::path g_catalogue;
std::wstring g_repositoryPath;
double g_elements = 0;

// The loader's own options: no network, no entity substitution, libxml2's default limits.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Reader(benchmark::State& state)
{
    for (auto _ : state)
    {
        ZANRET::Data2::Reset();
        benchmark::DoNotOptimize(ZANRET::Parser2::ParseRepository(g_repositoryPath.c_str()));
    }
    state.counters["characters"] = ZANRET::Data2::GetCharacterCount();
    state.counters["peak_MB"] = PeakMegabytes();
    ZANRET::Data2::Reset();
}

void BareLibxml2(benchmark::State& state)
{
    double elements = 0;
    for (auto _ : state)
    {
        std::ifstream in(g_catalogue, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        xmlParserCtxtPtr context = xmlNewParserCtxt();
        xmlDocPtr doc = xmlCtxtReadMemory(context, bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                          nullptr, kParseOptions);
        xmlFreeParserCtxt(context);
        elements = 0;
        std::size_t characters = 0;
        const xmlNode* node = xmlDocGetRootElement(doc);
        while (node)
        {
            if (node->type == XML_ELEMENT_NODE)
            {
                ++elements;
                for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next)
                {
                    xmlChar* value = xmlNodeListGetString(doc, attribute->children, 1);
                    characters += static_cast<std::size_t>(xmlStrlen(value));
                    xmlFree(value);
                }
                if (node->children)
                {
                    node = node->children;
                    continue;
                }
            }
            while (node && !node->next)
            {
                node = node->parent;
                if (node && node->type == XML_DOCUMENT_NODE)
                    node = nullptr;
            }
            if (node)
                node = node->next;
        }
        benchmark::DoNotOptimize(characters);
        xmlFreeDoc(doc);
    }
    g_elements = elements;
    state.counters["elements"] = elements;
    state.counters["peak_MB"] = PeakMegabytes();
}

void Validation(benchmark::State& state)
{
    ZANRET::Data2::Reset();
    ZANRET::Parser2::ParseRepository(g_repositoryPath.c_str());
    for (auto _ : state)
        ZANRET::Data2::SetValid(true);
    ZANRET::Data2::Reset();
}

// A few iterations each: one run of either takes most of a second.
BENCHMARK(Reader)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BareLibxml2)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Validation)->Unit(benchmark::kMillisecond);

// Keeps the mean real time of each benchmark for the summary.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    SummaryReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    TempFolder repository;
    TempFolder appData;
    setenv("LOCALAPPDATA", appData.Path().c_str(), 1);
    if (!ParserBench::WriteLargeRepository(repository.Path(), ParserBench::Counts{}))
    {
        std::fprintf(stderr, "parser_bench: could not write the large repository\n");
        return 1;
    }
    g_catalogue = repository.Path() / "zanret.xml";
    g_repositoryPath = repository.WidePath();
    // Validation needs the settings with the repository path.
    ZANRET::Settings::LoadSettings();
    ZANRET::Settings::SetPath(g_repositoryPath.c_str());

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double reader = reporter.times["Reader"];
    const double bare = reporter.times["BareLibxml2"];
    std::printf("\ncatalogue: %.1f MB, %.0f elements\n",
                static_cast<double>(std::filesystem::file_size(g_catalogue)) / (1024.0 * 1024.0), g_elements);
    std::printf("reader (ParseRepository):            %8.1f ms\n", reader);
    std::printf("bare libxml2 parse + attribute walk: %8.1f ms\n", bare);
    if (bare > 0)
        std::printf("ratio reader / bare:                 %8.2f (should be at most 2)\n", reader / bare);
    std::printf("peak memory (max RSS):               %8.1f MB\n", PeakMegabytes());
    std::printf("validation (SetValid(true)):         %8.1f ms\n", reporter.times["Validation"]);
    ZANRET::Settings::FreeSettings();
    return 0;
}
