// Reading the 300-character generated catalogue with the catalogue reader, against the least work
// that reading the same bytes can cost (CatalogueFloors), and validating it against the disk,
// beside one bare stat of each folder it tests. Everything runs on one thread; each figure is the
// median of several repetitions in one run, in wall time and in CPU time. Peak memory is measured
// for each variant in a process of its own: this program runs itself with --variant=<name>
// <repository>, which loads once and prints its peak resident size.

#include "CatalogueFloors.h"
#include "LargeRepository.h"
#include "MedianReporter.h"

#include "repository/Data2.h"
#include "repository/Parser2.h"
#include "repository/RepositoryLayout.h"
#include "repository/Settings.h"

#include "TempFolder.h"
#include "win32/path.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
std::filesystem::path g_catalogue;
std::wstring g_repositoryPath;
// The native paths of every folder that validation tests, in its order.
std::vector<std::string> g_validatedFolders;

bool Load()
{
    Data2::Reset();
    return Parser2::ParseRepository(g_repositoryPath.c_str());
}

const std::map<std::string, std::function<std::size_t()>>& Variants()
{
    static const std::map<std::string, std::function<std::size_t()>> variants = {
        {"reader", [] { return Load() ? static_cast<std::size_t>(Data2::GetCharacterCount()) : 0; }},
        {"stream-walk", [] { return ParserBench::StreamWalk(g_catalogue); }},
        {"text-reader-walk", [] { return ParserBench::TextReaderWalk(g_catalogue); }},
        {"tree-touch", [] { return ParserBench::DocumentTreeTouch(g_catalogue); }},
    };
    return variants;
}

std::wstring Field(const DataContainer* element, const wchar_t* name)
{
    bool found = false;
    const wchar_t* value = element->CheckDatafield(name) ? element->GetData(name, &found) : nullptr;
    return found && value ? value : L"";
}

bool IsFolder(const std::string& path)
{
    struct stat info
    {
    };
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folders that validation tests, by its rules: global assets, characters, and the cloths, poses
// and own assets of each character whose folder is there.
void CollectValidatedFolders()
{
    const std::wstring repository = Settings::GetPath();
    for (int g = 0; g < Data2::GetGlobalAssetCount(); ++g)
    {
        const DataContainer* asset = Data2::GetGlobalAsset(g);
        if (asset->CheckDatafield(L"folder"))
            g_validatedFolders.push_back(
                win32::NativePath(RepositoryLayout::GlobalAssetFolder(repository, Field(asset, L"folder"))));
    }
    for (int c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        const CharacterData* character = Data2::GetCharacter(c);
        const std::wstring folder = Field(character, L"folder");
        g_validatedFolders.push_back(win32::NativePath(folder));
        if (!IsFolder(g_validatedFolders.back()))
            continue;
        for (auto list : {CharacterData::CLOTH, CharacterData::POSES, CharacterData::ASSETS})
        {
            for (int i = 0; i < character->GetCount(list); ++i)
            {
                const DataContainer* element = character->GetContainerElement(list, i);
                if ((list == CharacterData::ASSETS && Data2::CheckAssetGlobal(element)) ||
                    !element->CheckDatafield(L"folder"))
                    continue;
                g_validatedFolders.push_back(
                    win32::NativePath(RepositoryLayout::ElementFolder(folder, Field(element, L"folder"))));
            }
        }
    }
}

void Reader(benchmark::State& state)
{
    for (auto _ : state)
    {
        state.PauseTiming();
        Data2::Reset();
        state.ResumeTiming();
        benchmark::DoNotOptimize(Parser2::ParseRepository(g_repositoryPath.c_str()));
    }
    state.counters["characters"] = Data2::GetCharacterCount();
}

void Floor(benchmark::State& state, std::size_t (*walk)(const std::filesystem::path&))
{
    std::size_t touched = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(touched = walk(g_catalogue));
    if (touched == 0)
        state.SkipWithError("the catalogue did not parse");
}

void StreamWalk(benchmark::State& state)
{
    Floor(state, ParserBench::StreamWalk);
}

void TextReaderWalk(benchmark::State& state)
{
    Floor(state, ParserBench::TextReaderWalk);
}

void DocumentTreeTouch(benchmark::State& state)
{
    Floor(state, ParserBench::DocumentTreeTouch);
}

void Validation(benchmark::State& state)
{
    Load();
    for (auto _ : state)
        Data2::SetValid(true);
    state.counters["folders"] = static_cast<double>(g_validatedFolders.size());
}

void BareStat(benchmark::State& state)
{
    for (auto _ : state)
    {
        for (const std::string& folder : g_validatedFolders)
        {
            struct stat info
            {
            };
            benchmark::DoNotOptimize(stat(folder.c_str(), &info));
        }
    }
    state.counters["folders"] = static_cast<double>(g_validatedFolders.size());
}

// One load takes a few hundred milliseconds; the medians of several repetitions are compared.
constexpr int kRepetitions = 9;
BENCHMARK(Reader)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(kRepetitions);
BENCHMARK(StreamWalk)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(kRepetitions);
BENCHMARK(TextReaderWalk)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(kRepetitions);
BENCHMARK(DocumentTreeTouch)->Unit(benchmark::kMillisecond)->Iterations(2)->Repetitions(kRepetitions);
BENCHMARK(Validation)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BareStat)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The peak resident size of one run of the variant in a process of its own, in MB; 0 on failure.
double PeakOfVariant(const char* self, const std::string& variant)
{
    const std::string command =
        std::string("'") + self + "' --variant=" + variant + " '" + g_catalogue.parent_path().string() + "'";
    std::FILE* child = popen(command.c_str(), "r");
    double peak = 0;
    if (child && std::fscanf(child, "%lf", &peak) != 1)
        peak = 0;
    if (child)
        pclose(child);
    return peak;
}

// The ratio of two medians, in wall time and in CPU time.
void PrintRatio(const ParserBench::MedianReporter& reporter, const char* what, const char* value,
                const char* floor, const char* limit)
{
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    const double wall = reporter.Median(value);
    const double wallFloor = reporter.Median(floor);
    const double cpu = reporter.CpuMedian(value);
    const double cpuFloor = reporter.CpuMedian(floor);
    std::printf("  %-44s wall %7.1f / %7.1f ms = %5.2f   cpu %7.1f / %7.1f ms = %5.2f   %s\n", what, wall,
                wallFloor, ratio(wall, wallFloor), cpu, cpuFloor, ratio(cpu, cpuFloor), limit);
}

void UseRepository(const std::filesystem::path& folder)
{
    g_catalogue = folder / "zanret.xml";
    g_repositoryPath = folder.wstring() + L"\\";
}
} // namespace

int main(int argc, char** argv)
{
    TempFolder appData;
    setenv("LOCALAPPDATA", appData.Path().c_str(), 1);
    if (argc == 3 && std::strncmp(argv[1], "--variant=", 10) == 0)
    {
        const auto variant = Variants().find(argv[1] + 10);
        UseRepository(argv[2]);
        if (variant == Variants().end() || variant->second() == 0)
            return 1;
        std::printf("%.1f\n", PeakMegabytes());
        return 0;
    }

    std::vector<char*> arguments = ParserBench::Interleaved(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    benchmark::Initialize(&count, arguments.data());
    TempFolder repository;
    if (!ParserBench::WriteLargeRepository(repository.Path(), ParserBench::Counts{}))
    {
        std::fprintf(stderr, "parser_bench: could not write the large repository\n");
        return 1;
    }
    UseRepository(repository.Path());
    // Validation needs the settings with the repository path.
    Settings::LoadSettings();
    Settings::SetPath(g_repositoryPath.c_str());
    Load();
    CollectValidatedFolders();

    ParserBench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double megabytes = static_cast<double>(std::filesystem::file_size(g_catalogue)) / 1e6;
    std::printf("\ncatalogue: %.1f MB, %d characters; validation tests %zu folders\n", megabytes,
                Data2::GetCharacterCount(), g_validatedFolders.size());
    std::printf("medians of %d repetitions, value / floor:\n", kRepetitions);
    PrintRatio(reporter, "catalogue load / bare streaming walk (SAX2)", "Reader", "StreamWalk",
               "(must reach at most 2.0)");
    PrintRatio(reporter, "catalogue load / xmlTextReader walk", "Reader", "TextReaderWalk",
               "(must reach at most 0.8)");
    PrintRatio(reporter, "catalogue load / file read whole, tree touched", "Reader", "DocumentTreeTouch", "");
    PrintRatio(reporter, "validation / bare stat of the same folders", "Validation", "BareStat",
               "(must reach at most 1.3)");
    std::printf("peak memory, each variant in a process of its own:\n");
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    for (const auto& [variant, run] : Variants())
    {
        const double peak = PeakOfVariant(self.c_str(), variant);
        std::printf("  %-18s %8.1f MB   %5.2f x the file%s\n", variant.c_str(), peak, peak / megabytes,
                    variant == "reader" ? "   (must reach at most 3)" : "");
    }
    Data2::Reset();
    Settings::FreeSettings();
    return 0;
}
