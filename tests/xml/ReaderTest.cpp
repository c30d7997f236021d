// The catalogue reader on catalogues and folders written by the tests.

#include "repository/Data2.h"
#include "repository/MessageLog.h"
#include "repository/Parser2.h"
#include "repository/xml/NetXMLParser2.h"

#include "TempFolder.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
std::wstring Field(const DataContainer* element, const wchar_t* name)
{
    bool found = false;
    const wchar_t* value = element ? element->GetData(name, &found) : nullptr;
    return found && value ? value : L"<missing>";
}

std::vector<std::wstring> Ids(const DataContainer* container)
{
    std::vector<std::wstring> ids;
    for (int i = 0; container && i < container->GetChildCount(); ++i)
        ids.push_back(Field(container->GetChild(i), L"id"));
    return ids;
}

std::vector<std::wstring> ListIds(const CharacterData* character, CharacterData::CONTAINER list)
{
    std::vector<std::wstring> ids;
    for (int i = 0; i < character->GetCount(list); ++i)
        ids.push_back(Field(character->GetContainerElement(list, i), L"id"));
    return ids;
}

class Reader : public ::testing::Test
{
protected:
    bool Parse() { return Parser2::ParseRepository(repository.WidePath().c_str()); }
    bool Parse(const std::string& catalogue)
    {
        repository.WriteFile("zanret.xml", catalogue);
        return Parse();
    }
    static bool StoreIsEmpty()
    {
        return Data2::GetCharacterCount() == 0 && Data2::GetGlobalAssetCount() == 0;
    }

    CleanModel clean;
    MessageLog log;
    TempFolder repository;
};
} // namespace

TEST_F(Reader, FullCatalogueInDocumentOrder)
{
    TestCatalogue::WriteFolders(repository);
    ASSERT_TRUE(Parse(TestCatalogue::Full()));
    ASSERT_EQ(Data2::GetCharacterCount(), 2);
    ASSERT_EQ(Data2::GetGlobalAssetCount(), 1);

    CharacterData* anna = Data2::GetCharacter(0);
    EXPECT_EQ(Field(anna, L"id"), L"anna");
    EXPECT_EQ(Field(anna, L"url"), L"https://shop/anna");
    // The repository path ends in a backslash, so the absolute folder holds two in a row.
    EXPECT_EQ(Field(anna, L"folder"), repository.WidePath() + L"\\anna");
    EXPECT_EQ(ListIds(anna, CharacterData::SKINS), (std::vector<std::wstring>{L"light", L"dark"}));
    EXPECT_EQ(ListIds(anna, CharacterData::CLOTH), (std::vector<std::wstring>{L"autumn", L"summer"}));
    EXPECT_EQ(ListIds(anna, CharacterData::POSES), (std::vector<std::wstring>{L"stand", L"sit"}));
    EXPECT_EQ(ListIds(anna, CharacterData::CATEGORIES), (std::vector<std::wstring>{L"bags", L"hats"}));
    EXPECT_EQ(ListIds(anna, CharacterData::ASSETS), (std::vector<std::wstring>{L"bag", L"hat", L"glasses"}));
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::SKINS)), L"Skin");
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::CLOTH)), L"Outfits");
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::POSES)), L"Poses");

    const DataContainer* summer = anna->GetCloth(L"summer");
    ASSERT_NE(summer, nullptr);
    EXPECT_EQ(Ids(summer->GetChild(CharacterData::MATERIAL)), (std::vector<std::wstring>{L"red", L"blue"}));
    EXPECT_EQ(Ids(summer->GetChild(CharacterData::EXCLUDE)), (std::vector<std::wstring>{L"hat"}));
    EXPECT_EQ(Field(summer->GetChild(CharacterData::SELECT)->GetChild(0), L"material_id"), L"leather");
    EXPECT_EQ(Field(summer, L"available"), L"available");
    EXPECT_EQ(Field(anna->GetCloth(L"autumn"), L"available"), L"notavailable");
    EXPECT_EQ(Ids(anna->GetPose(L"stand")), (std::vector<std::wstring>{L"bag"}));
    EXPECT_EQ(anna->GetPose(L"sit")->GetChildCount(), 0);
    EXPECT_EQ(Ids(anna->GetAsset(L"bag")), (std::vector<std::wstring>{L"leather"}));

    const AssetMatrixElement* stand = anna->FindAssetMatrixElement(L"stand", L"bag");
    ASSERT_NE(stand, nullptr);
    EXPECT_FLOAT_EQ(stand->xpos, 1.5f);
    EXPECT_FLOAT_EQ(stand->ypos, -2.0f);
    EXPECT_FLOAT_EQ(stand->zrot, 45.0f);
    ASSERT_NE(anna->FindAssetMatrixElement(L"sit", L"bag"), nullptr);
    EXPECT_FLOAT_EQ(anna->FindAssetMatrixElement(L"sit", L"bag")->yrot, 0.0f);

    const DataContainer* glasses = Data2::GetGlobalAsset(0);
    EXPECT_EQ(Field(glasses, L"type"), L"global");
    EXPECT_EQ(Ids(glasses), (std::vector<std::wstring>{L"tinted"}));
    EXPECT_EQ(Data2::GetGlobalAssetOf(anna->GetAsset(L"glasses")), glasses);

    EXPECT_EQ(log.Count(DEBUG_INFO, L"handle AssetMatrix"), 1);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"handle skins"), 2);
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 0);
}

TEST_F(Reader, UniqueIdsInDocumentOrderAndNoneForMatrixRecords)
{
    TestCatalogue::WriteFolders(repository);
    ASSERT_TRUE(Parse(TestCatalogue::Full()));
    CharacterData* anna = Data2::GetCharacter(0);
    CharacterData* ben = Data2::GetCharacter(1);
    const DataContainer* summer = anna->GetCloth(L"summer");
    const DataContainer* autumn = anna->GetCloth(L"autumn");
    const DataContainer* stand = anna->GetPose(L"stand");
    const DataContainer* bag = anna->GetAsset(L"bag");
    DataContainer* global = Data2::GetGlobalAsset(0);
    const std::vector<DataContainer*> documentOrder = {
        anna,
        anna->GetSkin(L"light"),
        anna->GetSkin(L"dark"),
        const_cast<DataContainer*>(summer),
        summer->GetChild(CharacterData::MATERIAL)->GetChild(0),
        summer->GetChild(CharacterData::MATERIAL)->GetChild(1),
        summer->GetChild(CharacterData::EXCLUDE)->GetChild(0),
        summer->GetChild(CharacterData::SELECT)->GetChild(0),
        const_cast<DataContainer*>(autumn),
        autumn->GetChild(CharacterData::MATERIAL)->GetChild(0),
        const_cast<DataContainer*>(stand),
        stand->GetChild(0),
        anna->GetPose(L"sit"),
        anna->GetCategoryById(L"bags"),
        anna->GetCategoryById(L"hats"),
        const_cast<DataContainer*>(bag),
        bag->GetChild(0),
        anna->GetAsset(L"hat"),
        anna->GetAsset(L"glasses"),
        ben,
        ben->GetSkin(L"pale"),
        global,
        global->GetChild(0),
    };
    for (size_t i = 0; i < documentOrder.size(); ++i)
    {
        ASSERT_NE(documentOrder[i], nullptr) << i;
        EXPECT_EQ(Data2::GetUnique(documentOrder[i]), 1010 + 10 * static_cast<int>(i)) << i;
    }
    // Every element was registered while reading: nothing new was handed out above.
    EXPECT_EQ(Data2::NextUnique(), 1010 + 10 * static_cast<int>(documentOrder.size()));
}

TEST_F(Reader, FailuresOfTheWholeCatalogue)
{
    EXPECT_FALSE(Parser2::ParseRepository(nullptr));
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Parser2::ParseRepository invalid argument"));
    log.Clear();
    EXPECT_FALSE(NetXMLParser2::ParseRepositoryXML(nullptr));
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"ParseRepositoryXML: invalid argument"));

    // No catalogue: the folder is named in a second message.
    log.Clear();
    EXPECT_FALSE(Parse());
    const std::wstring folder = repository.WidePath();
    ASSERT_EQ(log.Messages().size(), 6u);
    EXPECT_EQ(log.Messages()[0].text, L"Parser2 checks repository at:");
    EXPECT_EQ(log.Messages()[1].text, folder);
    EXPECT_EQ(log.Messages()[2].text, L"Parse Folder:");
    EXPECT_EQ(log.Messages()[3].text, folder);
    EXPECT_EQ(log.Messages()[4].text,
              L"ParseRepositoryXML: XML file \"zanret.xml\" does not exist in this folder:");
    EXPECT_EQ(log.Messages()[5].text, folder);
    EXPECT_EQ(log.CountOfType(DEBUG_INFO), 6);

    // A folder named like the catalogue is no catalogue.
    repository.MakeFolder("zanret.xml");
    log.Clear();
    EXPECT_FALSE(Parse());
    EXPECT_EQ(
        log.Count(DEBUG_INFO, L"ParseRepositoryXML: XML file \"zanret.xml\" does not exist in this folder:"),
        1);
    std::filesystem::remove(repository.Path() / "zanret.xml");

    // Not well-formed at the very end: not even the characters before the fault are added.
    TestCatalogue::WriteFolders(repository);
    std::string broken = TestCatalogue::Full();
    broken.resize(broken.rfind("</zanret>"));
    log.Clear();
    EXPECT_FALSE(Parse(broken));
    EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml"), 1);
    EXPECT_TRUE(StoreIsEmpty());
    EXPECT_EQ(Data2::NextUnique(), 1010);

    for (const char* root : {"<Zanret><character folder=\"anna\"/></Zanret>",
                             "<zanret xmlns=\"urn:zanret\"><character folder=\"anna\"/></zanret>",
                             "<z:zanret xmlns:z=\"urn:z\"><character folder=\"anna\"/></z:zanret>"})
    {
        log.Clear();
        EXPECT_FALSE(Parse(root)) << root;
        EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid XML structure (zanret)"), 1) << root;
        EXPECT_TRUE(StoreIsEmpty());
    }

    // A root with nothing to read is a success with an empty store.
    log.Clear();
    EXPECT_TRUE(Parse("<zanret><!-- empty --><other/>text<?pi?></zanret>"));
    EXPECT_TRUE(StoreIsEmpty());
    EXPECT_EQ(log.CountOfType(DEBUG_INFO), 4);
}

TEST_F(Reader, AnUnreadableCatalogueIsAnsweredAsMalformed)
{
    TestCatalogue::WriteFolders(repository);
    const auto catalogue = repository.Path() / "zanret.xml";
    if (geteuid() != 0)
    {
        repository.WriteFile("zanret.xml", TestCatalogue::Full());
        chmod(catalogue.c_str(), 0);
    }
    else
    {
        // Permissions do not stop root; a file that exists but fails every read does.
        std::filesystem::create_symlink("/proc/self/mem", catalogue);
    }
    EXPECT_FALSE(Parse());
    EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml"), 1);
    EXPECT_TRUE(StoreIsEmpty());
}

TEST_F(Reader, RejectedCharactersTakeNoPlaceAndNoId)
{
    TestCatalogue::WriteCharacterFolder(repository, "good");
    repository.MakeFolder("noskin/previews");
    repository.MakeFolder("nopreviews/skin");
    ASSERT_TRUE(Parse("<zanret>"
                      "<character id=\"a\"><skins><skin id=\"s\"/></skins></character>"
                      "<character id=\"b\" folder=\"nopreviews\"/>"
                      "<character id=\"c\" folder=\"noskin\"/>"
                      "<character id=\"d\" folder=\"missing\"/>"
                      "<character id=\"e\" folder=\"good\"/>"
                      "</zanret>"));
    EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseCharacter: invalid XML structure (folder)"), 1);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseCharacter: subfolder \"previews\" does not exist"), 2);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseCharacter: subfolder \"skin\" does not exist"), 1);
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    EXPECT_EQ(Field(Data2::GetCharacter(0), L"id"), L"e");
    EXPECT_EQ(Data2::GetUnique(Data2::GetCharacter(0)), 1010);
}

TEST_F(Reader, NamesAreCaseSensitiveAndReadOnlyWhereTheyBelong)
{
    TestCatalogue::WriteCharacterFolder(repository, "anna");
    repository.WriteFile("anna/previews/preview_c.png", "png");
    ASSERT_TRUE(Parse("<zanret>"
                      "<Character folder=\"anna\"/>"
                      "<character id=\"anna\" folder=\"anna\">"
                      "<Skins name=\"X\"><skin id=\"x\"/></Skins>"
                      "<skins><Skin id=\"y\"/><skin id=\"s\"/><skins><skin id=\"nested\"/></skins></skins>"
                      "<cloth><material id=\"loose\"/><Clothing id=\"C\"/>"
                      "<clothing id=\"c\"><Material id=\"M\"/><material id=\"m\"/><exclude id=\"e\"/>"
                      "<pose id=\"p\"/></clothing></cloth>"
                      "<assetmatrix><matrix poseID=\"p\" assetID=\"a\"/></assetmatrix>"
                      "<pose id=\"loose\"/>"
                      "</character>"
                      "<globalassets><asset id=\"g1\"/></globalassets>"
                      "<globalAssets><Asset id=\"g2\"/><asset id=\"g3\"/></globalAssets>"
                      "</zanret>"));
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    CharacterData* anna = Data2::GetCharacter(0);
    EXPECT_EQ(ListIds(anna, CharacterData::SKINS), (std::vector<std::wstring>{L"s"}));
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::SKINS)), L"");
    EXPECT_EQ(ListIds(anna, CharacterData::CLOTH), (std::vector<std::wstring>{L"c"}));
    const DataContainer* cloth = anna->GetCloth(L"c");
    EXPECT_EQ(Ids(cloth->GetChild(CharacterData::MATERIAL)), (std::vector<std::wstring>{L"m"}));
    EXPECT_EQ(Ids(cloth->GetChild(CharacterData::EXCLUDE)), (std::vector<std::wstring>{L"e"}));
    EXPECT_EQ(cloth->GetChild(CharacterData::SELECT)->GetChildCount(), 0);
    EXPECT_EQ(anna->GetCount(CharacterData::POSES), 0);
    EXPECT_EQ(anna->FindAssetMatrixElement(L"p", L"a"), nullptr);
    ASSERT_EQ(Data2::GetGlobalAssetCount(), 1);
    EXPECT_EQ(Field(Data2::GetGlobalAsset(0), L"id"), L"g3");
}

TEST_F(Reader, RepeatedSectionsAppendAndTheLastNameWins)
{
    TestCatalogue::WriteCharacterFolder(repository, "anna");
    ASSERT_TRUE(
        Parse("<zanret><character folder=\"anna\">"
              "<skins name=\"First\"><skin id=\"a\"/></skins>"
              "<poses name=\"Poses\"><pose id=\"p\"/></poses>"
              "<skins name=\"Second\"><skin id=\"b\"/></skins>"
              "<skins><skin id=\"c\"/></skins>"
              "<poses name=\"\"><pose id=\"q\"/></poses>"
              "<categories><category id=\"x\"/></categories><categories name=\"ignored\"/>"
              "</character>"
              "<globalAssets><asset id=\"g1\"/></globalAssets><globalAssets><asset id=\"g2\"/></globalAssets>"
              "</zanret>"));
    CharacterData* anna = Data2::GetCharacter(0);
    EXPECT_EQ(ListIds(anna, CharacterData::SKINS), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::SKINS)), L"Second");
    EXPECT_EQ(ListIds(anna, CharacterData::POSES), (std::vector<std::wstring>{L"p", L"q"}));
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::POSES)), L"");
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::CLOTH)), L"");
    EXPECT_EQ(anna->GetCount(CharacterData::CATEGORIES), 1);
    ASSERT_EQ(Data2::GetGlobalAssetCount(), 2);
    EXPECT_EQ(Field(Data2::GetGlobalAsset(1), L"id"), L"g2");
}

TEST_F(Reader, AnEmptyCharacterIsAddedWithEmptyLists)
{
    TestCatalogue::WriteCharacterFolder(repository, "anna");
    ASSERT_TRUE(Parse("<zanret><character folder=\"anna\"><skins/><cloth/><poses/><categories/><assets/>"
                      "<AssetMatrix/></character></zanret>"));
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    const CharacterData* anna = Data2::GetCharacter(0);
    for (auto list : {CharacterData::SKINS, CharacterData::CLOTH, CharacterData::POSES,
                      CharacterData::CATEGORIES, CharacterData::ASSETS})
        EXPECT_EQ(anna->GetCount(list), 0);
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::CLOTH)), L"");
}

TEST_F(Reader, ClothSortAvailabilityAndDroppedPreviews)
{
    TestCatalogue::WriteCharacterFolder(repository, "anna");
    for (const char* id : {"1", "2", "3", "4", "5"})
        repository.WriteFile(std::string("anna/previews/preview_") + id + ".png", "png");
    repository.MakeFolder("anna/previews/preview_6.png");
    repository.MakeFolder("anna/outfits/one");
    ASSERT_TRUE(Parse("<zanret><character folder=\"anna\"><cloth>"
                      "<clothing id=\"1\" name=\"b\" folder=\"outfits\\one\" available=\"notavailable\"/>"
                      "<clothing id=\"2\" name=\"a\" folder=\"missing\" available=\"available\"/>"
                      "<clothing id=\"3\" name=\"B\"/>"
                      "<clothing id=\"6\" name=\"0 has a folder as preview\" folder=\"outfits\\one\"/>"
                      "<clothing id=\"4\" name=\"a\" folder=\"\\outfits\\\\one\\\"/>"
                      "<clothing id=\"7\" name=\"0 has no preview\"/>"
                      "<clothing id=\"5\" name=\"\u00e4\"/>"
                      "</cloth></character></zanret>"));
    CharacterData* anna = Data2::GetCharacter(0);
    EXPECT_EQ(ListIds(anna, CharacterData::CLOTH), (std::vector<std::wstring>{L"3", L"2", L"4", L"1", L"5"}));
    EXPECT_EQ(Field(anna->GetCloth(L"1"), L"available"), L"available");
    EXPECT_EQ(Field(anna->GetCloth(L"2"), L"available"), L"notavailable");
    EXPECT_EQ(Field(anna->GetCloth(L"3"), L"available"), L"notavailable");
    EXPECT_EQ(Field(anna->GetCloth(L"4"), L"available"), L"available");
    // Ids stay those of the document positions; the dropped cloths' ids lead nowhere.
    EXPECT_EQ(Data2::GetUnique(anna->GetCloth(L"2")), 1030);
    EXPECT_EQ(Data2::GetUnique(anna->GetCloth(L"5")), 1080);
    EXPECT_EQ(Data2::GetIdOfUnique(1050), nullptr);
    EXPECT_EQ(Data2::GetIdOfUnique(1070), nullptr);
}

TEST_F(Reader, AttributesBecomeFieldsAsTheyStand)
{
    TestCatalogue::WriteCharacterFolder(repository, "anna");
    ASSERT_TRUE(
        Parse("<!DOCTYPE zanret [<!ENTITY shop \"https://shop.example/?a=1&amp;b=2\">]>"
              "<zanret><character folder=\"anna\" folder2=\" Spaced &amp; &#x263A; \" xmlns:p=\"urn:p\" "
              "p:extra=\"e\" Name=\"upper\">"
              "<poses><pose id=\"p\" url=\"&shop;&amp;x=&#49;\"><!-- c --><?pi?>text<![CDATA[x]]>"
              "<needs id=\"bag\"/><any/></pose></poses>"
              "<assets><asset id=\"a\">t<!-- c --><m id=\"m1\"/></asset></assets>"
              "</character><globalAssets><asset id=\"g\"><!-- c -->t<m/></asset></globalAssets></zanret>"));
    CharacterData* anna = Data2::GetCharacter(0);
    EXPECT_EQ(Field(anna, L"folder2"), L" Spaced & \u263A ");
    EXPECT_EQ(Field(anna, L"xmlns:p"), L"urn:p");
    EXPECT_EQ(Field(anna, L"p:extra"), L"e");
    EXPECT_EQ(Field(anna, L"Name"), L"upper");
    EXPECT_FALSE(anna->CheckDatafield(L"name"));
    EXPECT_EQ(anna->GetDataCount(), 5);
    const DataContainer* pose = anna->GetPose(L"p");
    EXPECT_EQ(Field(pose, L"url"), L"https://shop.example/?a=1&b=2&x=1");
    // Only elements below a pose or an asset become children.
    EXPECT_EQ(Ids(pose), (std::vector<std::wstring>{L"bag", L"<missing>"}));
    EXPECT_EQ(anna->GetAsset(L"a")->GetChildCount(), 1);
    EXPECT_EQ(Data2::GetGlobalAsset(0)->GetChildCount(), 1);
}

TEST_F(Reader, EncodingsOfTheCatalogue)
{
    repository.MakeFolder("Zo\xC3\xAB/previews");
    repository.MakeFolder("Zo\xC3\xAB/skin");
    const std::u16string text =
        u"<zanret><character id=\"z\" name=\"Zo\u00EB \u20AC\" folder=\"Zo\u00EB\"/></zanret>";
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (char16_t c : text)
    {
        le += static_cast<char>(c & 0xFF);
        le += static_cast<char>(c >> 8);
        be += static_cast<char>(c >> 8);
        be += static_cast<char>(c & 0xFF);
    }
    const std::vector<std::pair<std::string, std::wstring>> cases = {
        {"<zanret><character id=\"z\" name=\"Zo\xC3\xAB \xE2\x82\xAC\" folder=\"Zo\xC3\xAB\"/></zanret>",
         L"Zo\u00EB \u20AC"},
        {"\xEF\xBB\xBF<zanret><character id=\"z\" name=\"Zo\xC3\xAB \xE2\x82\xAC\" "
         "folder=\"Zo\xC3\xAB\"/></zanret>",
         L"Zo\u00EB \u20AC"},
        {le, L"Zo\u00EB \u20AC"},
        {be, L"Zo\u00EB \u20AC"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><zanret><character id=\"z\" name=\"Zo\xEB\" "
         "folder=\"Zo\xEB\"/></zanret>",
         L"Zo\u00EB"},
    };
    for (const auto& [bytes, name] : cases)
    {
        Data2::Reset();
        ASSERT_TRUE(Parse(bytes));
        ASSERT_EQ(Data2::GetCharacterCount(), 1) << bytes;
        EXPECT_EQ(Field(Data2::GetCharacter(0), L"name"), name);
        EXPECT_EQ(Field(Data2::GetCharacter(0), L"folder"), repository.WidePath() + L"\\Zo\u00EB");
    }
}

TEST_F(Reader, RepositoryPathWithoutTrailingBackslash)
{
    TestCatalogue::WriteFolders(repository);
    repository.WriteFile("zanret.xml", TestCatalogue::Full());
    const std::wstring path = repository.Path().wstring();
    ASSERT_TRUE(Parser2::ParseRepository(path.c_str()));
    EXPECT_EQ(Field(Data2::GetCharacter(0), L"folder"), path + L"\\anna");
}

TEST_F(Reader, BombsAndDeepNestingAddNothing)
{
    TestCatalogue::WriteFolders(repository);
    std::string laughs = "<!DOCTYPE zanret [<!ENTITY l0 \"lollollollol\">";
    for (int i = 1; i <= 12; ++i)
    {
        laughs += "<!ENTITY l" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            laughs += "&l" + std::to_string(i - 1) + ";";
        laughs += "\">";
    }
    laughs += "]>";
    std::string quadratic = "<!DOCTYPE zanret [<!ENTITY big \"" + std::string(50000, 'x') + "\">]>";
    std::string references;
    for (int i = 0; i < 50000; ++i)
        references += "&big;";
    std::string deep = "<character id=\"deep\" folder=\"ben\">";
    for (int i = 0; i < 400; ++i)
        deep += "<skins>";
    for (int i = 0; i < 400; ++i)
        deep += "</skins>";
    deep += "</character>";

    const std::string goodCharacter = "<character id=\"a\" folder=\"anna\"/>";
    for (const std::string& bomb :
         {laughs + "<zanret>" + goodCharacter + "<character folder=\"ben\" name=\"&l12;\"/></zanret>",
          laughs + "<zanret>" + goodCharacter + "<character folder=\"ben\">&l12;</character></zanret>",
          quadratic + "<zanret>" + goodCharacter + "<character folder=\"ben\" name=\"" + references +
              "\"/></zanret>",
          "<zanret>" + goodCharacter + deep + "</zanret>"})
    {
        Data2::Reset();
        log.Clear();
        EXPECT_FALSE(Parse(bomb));
        EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml"), 1);
        EXPECT_TRUE(StoreIsEmpty());
    }
}

TEST(Parser2, IsSubfolderEntry)
{
    WIN32_FIND_DATAW entry;
    EXPECT_FALSE(Parser2::IsSubfolderEntry(nullptr));
    entry.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    EXPECT_FALSE(Parser2::IsSubfolderEntry(&entry));
    wcscpy(entry.cFileName, L".");
    EXPECT_FALSE(Parser2::IsSubfolderEntry(&entry));
    wcscpy(entry.cFileName, L"..");
    EXPECT_FALSE(Parser2::IsSubfolderEntry(&entry));
    wcscpy(entry.cFileName, L"...");
    EXPECT_TRUE(Parser2::IsSubfolderEntry(&entry));
    wcscpy(entry.cFileName, L".hidden");
    EXPECT_TRUE(Parser2::IsSubfolderEntry(&entry));
    entry.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
    EXPECT_FALSE(Parser2::IsSubfolderEntry(&entry));
    std::fill(std::begin(entry.cFileName), std::end(entry.cFileName), L'x');
    entry.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
    EXPECT_TRUE(Parser2::IsSubfolderEntry(&entry));
}
