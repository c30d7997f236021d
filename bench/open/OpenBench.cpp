// Opening the manager as the toolbar action does on the unread 300-character repository: the
// command reads the catalogue, validates it against the disk and opens the real window, shown and
// drawn offscreen. Reported beside the bare streaming walk of the same catalogue (CatalogueFloors),
// each the median of several repetitions in one run.

#include "CatalogueFloors.h"
#include "LargeRepository.h"
#include "MedianReporter.h"

#include "plugin/Commands.h"
#include "repository/Data2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "ui/MainWindowClass.h"

#include "TempFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
std::filesystem::path g_catalogue;

void DeliverEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The state the action meets on its first use: no window, a store that is not read yet.
void CloseAndForget()
{
    if (MainWindowClass::window)
        MainWindowClass::window->close();
    DeliverEvents();
    Selection2::Clear();
    Data2::Reset();
}

void OpenManager(benchmark::State& state)
{
    for (auto _ : state)
    {
        state.PauseTiming();
        CloseAndForget();
        state.ResumeTiming();
        Commands::CallMainWindow();
        // Until the window has been shown and drawn.
        DeliverEvents();
    }
    if (!MainWindowClass::window || Data2::GetCharacterCount() == 0)
        state.SkipWithError("the manager did not open on the repository");
    state.counters["characters"] = Data2::GetCharacterCount();
    CloseAndForget();
}

void StreamWalk(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ParserBench::StreamWalk(g_catalogue));
}

constexpr int kRepetitions = 7;
BENCHMARK(OpenManager)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kRepetitions);
BENCHMARK(StreamWalk)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kRepetitions);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<char*> arguments = ParserBench::Interleaved(argc, argv);
    int count = static_cast<int>(arguments.size()) - 1;
    benchmark::Initialize(&count, arguments.data());
    TempFolder appData;
    TempFolder repository;
    setenv("LOCALAPPDATA", appData.Path().c_str(), 1);
    if (!ParserBench::WriteLargeRepository(repository.Path(), ParserBench::Counts{}))
    {
        std::fprintf(stderr, "open_bench: could not write the large repository\n");
        return 1;
    }
    g_catalogue = repository.Path() / "zanret.xml";
    // The settings point at the repository, as after an earlier "Set Repository".
    Settings::LoadSettings();
    Settings::SetPath((repository.Path().wstring() + L"\\").c_str());

    ParserBench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double open = reporter.Median("OpenManager");
    const double walk = reporter.Median("StreamWalk");
    std::printf("\nmedians of %d repetitions, %.1f MB catalogue:\n", kRepetitions,
                static_cast<double>(std::filesystem::file_size(g_catalogue)) / 1e6);
    std::printf(
        "  manager opened on the unread store  %8.1f ms   cpu %8.1f ms   (must reach at most 500 ms)\n", open,
        reporter.CpuMedian("OpenManager"));
    std::printf("  bare streaming walk (SAX2)          %8.1f ms   ratio %.2f\n", walk,
                walk > 0 ? open / walk : 0.0);
    Settings::FreeSettings();
    return 0;
}
