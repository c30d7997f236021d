// The tab pages of the manager window for the largest character of a generated repository: the full
// build (UpdateWidget) and the rebuild after a pose choice (RebuildExeptPoses), each beside the time
// to decode the picture files that build shows, alone. The ratios are printed at the end.

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Parser2.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralPage.h"
#include "ui/MainWindowGeneralSelector.h"

#include "TempFolder.h"

#include <hostforms/MaxForm.h>
#include <win32/fileapi.h>
#include <win32/path.h>

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
constexpr int kWidth = 950;
constexpr int kHeight = 670;

hostforms::MaxForm* g_form = nullptr;
MainWindowGeneralSelector* g_selector = nullptr;
// Native paths of the pictures a full build reads, and those the rebuild after a pose choice reads.
std::vector<QString> g_fullPictures;
std::vector<QString> g_partialPictures;

std::wstring Field(const DataContainer* element, const wchar_t* name)
{
    bool found = false;
    const wchar_t* value = element ? element->GetData(name, &found) : nullptr;
    return found && value ? value : L"";
}

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void AddPicture(std::vector<QString>& list, const std::wstring& path)
{
    if (IsFile(path))
    {
        list.push_back(QString::fromStdString(win32::NativePath(path)));
    }
}

// The previews the pages show, listed by the same rules from the model (every element of the
// generated character can be chosen, so no overlay is read).
void ListPictures(CharacterData* character)
{
    const std::wstring folder = Field(character, L"folder");
    const std::wstring repository = Settings::GetPath();
    const wchar_t* clothId = Selection2::GetCloth();
    const DataContainer* cloth = character->GetCloth(clothId);
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::POSES); ++i)
    {
        const DataContainer* pose = character->GetContainerElement(CharacterData::POSES, i);
        if (pose->GetFastFlag(DataContainer::AVAILABLE))
        {
            AddPicture(g_fullPictures,
                       RepositoryLayout::PosePreviewFile(folder, clothId, Field(pose, L"id")));
        }
    }
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::SKINS); ++i)
    {
        AddPicture(g_partialPictures,
                   RepositoryLayout::SkinPreviewFile(
                       folder, Field(character->GetContainerElement(CharacterData::SKINS, i), L"preview")));
    }
    const DataContainer* materials = cloth->GetChild(CharacterData::MATERIAL);
    for (std::int32_t i = 0; i < materials->GetChildCount(); ++i)
    {
        AddPicture(g_partialPictures,
                   RepositoryLayout::ClothMaterialPreviewFile(folder, Field(cloth, L"folder"),
                                                              Field(materials->GetChild(i), L"preview")));
    }
    for (std::int32_t c = 0; c < character->GetCount(CharacterData::CATEGORIES); ++c)
    {
        std::vector<DataContainer*> assets;
        character->GetAssetsForCategory(&assets,
                                        character->GetContainerElement(CharacterData::CATEGORIES, c));
        for (const DataContainer* asset : assets)
        {
            if (!asset->GetFastFlag(DataContainer::AVAILABLE))
            {
                continue;
            }
            const bool global = Data2::CheckAssetGlobal(asset);
            const std::wstring assetFolder = Field(asset, L"folder");
            if (asset->GetChildCount() == 0)
            {
                AddPicture(g_partialPictures,
                           global ? RepositoryLayout::GlobalAssetPreviewFile(repository, assetFolder)
                                  : RepositoryLayout::AssetPreviewFile(folder, assetFolder));
            }
            for (std::int32_t m = 0; m < asset->GetChildCount(); ++m)
            {
                const std::wstring preview = Field(asset->GetChild(m), L"preview");
                AddPicture(g_partialPictures,
                           global ? RepositoryLayout::GlobalAssetMaterialPreviewFile(repository, assetFolder,
                                                                                     preview)
                                  : RepositoryLayout::AssetMaterialPreviewFile(folder, assetFolder, preview));
            }
        }
    }
    g_fullPictures.insert(g_fullPictures.end(), g_partialPictures.begin(), g_partialPictures.end());
}

std::size_t ShownElements(std::int32_t firstPage)
{
    std::size_t count = 0;
    for (std::int32_t i = firstPage; i < g_selector->GetPageCount(); ++i)
    {
        count += g_selector->GetPage(i)->GetElements().size();
    }
    return count;
}

void Decode(benchmark::State& state, const std::vector<QString>& pictures)
{
    for (auto _ : state)
    {
        for (const QString& picture : pictures)
        {
            QImage image(picture);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    state.counters["pictures"] = static_cast<double>(pictures.size());
}

void FullBuild(benchmark::State& state)
{
    for (auto _ : state)
    {
        g_selector->UpdateWidget(kWidth, kHeight);
    }
    state.counters["pages"] = g_selector->GetPageCount();
    state.counters["elements"] = static_cast<double>(ShownElements(0));
    if (ShownElements(0) != g_fullPictures.size())
    {
        state.SkipWithError("the pages show another number of pictures than the decode reads");
    }
}

void DecodeFullBuildPictures(benchmark::State& state)
{
    Decode(state, g_fullPictures);
}

void RebuildAfterPoseChoice(benchmark::State& state)
{
    g_selector->UpdateWidget(kWidth, kHeight);
    for (auto _ : state)
    {
        g_selector->RebuildExeptPoses(g_form, kWidth);
    }
    state.counters["elements"] = static_cast<double>(ShownElements(1));
    if (ShownElements(1) != g_partialPictures.size())
    {
        state.SkipWithError("the pages show another number of pictures than the decode reads");
    }
}

void DecodeRebuildPictures(benchmark::State& state)
{
    Decode(state, g_partialPictures);
}

BENCHMARK(FullBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeFullBuildPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(RebuildAfterPoseChoice)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeRebuildPictures)->Unit(benchmark::kMillisecond);

// Prints the runs as usual and keeps their times, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
        {
            if (!run.error_occurred)
            {
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
    }
    void PrintRatio(const char* what, const std::string& pages, const std::string& decode) const
    {
        const auto p = times.find(pages);
        const auto d = times.find(decode);
        if (p != times.end() && d != times.end() && d->second > 0)
        {
            std::printf("%s: pages / decoding = %.2f\n", what, p->second / d->second);
        }
    }
    std::map<std::string, double> times;
};

// The character with the most elements.
CharacterData* LargestCharacter()
{
    CharacterData* largest = nullptr;
    std::int32_t most = -1;
    for (std::int32_t i = 0; i < Data2::GetCharacterCount(); ++i)
    {
        CharacterData* character = Data2::GetCharacter(i);
        std::int32_t count = 0;
        for (auto which :
             {CharacterData::SKINS, CharacterData::CLOTH, CharacterData::POSES, CharacterData::ASSETS})
        {
            count += character->GetCount(which);
        }
        if (count > most)
        {
            most = count;
            largest = character;
        }
    }
    return largest;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    TempFolder appData;
    TempFolder repository;
    setenv("LOCALAPPDATA", appData.Path().c_str(), 1);
    const std::string generate = std::string("\"") + ZANRET_SAMPLES_GENERATOR + "\" \"" +
                                 repository.Path().string() +
                                 "/large\" --characters 1 --outfits 12 --poses 20 --assets 40 >/dev/null";
    if (std::system(generate.c_str()) != 0)
    {
        std::fprintf(stderr, "could not generate the repository\n");
        return 1;
    }
    const std::wstring path = (repository.Path() / "large").wstring() + L"\\";
    Settings::LoadSettings();
    Settings::SetPath(path.c_str());
    Parser2::ParseRepository(path.c_str());
    Data2::SetValid(true);

    CharacterData* character = LargestCharacter();
    if (!character || character->GetCount(CharacterData::CLOTH) == 0)
    {
        std::fprintf(stderr, "no character with an outfit\n");
        return 1;
    }
    Selection2::SetCharacter(Field(character, L"id").c_str());
    Selection2::SetCloth(Field(character->GetContainerElement(CharacterData::CLOTH, 0), L"id").c_str());

    hostforms::MaxForm form;
    form.resize(kWidth, kHeight);
    MainWindowGeneralSelector selector;
    selector.CreateWidget(&form);
    g_form = &form;
    g_selector = &selector;
    // The first build chooses the pose the pictures are listed for.
    selector.UpdateWidget(kWidth, kHeight);
    ListPictures(character);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("full build (UpdateWidget)", "FullBuild", "DecodeFullBuildPictures");
    reporter.PrintRatio("rebuild after a pose choice", "RebuildAfterPoseChoice", "DecodeRebuildPictures");
    benchmark::Shutdown();

    g_selector = nullptr;
    Selection2::Clear();
    Data2::Reset();
    Settings::FreeSettings();
    return 0;
}
