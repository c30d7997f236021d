// Every material that a build of a sample character can ask for is found by the builder's search
// order, and every texture its walk re-points is in the repository's maps folder.

#include "GeneratorRun.h"
#include "SampleCatalogue.h"
#include "SampleLibraries.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace
{
struct Request
{
    std::string what;
    std::string material;
    std::vector<std::string> libraries;
};

// Every (material, search order) that building any outfit, pose and asset the window can offer
// asks for. Elements the reader drops or validation marks unavailable are left out, judged by the
// disk just as the plug-in judges them.
std::vector<Request> Requests(const SampleCatalogue& c, const fs::path& root)
{
    std::vector<Request> requests;
    for (const std::string& id : c.Select("/zanret/character/@id"))
    {
        const std::string at = "/zanret/character[@id='" + id + "']";
        const std::string folder = Slashed(c.SelectFirst(at + "/@folder"));
        if (!fs::is_directory(root / folder / "previews") || !fs::is_directory(root / folder / "skin"))
            continue;
        auto characterSearch = [&folder](const std::string& own)
        {
            return std::vector<std::string>{Slashed(folder + "/" + own), folder + "/materials.mat",
                                            folder + "/props.mat"};
        };

        for (const std::string& material : c.Select(at + "/skins/skin/@material"))
            requests.push_back({id + " skin", material, characterSearch("skin/skin.mat")});

        for (const std::string& clothId : c.Select(at + "/cloth/clothing/@id"))
        {
            if (!fs::is_regular_file(root / folder / "previews" / ("preview_" + clothId + ".png")))
                continue;
            const std::string cloth = at + "/cloth/clothing[@id='" + clothId + "']";
            for (const std::string& material : c.Select(cloth + "/material/@material"))
                requests.push_back({id + " " + clothId, material,
                                    characterSearch(c.SelectFirst(cloth + "/@folder") + "/materials.mat")});
        }

        for (const std::string& assetId : c.Select(at + "/assets/asset/@id"))
        {
            const std::string asset = at + "/assets/asset[@id='" + assetId + "']";
            if (c.SelectFirst(asset + "/@type") == "global")
            {
                const std::string global =
                    "/zanret/globalAssets/asset[@id='" + c.SelectFirst(asset + "/@globalID") + "']";
                const std::string globalFolder = c.SelectFirst(global + "/@folder");
                if (globalFolder.empty() || !fs::is_directory(root / "global_assets" / Slashed(globalFolder)))
                    continue;
                const std::vector<std::string> search = {
                    Slashed("global_assets/" + globalFolder + "/materials.mat"),
                    "global_assets/materials.mat"};
                for (const std::string& material :
                     c.Select(global + "/@material | " + global + "/*/@material"))
                    requests.push_back({id + " " + assetId, material, search});
                continue;
            }
            const std::string assetFolder = c.SelectFirst(asset + "/@folder");
            if (!fs::is_directory(root / folder / Slashed(assetFolder)))
                continue;
            for (const std::string& material : c.Select(asset + "/@material | " + asset + "/*/@material"))
                requests.push_back(
                    {id + " " + assetId, material, characterSearch(assetFolder + "/materials.mat")});
        }
    }
    return requests;
}

void ExpectEverythingFound(const fs::path& root, std::map<std::string, FoundMaterial>* byName = nullptr)
{
    const SampleCatalogue catalogue(root / "zanret.xml");
    ASSERT_TRUE(catalogue.IsWellFormed()) << catalogue.Problem();
    const std::vector<Request> requests = Requests(catalogue, root);
    ASSERT_FALSE(requests.empty());
    for (const Request& request : requests)
    {
        const std::optional<FoundMaterial> found = FindMaterial(root, request.libraries, request.material);
        ASSERT_TRUE(found.has_value()) << request.what << ": \"" << request.material << "\" is in no library";
        EXPECT_FALSE(found->bitmaps.empty()) << request.material;
        for (const std::string& bitmap : found->bitmaps)
        {
            // Recorded somewhere else, as a library made on another machine would.
            EXPECT_NE(bitmap.find_first_of("\\/"), std::string::npos) << bitmap;
            EXPECT_TRUE(fs::is_regular_file(root / "maps" / FileNameOf(bitmap)))
                << request.material << ": texture " << FileNameOf(bitmap) << " is not in maps";
        }
        if (byName != nullptr)
            byName->emplace(request.what + " / " + request.material, *found);
    }
}

TEST(MaterialSearchTest, DefaultSampleFindsEveryMaterialAndTexture)
{
    TempFolder folder;
    ASSERT_EQ(RunGenerator(Quoted(folder.Path())), 0);
    std::map<std::string, FoundMaterial> found;
    ExpectEverythingFound(folder.Path(), &found);

    // The search order is exercised at every step.
    EXPECT_EQ(found.at("anna anna_dress / Dress Red").library, "characters/anna/dress/materials.mat");
    EXPECT_EQ(found.at("anna anna_jeans / Jeans Denim").library, "characters/anna/materials.mat");
    EXPECT_EQ(found.at("anna anna_jeans / Jeans Black").library, "characters/anna/props.mat");
    EXPECT_EQ(found.at("anna backpack / Backpack").library, "characters/anna/props.mat");
    EXPECT_EQ(found.at("anna sunglasses / Sunglasses").library, "global_assets/materials.mat");
    EXPECT_EQ(found.at("anna watch / Watch Silver").library, "global_assets/watch/materials.mat");

    // Every class the material walk tells apart.
    bool multi = false, scaled = false, nested = false, plain = false;
    for (const auto& [name, material] : found)
    {
        multi = multi || material.materialClass == "multi";
        scaled = scaled || (material.materialClass == "unitScaled" && material.scaledParameter);
        nested = nested || material.nestedBitmap;
        plain = plain || (material.materialClass == "standard" && !material.nestedBitmap);
    }
    EXPECT_TRUE(multi);
    EXPECT_TRUE(scaled);
    EXPECT_TRUE(nested);
    EXPECT_TRUE(plain);
}

TEST(MaterialSearchTest, LargeSampleFindsEveryMaterialAndTexture)
{
    TempFolder folder;
    ASSERT_EQ(RunGenerator(Quoted(folder.Path()) + " --characters 2 --outfits 2 --poses 2 --assets 12"), 0);
    ExpectEverythingFound(folder.Path());
}

} // namespace
