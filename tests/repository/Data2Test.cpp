#include "repository/Data2.h"
#include "LocalAppData.h"
#include "MessageLog.h"
#include "TempFolder.h"
#include "repository/Fields.h"
#include "repository/Parser2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace ZANRET;

namespace
{
DataContainer* AddElement(CharacterData* character, CharacterData::CONTAINER which, const wchar_t* id,
                          const wchar_t* folder)
{
    DataContainer* element = character->GetContainerElement(which, character->AddContainerElement(which));
    element->SetData(L"id", id);
    if (folder)
        element->SetData(L"folder", folder);
    return element;
}

DataContainer* AddGlobal(const wchar_t* id, const wchar_t* folder)
{
    DataContainer* asset = Data2::GetGlobalAsset(Data2::AddGlobalAsset());
    asset->SetData(L"id", id);
    if (folder)
        asset->SetData(L"folder", folder);
    return asset;
}

bool Available(const DataContainer* element)
{
    return element->GetFastFlag(DataContainer::AVAILABLE);
}
} // namespace

TEST(Data2, UniqueIdsCountByTenAndRestartAfterReset)
{
    CleanModel clean;
    MessageLog log;
    CharacterData* character = Data2::GetCharacter(Data2::AddCharacter());
    ASSERT_NE(character, nullptr);
    DataContainer* skin = AddElement(character, CharacterData::SKINS, L"s", nullptr);
    EXPECT_EQ(Data2::GetUnique(character), 1010);
    EXPECT_EQ(Data2::GetUnique(skin), 1020);
    EXPECT_EQ(Data2::GetUnique(character), 1010);

    EXPECT_EQ(Data2::GetUnique(nullptr), 0);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Data2::GetUnique: invalid argument"));
    log.Clear();
    Data2::RegisterID(nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Data2::RegisterID: invalid argument"));

    EXPECT_EQ(Data2::GetIdOfUnique(0), nullptr);
    EXPECT_EQ(Data2::GetIdOfUnique(1030), nullptr);
    EXPECT_EQ(Data2::GetIdOfUnique(1015), nullptr);
    EXPECT_STREQ(Data2::GetIdOfUnique(1020), L"s");
    DataContainer* pose = AddElement(character, CharacterData::POSES, L"p", nullptr);
    Data2::RegisterID(pose);
    EXPECT_EQ(Data2::GetUnique(pose), 1030);
    EXPECT_EQ(Data2::NextUnique(), 1040);
    EXPECT_EQ(Data2::GetUnique(AddElement(character, CharacterData::POSES, L"q", nullptr)), 1050);

    Data2::Reset();
    Data2::Reset();
    EXPECT_EQ(Data2::GetCharacterCount(), 0);
    EXPECT_EQ(Data2::GetIdOfUnique(1010), nullptr);
    const int index = Data2::AddCharacterWithId(L"Anna", L"anna", L"http://shop");
    EXPECT_EQ(index, 0);
    CharacterData* anna = Data2::GetCharacter(index);
    EXPECT_EQ(Data2::GetUnique(anna), 1010);
    bool found = false;
    EXPECT_STREQ(anna->GetData(L"name", &found), L"Anna");
    EXPECT_STREQ(anna->GetData(L"url", &found), L"http://shop");
    EXPECT_STREQ(Data2::GetIdOfUnique(1010), L"anna");
}

TEST(Data2, CharactersAndGlobalAssetsByIndexAndId)
{
    CleanModel clean;
    MessageLog log;
    EXPECT_EQ(Data2::AddCharacter(), 0);
    EXPECT_EQ(Data2::AddCharacter(), 1);
    EXPECT_EQ(Data2::AddCharacter(), 2);
    Data2::GetCharacter(0)->SetData(L"id", L"same");
    Data2::GetCharacter(2)->SetData(L"id", L"same");
    EXPECT_EQ(Data2::GetCharacterCount(), 3);
    log.Clear();
    EXPECT_EQ(Data2::GetCharacter(-1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Data2::GetCharacter: index out of range"));
    log.Clear();
    EXPECT_EQ(Data2::GetCharacter(3), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Data2::GetCharacter: index out of range"));
    log.Clear();
    EXPECT_EQ(Data2::GetCharacter(static_cast<const wchar_t*>(nullptr)), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Data2::GetCharacter: invalid argument"));
    EXPECT_EQ(Data2::GetCharacter(L"same"), Data2::GetCharacter(0));
    EXPECT_EQ(Data2::GetCharacter(L"Same"), nullptr);
    EXPECT_EQ(Data2::GetCharacter(L""), nullptr);
    Data2::GetCharacter(1)->SetData(L"id", L"");
    EXPECT_EQ(Data2::GetCharacter(L""), Data2::GetCharacter(1));

    DataContainer* hat = AddGlobal(L"hat", nullptr);
    EXPECT_EQ(Data2::GetGlobalAssetCount(), 1);
    log.Clear();
    EXPECT_EQ(Data2::GetGlobalAsset(1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Data2::GetGlobalAsset: index out of range"));
    log.Clear();
    EXPECT_EQ(Data2::GetGlobalAssetById(nullptr), nullptr);
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 1);
    EXPECT_EQ(Data2::GetGlobalAssetById(L"hat"), hat);
    log.Clear();
    EXPECT_EQ(Data2::AddMaterialToGlobalaAsset(nullptr), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Data2::AddMaterialToGlobalaAsset: could not get asset element"));
    DataContainer* material = Data2::AddMaterialToGlobalaAsset(hat);
    ASSERT_EQ(hat->GetChildCount(), 1);
    EXPECT_EQ(hat->GetChild(0), material);

    DataContainer reference;
    EXPECT_EQ(Data2::GetGlobalAssetOf(nullptr), nullptr);
    EXPECT_EQ(Data2::GetGlobalAssetOf(&reference), nullptr);
    reference.SetData(L"globalID", L"hat");
    EXPECT_EQ(Data2::GetGlobalAssetOf(&reference), hat);
    reference.SetData(L"globalID", L"cap");
    EXPECT_EQ(Data2::GetGlobalAssetOf(&reference), nullptr);
    EXPECT_FALSE(Data2::CheckAssetGlobal(nullptr));
    EXPECT_FALSE(Data2::CheckAssetGlobal(&reference));
    reference.SetData(L"type", L"Global");
    EXPECT_FALSE(Data2::CheckAssetGlobal(&reference));
    reference.SetData(L"type", L"global");
    EXPECT_TRUE(Data2::CheckAssetGlobal(&reference));
}

TEST(Data2, GlobalAssetAndMaterialByUnique)
{
    CleanModel clean;
    CharacterData* character = Data2::GetCharacter(Data2::AddCharacter());
    DataContainer* own = AddElement(character, CharacterData::ASSETS, L"own", nullptr);
    const int ownUnique = Data2::GetUnique(own);
    DataContainer* first = AddGlobal(L"g1", nullptr);
    DataContainer* second = AddGlobal(L"g2", nullptr);
    DataContainer* material = Data2::AddMaterialToGlobalaAsset(second);
    const int materialUnique = Data2::GetUnique(material);
    const int secondUnique = Data2::GetUnique(second);

    DataContainer* asset = nullptr;
    DataContainer* outMaterial = first;
    EXPECT_TRUE(Data2::GetGlobalAssetAndMaterial(materialUnique, &asset, &outMaterial));
    EXPECT_EQ(asset, second);
    EXPECT_EQ(outMaterial, material);
    EXPECT_TRUE(Data2::GetGlobalAssetAndMaterial(secondUnique, &asset, &outMaterial));
    EXPECT_EQ(asset, second);
    EXPECT_EQ(outMaterial, nullptr);

    DataContainer* untouched = own;
    DataContainer* untouchedMaterial = own;
    EXPECT_FALSE(Data2::GetGlobalAssetAndMaterial(ownUnique, &untouched, &untouchedMaterial));
    EXPECT_EQ(untouched, own);
    EXPECT_EQ(untouchedMaterial, own);
    // The walk registered the first global asset on its way.
    EXPECT_NE(Data2::GetUnique(first), 0);

    EXPECT_TRUE(Data2::IsGlobalAssetUnique(secondUnique));
    EXPECT_FALSE(Data2::IsGlobalAssetUnique(materialUnique));
    EXPECT_FALSE(Data2::IsGlobalAssetUnique(ownUnique));
    EXPECT_FALSE(Data2::IsGlobalAssetUnique(0));
}

TEST(Data2, DeletedElementsLeaveNoEntryBehind)
{
    CleanModel clean;
    CharacterData* character = Data2::GetCharacter(Data2::AddCharacter());
    const int characterUnique = Data2::GetUnique(character);
    int lastUnique = characterUnique;
    // Many short-lived elements, so that the allocator hands a freed address out again.
    for (int i = 0; i < 50; ++i)
    {
        auto* temporary = new DataContainer();
        temporary->SetData(L"id", L"gone");
        const int unique = Data2::GetUnique(temporary);
        delete temporary;
        EXPECT_EQ(Data2::GetIdOfUnique(unique), nullptr);
        auto* next = new DataContainer();
        next->SetData(L"id", L"new");
        const int nextUnique = Data2::GetUnique(next);
        EXPECT_GT(nextUnique, lastUnique);
        EXPECT_NE(nextUnique, unique);
        EXPECT_STREQ(Data2::GetIdOfUnique(nextUnique), L"new");
        lastUnique = nextUnique;
        delete next;
    }
    EXPECT_EQ(Data2::GetUnique(character), characterUnique);
}

TEST(Data2, ValidationAgainstTheDisk)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData localAppData(appData.Path());
    TempFolder repository;
    repository.MakeFolder("anna/jeans");
    repository.MakeFolder("anna/standing");
    repository.MakeFolder("anna/cap");
    repository.MakeFolder("global_assets/bag");
    repository.WriteFile("global_assets/file", "not a folder");
    repository.WriteFile("anna/notafolder", "x");
    ASSERT_TRUE(Settings::LoadSettings());
    ASSERT_TRUE(Settings::SetPath(repository.WidePath().c_str()));

    DataContainer* bag = AddGlobal(L"bag", L"bag");
    DataContainer* noFolder = AddGlobal(L"nofolder", nullptr);
    DataContainer* file = AddGlobal(L"file", L"file");

    const std::wstring annaFolder = repository.WidePath() + L"\\anna";
    CharacterData* anna = Data2::GetCharacter(Data2::AddCharacter());
    anna->SetData(L"folder", annaFolder.c_str());
    DataContainer* jeans = AddElement(anna, CharacterData::CLOTH, L"jeans", L"jeans");
    DataContainer* missingCloth = AddElement(anna, CharacterData::CLOTH, L"skirt", L"skirt");
    DataContainer* standing = AddElement(anna, CharacterData::POSES, L"standing", L"standing");
    DataContainer* filePose = AddElement(anna, CharacterData::POSES, L"sitting", L"notafolder");
    DataContainer* cap = AddElement(anna, CharacterData::ASSETS, L"cap", L"cap");
    DataContainer* noFolderAsset = AddElement(anna, CharacterData::ASSETS, L"scarf", nullptr);
    DataContainer* bagRef = AddElement(anna, CharacterData::ASSETS, L"bagref", nullptr);
    bagRef->SetData(L"type", L"global");
    bagRef->SetData(L"globalID", L"bag");
    DataContainer* danglingRef = AddElement(anna, CharacterData::ASSETS, L"ghost", L"cap");
    danglingRef->SetData(L"type", L"global");
    danglingRef->SetData(L"globalID", L"nothing");
    DataContainer* noFolderRef = AddElement(anna, CharacterData::ASSETS, L"nf", L"cap");
    noFolderRef->SetData(L"type", L"global");
    noFolderRef->SetData(L"globalID", L"nofolder");
    DataContainer* skin = AddElement(anna, CharacterData::SKINS, L"pale", L"jeans");
    DataContainer* category = AddElement(anna, CharacterData::CATEGORIES, L"hats", L"jeans");

    CharacterData* gone = Data2::GetCharacter(Data2::AddCharacter());
    gone->SetData(L"folder", (repository.WidePath() + L"\\gone").c_str());
    DataContainer* goneCloth = AddElement(gone, CharacterData::CLOTH, L"jeans", L"..\\anna\\jeans");
    CharacterData* noFolderCharacter = Data2::GetCharacter(Data2::AddCharacter());
    const int uniqueBefore = Data2::GetUnique(jeans);

    MessageLog log;
    EXPECT_FALSE(Data2::IsValid());
    Data2::SetValid(true);
    EXPECT_TRUE(Data2::IsValid());
    ASSERT_FALSE(log.Messages().empty());
    EXPECT_EQ(log.Messages()[0].type, DEBUG_INFO);
    EXPECT_EQ(log.Messages()[0].text, L"validate data...");
    EXPECT_EQ(log.Count(DEBUG_INFO, L"set global asset invalid..."), 2);

    EXPECT_TRUE(Available(bag));
    EXPECT_FALSE(Available(noFolder));
    EXPECT_FALSE(Available(file));
    EXPECT_TRUE(Available(anna));
    EXPECT_TRUE(Available(jeans));
    EXPECT_FALSE(Available(missingCloth));
    EXPECT_TRUE(Available(standing));
    EXPECT_FALSE(Available(filePose));
    EXPECT_TRUE(Available(cap));
    EXPECT_FALSE(Available(noFolderAsset));
    EXPECT_TRUE(Available(bagRef));
    // An unresolved reference is not tested against its own folder.
    EXPECT_FALSE(Available(danglingRef));
    EXPECT_FALSE(Available(noFolderRef));
    EXPECT_FALSE(Available(skin));
    EXPECT_FALSE(Available(category));
    EXPECT_FALSE(Available(gone));
    EXPECT_FALSE(Available(goneCloth));
    EXPECT_FALSE(Available(noFolderCharacter));

    EXPECT_TRUE(Data2::ValidateElement(jeans, annaFolder.c_str()));
    EXPECT_FALSE(Data2::ValidateElement(nullptr, annaFolder.c_str()));
    EXPECT_FALSE(Data2::ValidateElement(jeans, nullptr));
    EXPECT_TRUE(Available(jeans));
    Data2::ValidateCharacter(nullptr);

    EXPECT_TRUE(Data2::DirectoryExists(annaFolder.c_str()));
    EXPECT_FALSE(Data2::DirectoryExists((annaFolder + L"\\notafolder").c_str()));
    EXPECT_FALSE(Data2::DirectoryExists(nullptr));

    Data2::SetValid(false);
    EXPECT_FALSE(Data2::IsValid());
    EXPECT_EQ(Data2::GetCharacterCount(), 3);
    EXPECT_EQ(Data2::GetUnique(jeans), uniqueBefore);
    Data2::Reset();
    EXPECT_EQ(Data2::GetCharacterCount(), 0);
    EXPECT_EQ(Data2::GetGlobalAssetCount(), 0);
    EXPECT_FALSE(Data2::IsValid());
}

// A catalogue that names folders beside the repository: they are not there for validation, even
// though the disk has them. Folders that climb about inside the repository are found as before.
TEST(Data2, FoldersOutsideTheRepositoryAreNotFound)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData localAppData(appData.Path());
    TempFolder root;
    for (const char* folder :
         {"repo/anna/previews", "repo/anna/skin", "repo/anna/jeans", "repo/anna/standing", "repo/bea/coat",
          "repo/global_assets/bag", "outside/previews", "outside/skin", "outside/jeans", "outside/standing",
          "outside/far", "outside/cap", "outside/bag"})
        root.MakeFolder(folder);
    for (const char* cloth : {"jeans", "near", "far"})
        root.WriteFile(std::string("repo/anna/previews/preview_") + cloth + ".png", "png");
    root.WriteFile("outside/previews/preview_jeans.png", "png");
    root.WriteFile("repo/zanret.xml", R"(<zanret>
  <character id="anna" name="Anna" folder="anna">
    <skins><skin id="light"/></skins>
    <cloth>
      <clothing id="jeans" name="Jeans" folder="jeans"/>
      <clothing id="near" name="Near" folder="..\bea\coat"/>
      <clothing id="far" name="Far" folder="..\..\outside\far"/>
    </cloth>
    <poses>
      <pose id="standing" folder="standing"/>
      <pose id="away" folder="standing\..\..\..\outside\standing"/>
    </poses>
    <assets>
      <asset id="cap" folder="../../outside/cap"/>
      <asset id="bagref" type="global" globalID="farbag"/>
      <asset id="nearbag" type="global" globalID="bag"/>
    </assets>
  </character>
  <character id="stranger" name="Stranger" folder="..\outside">
    <skins><skin id="light"/></skins>
    <cloth><clothing id="jeans" name="Jeans" folder="jeans"/></cloth>
    <poses><pose id="standing" folder="standing"/></poses>
  </character>
  <globalAssets>
    <asset id="bag" folder="bag"/>
    <asset id="farbag" folder="..\..\outside\bag"/>
  </globalAssets>
</zanret>)");
    const std::wstring repository = (root.Path() / "repo").wstring() + L"\\";
    ASSERT_TRUE(Settings::LoadSettings());
    ASSERT_TRUE(Settings::SetPath(repository.c_str()));
    ASSERT_TRUE(Parser2::ParseRepository(repository.c_str()));
    Data2::SetValid(true);

    CharacterData* anna = Data2::GetCharacter(L"anna");
    ASSERT_NE(anna, nullptr);
    EXPECT_TRUE(Available(anna));
    EXPECT_TRUE(Available(anna->GetCloth(L"jeans")));
    EXPECT_TRUE(Available(anna->GetCloth(L"near")));
    EXPECT_FALSE(Available(anna->GetCloth(L"far")));
    EXPECT_TRUE(Available(anna->GetPose(L"standing")));
    EXPECT_FALSE(Available(anna->GetPose(L"away")));
    EXPECT_FALSE(Available(anna->GetAsset(L"cap")));
    EXPECT_FALSE(Available(anna->GetAsset(L"bagref")));
    EXPECT_TRUE(Available(anna->GetAsset(L"nearbag")));
    EXPECT_TRUE(Available(Data2::GetGlobalAssetById(L"bag")));
    EXPECT_FALSE(Available(Data2::GetGlobalAssetById(L"farbag")));

    // The reader's own existence tests agree: an outfit whose folder climbs out is "notavailable"
    // however the disk stands, and the character beside the repository is never read at all.
    EXPECT_STREQ(Fields::Value(anna->GetCloth(L"near"), L"available"), L"available");
    EXPECT_STREQ(Fields::Value(anna->GetCloth(L"far"), L"available"), L"notavailable");
    EXPECT_EQ(Data2::GetCharacter(L"stranger"), nullptr);
    EXPECT_EQ(Data2::GetCharacterCount(), 1);

    // A character that holds such a folder all the same is validated as not there, with its
    // elements.
    const std::int32_t index = Data2::AddCharacter();
    CharacterData* stranger = Data2::GetCharacter(index);
    ASSERT_NE(stranger, nullptr);
    stranger->SetData(L"folder", (repository + L"\\..\\outside").c_str());
    stranger->AddCloth(L"jeans", L"Jeans", L"jeans", L"");
    DataContainer* jeans = stranger->GetCloth(L"jeans");
    ASSERT_NE(jeans, nullptr);
    ASSERT_TRUE(Data2::DirectoryExists(Fields::Value(stranger, L"folder")));
    Data2::SetValid(true);
    EXPECT_FALSE(Available(stranger));
    EXPECT_FALSE(Data2::ValidateElement(jeans, Fields::Value(stranger, L"folder")));
}

TEST(Data2, RegistrationsEndWithTheElementOrTheReset)
{
    CleanModel clean;
    DataContainer outside;
    outside.SetData(L"id", L"outside");
    EXPECT_EQ(Data2::GetUnique(&outside), 1010);
    auto* gone = new DataContainer();
    gone->SetData(L"id", L"gone");
    EXPECT_EQ(Data2::GetUnique(gone), 1020);
    delete gone;
    EXPECT_EQ(Data2::GetIdOfUnique(1020), nullptr);
    EXPECT_EQ(Data2::NextUnique(), 1030);
    EXPECT_EQ(Data2::NextUnique(), 1040);
    DataContainer later;
    EXPECT_EQ(Data2::GetUnique(&later), 1050);
    EXPECT_EQ(Data2::GetIdOfUnique(1030), nullptr);
    EXPECT_EQ(Data2::GetIdOfUnique(1060), nullptr);
    EXPECT_STREQ(Data2::GetIdOfUnique(1010), L"outside");

    // After a Reset an element that outlived it is new to the store.
    Data2::Reset();
    EXPECT_EQ(Data2::GetIdOfUnique(1010), nullptr);
    EXPECT_EQ(Data2::GetUnique(&later), 1010);
    EXPECT_EQ(Data2::GetUnique(&outside), 1020);
    EXPECT_EQ(Data2::GetUnique(&later), 1010);
    EXPECT_STREQ(Data2::GetIdOfUnique(1020), L"outside");
}

TEST(Data2, EachElementOfACharacterIsTestedOnItsOwnPath)
{
    // Validation forms the paths of one character's elements one after the other in the same
    // memory: nothing of a longer path before may stay in a shorter one after it.
    CleanModel clean;
    TempFolder appData;
    LocalAppData localAppData(appData.Path());
    TempFolder outside;
    TempFolder repository;
    repository.MakeFolder("anna/cap");
    repository.MakeFolder("anna/caf\xc3\xa9");
    ASSERT_TRUE(Settings::LoadSettings());
    ASSERT_TRUE(Settings::SetPath(repository.WidePath().c_str()));
    CharacterData* anna = Data2::GetCharacter(Data2::AddCharacter());
    anna->SetData(L"folder", (repository.WidePath() + L"\\anna").c_str());
    const std::wstring escape = L"..\\..\\..\\..\\..\\..\\..\\..\\.." + outside.WidePath();
    const struct
    {
        const wchar_t* folder;
        bool available;
    } assets[] = {{L"cap\\missing\\longer", false},
                  {L"cap", true},
                  {L"ca", false},
                  {L"caf\u00e9", true},
                  {L"cap\\\\/", true},
                  {escape.c_str(), false},
                  {L"cap\\..\\cap", true},
                  {L"..\\anna\\cap", true},
                  {L"", true}};
    for (const auto& asset : assets)
        AddElement(anna, CharacterData::ASSETS, L"a", asset.folder);
    Data2::SetValid(true);
    for (std::size_t i = 0; i < std::size(assets); ++i)
        EXPECT_EQ(Available(anna->GetContainerElement(CharacterData::ASSETS, static_cast<int>(i))),
                  assets[i].available)
            << i;
}

namespace
{
// Every element whose availability validation sets, in one order: the global assets, then each
// character with its cloths, poses and assets.
std::vector<DataContainer*> ValidatedElements()
{
    std::vector<DataContainer*> elements;
    for (int g = 0; g < Data2::GetGlobalAssetCount(); ++g)
        elements.push_back(Data2::GetGlobalAsset(g));
    for (int c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        CharacterData* character = Data2::GetCharacter(c);
        elements.push_back(character);
        for (auto list : {CharacterData::CLOTH, CharacterData::POSES, CharacterData::ASSETS})
        {
            for (int i = 0; i < character->GetCount(list); ++i)
                elements.push_back(character->GetContainerElement(list, i));
        }
    }
    return elements;
}

std::vector<std::pair<DEBUG_TYPE, std::wstring>> Sequence(const MessageLog& log)
{
    std::vector<std::pair<DEBUG_TYPE, std::wstring>> sequence;
    for (const DebugRecord& message : log.Messages())
        sequence.emplace_back(message.type, message.text);
    return sequence;
}
} // namespace

TEST(Data2, ValidateIsTheGlobalAssetsThenEachCharacterInTurn)
{
    // Characters with a random mix of folders that are there, missing, not given, outside the
    // repository or back in it, and references to global assets that are there, missing or
    // unknown. Flags start at random: a character that is not there and an unresolved reference
    // leave them as they are.
    CleanModel clean;
    TempFolder appData;
    LocalAppData localAppData(appData.Path());
    TempFolder root;
    root.MakeFolder("outside/x");
    const std::wstring repository = (root.Path() / "repo").wstring() + L"\\";
    std::mt19937 random(20260611u);
    const auto pick = [&random](unsigned n) { return random() % n; };
    const auto wide = [](const std::string& text) { return std::wstring(text.begin(), text.end()); };
    const auto giveFolder = [&](DataContainer* element, const std::string& base, const std::string& name)
    {
        switch (pick(5))
        {
        case 0:
            root.MakeFolder(base + "/" + name);
            element->SetData(L"folder", wide(name).c_str());
            break;
        case 1:
            element->SetData(L"folder", wide(name).c_str());
            break;
        case 2:
            break;
        case 3:
            element->SetData(L"folder", L"..\\..\\outside\\x");
            break;
        default:
            root.MakeFolder(base + "/" + name);
            element->SetData(L"folder", wide(".\\" + name + "\\..\\" + name).c_str());
        }
        element->SetFastFlag(DataContainer::AVAILABLE, pick(2) == 1);
    };

    // The second global asset has no id: every look-up past it reports the missing field.
    const wchar_t* globalIds[] = {L"g0", nullptr, L"g2", L"g3", L"g4"};
    for (int g = 0; g < 5; ++g)
    {
        DataContainer* asset = Data2::GetGlobalAsset(Data2::AddGlobalAsset());
        if (globalIds[g])
            asset->SetData(L"id", globalIds[g]);
        giveFolder(asset, "repo/global_assets", "g" + std::to_string(g));
    }
    const wchar_t* references[] = {L"g0", L"g2", L"g3", L"g4", L"unknown", nullptr};
    for (int c = 0; c < 48; ++c)
    {
        CharacterData* character = Data2::GetCharacter(Data2::AddCharacter());
        const std::string name = "c" + std::to_string(c);
        const unsigned kind = pick(8);
        if (kind < 5)
            root.MakeFolder("repo/" + name);
        if (kind < 6)
            character->SetData(L"folder", (repository + wide(name)).c_str());
        else if (kind == 7)
            character->SetData(L"folder", (repository + L"..\\outside").c_str());
        character->SetFastFlag(DataContainer::AVAILABLE, pick(2) == 1);
        for (unsigned i = 0, count = pick(4); i < count; ++i)
            giveFolder(AddElement(character, CharacterData::CLOTH, L"cloth", nullptr), "repo/" + name,
                       "cloth" + std::to_string(i));
        for (unsigned i = 0, count = pick(4); i < count; ++i)
            giveFolder(AddElement(character, CharacterData::POSES, L"pose", nullptr), "repo/" + name,
                       "pose" + std::to_string(i));
        for (unsigned i = 0, count = pick(6); i < count; ++i)
        {
            DataContainer* asset = AddElement(character, CharacterData::ASSETS, L"asset", nullptr);
            giveFolder(asset, "repo/" + name, "asset" + std::to_string(i));
            // Half are references; some of the others have no type at all.
            const unsigned type = pick(4);
            if (type < 2)
            {
                asset->SetData(L"type", L"global");
                if (const wchar_t* reference = references[pick(std::size(references))])
                    asset->SetData(L"globalID", reference);
            }
            else if (type == 2)
                asset->SetData(L"type", L"common");
        }
    }
    const std::vector<DataContainer*> elements = ValidatedElements();
    const auto flags = [&elements]
    {
        std::vector<bool> available;
        for (const DataContainer* element : elements)
            available.push_back(Available(element));
        return available;
    };
    const std::vector<bool> before = flags();
    const auto restore = [&]
    {
        for (std::size_t i = 0; i < elements.size(); ++i)
            elements[i]->SetFastFlag(DataContainer::AVAILABLE, before[i]);
    };

    // With the settings, and without them, where every character with a folder reports that.
    for (const bool withSettings : {true, false})
    {
        if (withSettings)
        {
            ASSERT_TRUE(Settings::LoadSettings());
            ASSERT_TRUE(Settings::SetPath(repository.c_str()));
        }
        else
            Settings::FreeSettings();
        restore();
        MessageLog log;
        Debug::AddDebugMessage(DEBUG_INFO, L"validate data...");
        Data2::ValidateGlobalAssets();
        for (int c = 0; c < Data2::GetCharacterCount(); ++c)
            Data2::ValidateCharacter(Data2::GetCharacter(c));
        const auto expectedMessages = Sequence(log);
        const std::vector<bool> expectedFlags = flags();
        if (withSettings)
        {
            EXPECT_GT(log.Count(DEBUG_INFO, L"set element invalid..."), 20);
            EXPECT_GT(log.Count(DEBUG_WARNING, L"Missing datafield:"), 20);
            EXPECT_GT(std::count(expectedFlags.begin(), expectedFlags.end(), true), 40);
        }
        else
            EXPECT_GT(log.Count(DEBUG_ERROR, L"Settings::GetPath - singleton is nullptr"), 20);
        EXPECT_NE(expectedFlags, before);

        restore();
        log.Clear();
        Data2::Validate();
        EXPECT_EQ(flags(), expectedFlags) << "settings " << withSettings;
        EXPECT_EQ(Sequence(log), expectedMessages) << "settings " << withSettings;
    }
}
