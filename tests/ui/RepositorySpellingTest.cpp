// The sample repository read, validated, shown and built with its path spelled in other ways: with
// the other separator, with a doubled trailing one or none, also where the settings spell it
// otherwise than the catalogue was read with. Every element is as available, every picture the same and every
// build the same as with the plain spelling.

#include "WindowFixture.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Fields.h"
#include "repository/Parser2.h"
#include "repository/Settings.h"
#include "scene/Builder.h"
#include "scene/ObjectDatabase.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowClothPreview.h"
#include "ui/MainWindowClothSelector.h"

#include <hostforms/PictureBox.h>
#include <hostsdk/Host.h>
#include <hostsdk/hostsdk.h>

#include <QTreeWidget>

#include <algorithm>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
// What the store, the window and the builder make of one reading of the repository.
struct Outcome
{
    // One line per element: its id and whether it is available.
    std::vector<std::wstring> availability;
    // The outfit pictures of each character, with their overlays.
    std::vector<QImage> outfitPictures;
    // Every page of every outfit.
    std::vector<WindowFixture::Shown> pages;
    // One line per node built for each outfit, and the messages of each build.
    std::vector<std::wstring> built;
};

std::wstring Id(const DataContainer* element)
{
    return element->CheckDatafield(L"id") ? std::wstring(Fields::Value(element, L"id")) : L"?";
}

std::wstring Flag(const DataContainer* element)
{
    return element->GetFastFlag(DataContainer::AVAILABLE) ? L" available" : L" missing";
}

std::vector<std::wstring> Availability()
{
    std::vector<std::wstring> lines;
    for (std::int32_t g = 0; g < Data2::GetGlobalAssetCount(); ++g)
    {
        const DataContainer* asset = Data2::GetGlobalAsset(g);
        lines.push_back(L"global " + Id(asset) + Flag(asset));
    }
    for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        const CharacterData* character = Data2::GetCharacter(c);
        lines.push_back(Id(character) + Flag(character));
        for (const auto list : {CharacterData::CLOTH, CharacterData::POSES, CharacterData::ASSETS})
        {
            for (std::int32_t i = 0; i < character->GetCount(list); ++i)
            {
                const DataContainer* element = character->GetContainerElement(list, i);
                std::wstring line = L"  " + Id(element) + Flag(element);
                if (list == CharacterData::CLOTH)
                    line += L" " + std::wstring(Fields::Value(element, L"available"));
                lines.push_back(line);
            }
        }
    }
    return lines;
}

// The scene the builder made: each node with its mesh and material.
std::vector<std::wstring> Built(INode* parent)
{
    if (!parent)
        return {L"nothing built"};
    std::vector<std::wstring> lines;
    for (INode* node : Host::SceneNodes())
    {
        std::wstring line = hostsdk::ToWide(node->GetName());
        if (Object* object = node->GetObjectRef(); object && object->SuperClassID() == GEOMOBJECT_CLASS_ID)
        {
            line += Host::ProxyMeshLoadedFromFile(object) ? L" mesh " : L" placeholder ";
            line += std::to_wstring(Host::ProxyMeshTriangleCount(object));
        }
        if (Mtl* material = node->GetMtl())
            line += L" material " + hostsdk::ToWide(material->GetName().data());
        lines.push_back(line);
    }
    return lines;
}
} // namespace

class RepositorySpellingTest : public WindowFixture
{
protected:
    void SetUp() override { Host::Reset(); }
    void TearDown() override
    {
        WindowFixture::TearDown();
        Host::Reset();
    }

    // The catalogue read from one spelling of the repository path while the settings hold another,
    // the store validated, then the window opened and every character and outfit in it chosen in
    // turn, each outfit built.
    Outcome ReadShowAndBuild(const std::wstring& readFrom, const std::wstring& stored)
    {
        Outcome outcome;
        Settings::LoadSettings();
        Settings::SetPath(stored.c_str());
        Parser2::ParseRepository(readFrom.c_str());
        Data2::SetValid(true);
        outcome.availability = Availability();
        Commands::CallMainWindow();
        Flush();
        if (!Window())
            return outcome;

        for (const QString& character : TopLevelNames())
        {
            ClickNode(Node(character));
            for (const auto& preview : Window()->ClothSelector()->Elements())
                outcome.outfitPictures.push_back(preview->Preview()->Image());
            for (const QString& outfit : ChildNames(character))
            {
                ClickNode(Node(character, outfit));
                const std::vector<Shown> pages = ShowEveryPage();
                outcome.pages.insert(outcome.pages.end(), pages.begin(), pages.end());

                Host::NewScene();
                ObjectDatabase::Clear();
                m_log.Clear();
                const std::vector<std::wstring> built = Built(Builder::BuildCharacter());
                outcome.built.insert(outcome.built.end(), built.begin(), built.end());
                outcome.built.push_back(L"errors " + std::to_wstring(m_log.CountOfType(DEBUG_ERROR)) +
                                        L", materials not found " +
                                        std::to_wstring(m_log.Count(DEBUG_INFO, L"Could not find material")));
            }
        }
        Window()->close();
        Flush();
        Data2::Reset();
        return outcome;
    }
};

TEST_F(RepositorySpellingTest, EverySpellingOfTheRepositoryPathReadsShowsAndBuildsTheSame)
{
    const std::wstring plain = SamplesPath();
    ASSERT_FALSE(plain.empty()) << "ZANRET_SAMPLES is not set";
    std::wstring otherSeparator = plain;
    for (wchar_t& c : otherSeparator)
        c = c == L'/' ? L'\\' : c == L'\\' ? L'/' : c;
    const std::wstring doubledSeparator = plain + L"\\";
    const std::wstring withoutSeparator = plain.substr(0, plain.size() - 1);

    const Outcome expected = ReadShowAndBuild(plain, plain);
    // The plain spelling itself finds the sample as it is.
    ASSERT_GT(std::count_if(expected.availability.begin(), expected.availability.end(),
                            [](const std::wstring& line) { return line.ends_with(L" available"); }),
              10);
    ASSERT_GT(expected.outfitPictures.size(), 5u);
    ASSERT_TRUE(std::none_of(expected.outfitPictures.begin(), expected.outfitPictures.end(),
                             [](const QImage& picture) { return picture.isNull(); }));
    ASSERT_GT(expected.pages.size(), 10u);
    ASSERT_GT(std::count_if(expected.built.begin(), expected.built.end(),
                            [](const std::wstring& line)
                            { return line.find(L" mesh ") != std::wstring::npos; }),
              10);

    // Each spelling read from, and stored while another one (or the same) was read from.
    const std::vector<std::wstring> spellings = {plain, withoutSeparator, otherSeparator, doubledSeparator};
    std::vector<std::pair<std::wstring, std::wstring>> pairs;
    for (const std::wstring& readFrom : spellings)
    {
        for (const std::wstring& stored : spellings)
        {
            if (readFrom != plain || stored != plain)
                pairs.emplace_back(readFrom, stored);
        }
    }
    for (const auto& [readFrom, stored] : pairs)
    {
        SCOPED_TRACE(QString::fromStdWString(L"read from " + readFrom + L", stored " + stored).toStdString());
        const Outcome outcome = ReadShowAndBuild(readFrom, stored);
        EXPECT_EQ(outcome.availability, expected.availability);
        EXPECT_TRUE(outcome.outfitPictures == expected.outfitPictures);
        EXPECT_TRUE(outcome.pages == expected.pages);
        EXPECT_EQ(outcome.built, expected.built);
    }
}
