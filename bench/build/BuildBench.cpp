// The time of one build of the largest character of a sample repository with every asset it has,
// and the time of the material-library loads that build makes, replayed on their own.
//
// Two repositories: the default sample (ZANRET_SAMPLES, else the build's sample repository), and a
// generated one whose single character has many assets (when the build has the generator).

#include "TempFolder.h"

#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/Parser2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "scene/Builder.h"
#include "scene/ObjectDatabase.h"

#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"
#include "win32/fileapi.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
const wchar_t* Field(const DataContainer* element, const wchar_t* name)
{
    return element->CheckDatafield(name) ? Fields::Value(element, name) : L"";
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every asset of the character, each material of it as its own choice, global references as the
// global asset they name.
std::vector<std::int32_t> EveryAsset(const CharacterData* character)
{
    std::vector<std::int32_t> uniques;
    for (std::int32_t i = 0; i < character->GetCount(CharacterData::ASSETS); ++i)
    {
        DataContainer* asset = character->GetContainerElement(CharacterData::ASSETS, i);
        if (Data2::CheckAssetGlobal(asset))
            asset = Data2::GetGlobalAssetOf(asset);
        if (!asset)
            continue;
        if (asset->GetChildCount() == 0)
            uniques.push_back(Data2::GetUnique(asset));
        for (std::int32_t m = 0; m < asset->GetChildCount(); ++m)
            uniques.push_back(Data2::GetUnique(asset->GetChild(m)));
    }
    return uniques;
}

// Selects the character with the most asset choices in its first buildable cloth and pose; the
// number of choices, or 0 when nothing can be built.
std::size_t SelectLargestCharacter()
{
    std::size_t best = 0;
    for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        CharacterData* character = Data2::GetCharacter(c);
        const std::vector<std::int32_t> assets = EveryAsset(character);
        if (assets.size() <= best || !character->GetFastFlag(DataContainer::AVAILABLE))
            continue;
        for (std::int32_t k = 0; k < character->GetCount(CharacterData::CLOTH); ++k)
        {
            const DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, k);
            const DataContainer* styles = cloth->GetChild(CharacterData::MATERIAL);
            if (!styles || styles->GetChildCount() == 0 || character->GetCount(CharacterData::SKINS) == 0)
                continue;
            const DataContainer* pose = nullptr;
            for (std::int32_t p = 0; p < character->GetCount(CharacterData::POSES) && !pose; ++p)
            {
                const DataContainer* candidate = character->GetContainerElement(CharacterData::POSES, p);
                const std::wstring mesh = std::wstring(Field(character, L"folder")) + L"\\" +
                                          Field(cloth, L"folder") + L"\\" + Field(cloth, L"id") + L"_" +
                                          Field(candidate, L"id") + L".vrmesh";
                if (FileExists(mesh))
                    pose = candidate;
            }
            if (!pose)
                continue;
            Selection2::Clear();
            Selection2::SetCharacter(Field(character, L"id"));
            Selection2::SetCloth(Field(cloth, L"id"));
            Selection2::SetStyle(Field(styles->GetChild(0), L"id"));
            Selection2::SetPose(Field(pose, L"id"));
            Selection2::SetSkin(Field(character->GetContainerElement(CharacterData::SKINS, 0), L"id"));
            for (std::int32_t unique : assets)
                Selection2::AddAsset(unique);
            best = assets.size();
            break;
        }
    }
    return best;
}

// Host, settings and store for one repository; the selection made by SelectLargestCharacter.
class Repository
{
public:
    explicit Repository(const std::wstring& folder) : m_folder(folder)
    {
        setenv("LOCALAPPDATA", m_settings.Path().c_str(), 1);
        Host::Reset();
        ObjectDatabase::Clear();
        Data2::Reset();
        Selection2::Clear();
        Settings::LoadSettings();
        Settings::SetPath(m_folder.c_str());
        Parser2::ParseRepository(m_folder.c_str());
        Data2::SetValid(true);
        m_choices = SelectLargestCharacter();
    }
    ~Repository()
    {
        Debug::SetMessageHook({});
        Host::Reset();
        ObjectDatabase::Clear();
        Selection2::Clear();
        Data2::Reset();
        Settings::FreeSettings();
    }
    Repository(const Repository&) = delete;
    Repository& operator=(const Repository&) = delete;

    std::size_t Choices() const { return m_choices; }

private:
    TempFolder m_settings;
    std::wstring m_folder;
    std::size_t m_choices = 0;
};

// The library files one build loads, in order, read from the builder's messages.
std::vector<std::wstring> LibrariesLoadedByOneBuild()
{
    std::vector<std::wstring> libraries;
    bool next = false;
    Debug::SetMessageHook(
        [&](DEBUG_TYPE, const wchar_t* text)
        {
            const std::wstring message = text ? text : L"";
            if (next || (message.size() > 4 && message.ends_with(L".mat")))
                libraries.push_back(message);
            next = message == L"Search in material lib: ";
        });
    Host::NewScene();
    ObjectDatabase::Clear();
    Builder::BuildCharacter();
    Debug::SetMessageHook({});
    return libraries;
}

void RunBuild(benchmark::State& state, const std::wstring& folder)
{
    Repository repository(folder);
    if (repository.Choices() == 0)
    {
        state.SkipWithError("no buildable character");
        return;
    }
    int nodes = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        Host::NewScene();
        ObjectDatabase::Clear();
        state.ResumeTiming();
        INode* parent = Builder::BuildCharacter();
        benchmark::DoNotOptimize(parent);
        nodes = parent ? parent->NumberOfChildren() : 0;
    }
    state.counters["asset_choices"] = static_cast<double>(repository.Choices());
    state.counters["mesh_nodes"] = nodes;
}

void RunLibraryLoads(benchmark::State& state, const std::wstring& folder)
{
    Repository repository(folder);
    const std::vector<std::wstring> libraries = LibrariesLoadedByOneBuild();
    Interface* ip = GetCOREInterface();
    std::vector<std::basic_string<MCHAR>> paths;
    for (const std::wstring& library : libraries)
        paths.push_back(hostsdk::FromWide(library));
    for (auto _ : state)
        for (const auto& path : paths)
            benchmark::DoNotOptimize(ip->LoadMaterialLib(path.c_str()));
    state.counters["library_loads"] = static_cast<double>(paths.size());
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring DefaultSample()
{
    const char* samples = std::getenv("ZANRET_SAMPLES");
    return Wide(std::string(samples ? samples : ZANRET_DEFAULT_SAMPLES) + "\\");
}

#ifdef ZANRET_SAMPLES_GENERATOR
// One character with many assets, each with materials in its own library.
TempFolder g_large;

std::wstring LargeSample()
{
    static const std::wstring folder = []
    {
        const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + ZANRET_SAMPLES_GENERATOR +
                                    "' '" + g_large.Path().string() +
                                    "' --characters 1 --outfits 2 --poses 2 --assets 60 >/dev/null";
        if (std::system(command.c_str()) != 0)
            return std::wstring();
        return Wide(g_large.Path().string() + "\\");
    }();
    return folder;
}
#endif
} // namespace

BENCHMARK_CAPTURE(RunBuild, default_sample, DefaultSample())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunLibraryLoads, default_sample, DefaultSample())->Unit(benchmark::kMillisecond);
#ifdef ZANRET_SAMPLES_GENERATOR
BENCHMARK_CAPTURE(RunBuild, large_character, LargeSample())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunLibraryLoads, large_character, LargeSample())->Unit(benchmark::kMillisecond);
#endif

BENCHMARK_MAIN();
