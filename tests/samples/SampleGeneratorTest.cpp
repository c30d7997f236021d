// The sample repository generator, checked from the outside: it is run as the build and the
// benchmarks run it, and what it wrote is read back with libxml2 and Qt, not with its own code.

#include "GeneratorRun.h"
#include "SampleCatalogue.h"
#include "TempFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
// One default sample for the whole suite; the generator is deterministic.
class DefaultSampleTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new TempFolder();
        ASSERT_EQ(RunGenerator(Quoted(s_folder->Path())), 0);
        s_catalogue = new SampleCatalogue(s_folder->Path() / "zanret.xml");
    }
    static void TearDownTestSuite()
    {
        delete s_catalogue;
        delete s_folder;
        s_catalogue = nullptr;
        s_folder = nullptr;
    }
    static const fs::path& Root() { return s_folder->Path(); }
    static const SampleCatalogue& Catalogue() { return *s_catalogue; }

    static TempFolder* s_folder;
    static SampleCatalogue* s_catalogue;
};

TempFolder* DefaultSampleTest::s_folder = nullptr;
SampleCatalogue* DefaultSampleTest::s_catalogue = nullptr;

TEST_F(DefaultSampleTest, CatalogueIsWellFormedAndHoldsEveryCase)
{
    const SampleCatalogue& c = Catalogue();
    ASSERT_TRUE(c.IsWellFormed()) << c.Problem();

    EXPECT_EQ(c.Select("/zanret/character/@id"), (Values{"anna", "ben", "zoe", "kai", "ghost", "nora"}));
    // Escaping and text outside ASCII survive the round trip.
    EXPECT_EQ(c.Select("//character[@id='anna']/cloth/clothing[@id='anna_jeans']/@name"),
              Values{"Jeans & Shirt"});
    EXPECT_EQ(c.Select("//character[@id='zoe']/@name"), Values{"Zo\xc3\xab"});
    // Outfits out of name order, so that sorting shows.
    EXPECT_EQ(c.Select("//character[@id='anna']/cloth/clothing/@name"),
              (Values{"Summer Dress", "Jeans & Shirt", "Winter Coat", "Ball Gown", "Swimsuit"}));

    EXPECT_FALSE(c.Select("//category[@required='true' and @selection='multiple']").empty());
    EXPECT_FALSE(c.Select("//category[@required='true' and @selection!='multiple']").empty());
    EXPECT_FALSE(c.Select("//category[not(@required) and not(@selection)]").empty());
    EXPECT_FALSE(c.Select("//character/assets/asset[@type='specific']").empty());
    EXPECT_FALSE(c.Select("//character/assets/asset[@type='global']").empty());
    EXPECT_FALSE(c.Select("//character/assets/asset[not(@type) and material]").empty());
    EXPECT_FALSE(c.Select("//character/assets/asset[not(@type) and not(material)]").empty());
    EXPECT_FALSE(c.Select("/zanret/globalAssets/asset[material]").empty());
    EXPECT_FALSE(c.Select("/zanret/globalAssets/asset[not(material)]").empty());
    // Two local assets that stand for the same global asset, and one that names none.
    EXPECT_EQ(c.Select("//character[@id='ben']/assets/asset[@globalID='g_sunglasses']/@id"),
              (Values{"shades", "reading"}));
    EXPECT_TRUE(c.Select("/zanret/globalAssets/asset[@id='g_umbrella']").empty());
    EXPECT_EQ(c.Select("//character[@id='anna']/assets/asset[@id='umbrella']/@globalID"),
              Values{"g_umbrella"});

    EXPECT_FALSE(c.Select("//clothing/exclude/@id").empty());
    EXPECT_FALSE(c.Select("//clothing/select[@material_id]").empty());
    EXPECT_FALSE(c.Select("//clothing/select[not(@material_id)]").empty());
    EXPECT_FALSE(c.Select("//pose/mandatory/@id").empty());
    EXPECT_FALSE(c.Select("//AssetMatrix/matrix[@xrot='90']").empty());
    // A clothing without any material.
    EXPECT_FALSE(c.Select("//clothing[not(material)]").empty());

    for (const std::string& url : c.Select("//@url"))
        EXPECT_EQ(url.rfind("https://example.com/", 0), 0U) << url;
    // Every pose url takes "&gid=<cloth id>" behind it.
    for (const std::string& url : c.Select("//pose/@url"))
        EXPECT_NE(url.find('?'), std::string::npos) << url;
}

// Every path the catalogue leads to exists, except the ones that are missing on purpose, and every
// picture has the size the window shows.
TEST_F(DefaultSampleTest, EveryFileTheCatalogueNamesIsThereUnlessMissingOnPurpose)
{
    const std::set<std::string> missingOnPurpose = {
        "ghost",
        "nora/skin",
        "characters/anna/skin/skin_pale.png",
        "characters/anna/coat",
        "characters/anna/coat/style_wool.png",
        "characters/anna/previews/preview_anna_gown.png",
        "characters/anna/dress/style_green.png",
        "characters/anna/dress/anna_dress_sit.vrmesh",
        "characters/anna/previews/anna_jeans_wave.png",
        "characters/anna/poses/run",
        "characters/anna/assets/parasol",
        "global_assets/shawl",
        "ben/suit/ben_suit_lean.vrmesh",
        "ben/tux/ben_tux_stand.vrmesh",
        "ben/tux/ben_tux_sit.vrmesh",
        "ben/tux/ben_tux_lean.vrmesh",
        "kai/jacket",
    };
    // Dropped by the reader because a folder stands where the picture should be.
    const std::string folderInstead = "ben/previews/preview_ben_robe.png";
    auto underMissing = [&missingOnPurpose](const std::string& path)
    {
        for (std::size_t slash = path.find('/'); slash != std::string::npos;
             slash = path.find('/', slash + 1))
        {
            if (missingOnPurpose.count(path.substr(0, slash)) != 0)
                return true;
        }
        return false;
    };
    const std::vector<ExpectedFile> files = ExpectedFiles(Catalogue());
    ASSERT_GT(files.size(), 100U);

    std::set<std::string> seenMissing;
    for (const ExpectedFile& file : files)
    {
        const fs::path path = Root() / file.path;
        if (missingOnPurpose.count(file.path) != 0 || underMissing(file.path))
        {
            seenMissing.insert(file.path);
            EXPECT_FALSE(fs::exists(path)) << file.path << " should be missing";
            continue;
        }
        if (file.path == folderInstead)
        {
            EXPECT_TRUE(fs::is_directory(path));
            continue;
        }
        if (file.kind == ExpectedFile::Kind::Folder)
        {
            EXPECT_TRUE(fs::is_directory(path)) << file.path;
            continue;
        }
        EXPECT_TRUE(fs::is_regular_file(path)) << file.path;
        if (file.width > 0)
        {
            const QImage image(QString::fromStdString(path.string()));
            EXPECT_EQ(image.width(), file.width) << file.path;
            EXPECT_EQ(image.height(), file.height) << file.path;
        }
    }
    for (const std::string& path : missingOnPurpose)
        EXPECT_EQ(seenMissing.count(path), 1U) << path << " is no longer named by the catalogue";
}

TEST_F(DefaultSampleTest, OverlaysHaveTheirSizesAndTransparentPixels)
{
    for (auto [name, width, height] :
         {std::tuple{"overlay110x330.png", 110, 330}, {"overlay100x300.png", 100, 300}})
    {
        const QImage image(QString::fromStdString((Root() / name).string()));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.width(), width);
        EXPECT_EQ(image.height(), height);
        ASSERT_TRUE(image.hasAlphaChannel()) << name;
        int clear = 0, opaqueish = 0;
        for (int y = 0; y < image.height(); ++y)
        {
            for (int x = 0; x < image.width(); ++x)
            {
                const int alpha = qAlpha(image.pixel(x, y));
                clear += alpha == 0;
                opaqueish += alpha > 128;
            }
        }
        // Clear where the picture must show through, covered where it says it is for sale.
        EXPECT_GT(clear, width * height / 4) << name;
        EXPECT_GT(opaqueish, 0) << name;
    }
}

TEST_F(DefaultSampleTest, TheBuildWroteTheSameSample)
{
    const char* built = std::getenv("ZANRET_SAMPLES");
    ASSERT_NE(built, nullptr);
    auto read = [](const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string catalogue = read(fs::path(built) / "zanret.xml");
    ASSERT_FALSE(catalogue.empty()) << "no sample in " << built;
    EXPECT_EQ(catalogue, read(Root() / "zanret.xml"));

    // The folder holds the repository and nothing else: no files of the build beside the
    // catalogue for the catalogue dialog to show.
    std::set<std::string> written = {".zanret-samples"};
    std::istringstream marker(read(fs::path(built) / ".zanret-samples"));
    for (std::string name; std::getline(marker, name);)
        written.insert(name);
    EXPECT_GT(written.size(), 5U);
    for (const fs::directory_entry& entry : fs::directory_iterator(built))
        EXPECT_EQ(written.count(entry.path().filename().string()), 1U)
            << entry.path() << " is not the sample's";
}

TEST(LargeSampleTest, HasTheCountsAskedFor)
{
    TempFolder folder;
    ASSERT_EQ(RunGenerator(Quoted(folder.Path()) + " --characters 3 --outfits 2 --poses 4 --assets 12"), 0);
    const SampleCatalogue c(folder.Path() / "zanret.xml");
    ASSERT_TRUE(c.IsWellFormed()) << c.Problem();

    const Values characters = c.Select("/zanret/character/@id");
    ASSERT_EQ(characters.size(), 3U);
    for (const std::string& id : characters)
    {
        const std::string at = "/zanret/character[@id='" + id + "']";
        EXPECT_EQ(c.Select(at + "/cloth/clothing").size(), 2U);
        EXPECT_EQ(c.Select(at + "/poses/pose").size(), 4U);
        EXPECT_EQ(c.Select(at + "/assets/asset").size(), 12U);
        // Every asset but the specific ones has an entry for every pose.
        const std::size_t placed = c.Select(at + "/assets/asset[not(@type='specific')]").size();
        EXPECT_EQ(c.Select(at + "/AssetMatrix/matrix").size(), placed * 4);
    }
    // Nothing in a large sample is missing.
    for (const ExpectedFile& file : ExpectedFiles(c))
        EXPECT_TRUE(fs::exists(folder.Path() / file.path)) << file.path;
}

TEST(SampleGeneratorTest, ReplacesOnlyWhatItWrote)
{
    TempFolder folder;
    folder.WriteFile("notes.txt", "mine");
    ASSERT_EQ(RunGenerator(Quoted(folder.Path()) + " --characters 2 --outfits 1 --poses 1 --assets 1"), 0);
    ASSERT_TRUE(fs::exists(folder.Path() / "characters"));

    // The default sample replaces the large one; the large one's characters go with it.
    ASSERT_EQ(RunGenerator(Quoted(folder.Path())), 0);
    EXPECT_FALSE(fs::exists(folder.Path() / "characters/c000"));
    EXPECT_TRUE(fs::exists(folder.Path() / "characters/anna"));
    EXPECT_EQ(folder.ReadFile("notes.txt"), "mine");

    // A catalogue that it did not write is never overwritten.
    TempFolder foreign;
    foreign.WriteFile("zanret.xml", "<zanret/>");
    EXPECT_EQ(RunGenerator(Quoted(foreign.Path())), 1);
    EXPECT_EQ(foreign.ReadFile("zanret.xml"), "<zanret/>");
}

TEST(SampleGeneratorTest, RejectsBadArguments)
{
    TempFolder folder;
    EXPECT_EQ(RunGenerator(""), 2);
    EXPECT_EQ(RunGenerator(Quoted(folder.Path()) + " --characters"), 2);
    EXPECT_EQ(RunGenerator(Quoted(folder.Path()) + " --characters -1"), 2);
    EXPECT_EQ(RunGenerator(Quoted(folder.Path()) + " --characters 3x"), 2);
    EXPECT_EQ(RunGenerator(Quoted(folder.Path()) + " --people 3"), 2);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}
} // namespace
