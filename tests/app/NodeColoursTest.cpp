// The colour the viewport draws a node in: its material's picture where it has a readable one,
// else the material's diffuse colour, found below sub-materials and base materials as well.

#include "NodeColours.h"

#include "TempFolder.h"

#include <hostsdk/Host.h>
#include <hostsdk/hostsdk.h>

#include <QImage>

#include <gtest/gtest.h>

using namespace scenehost;

namespace
{
// Colours from fractions round either way.
void ExpectColour(const QColor& actual, int red, int green, int blue)
{
    EXPECT_NEAR(actual.red(), red, 1);
    EXPECT_NEAR(actual.green(), green, 1);
    EXPECT_NEAR(actual.blue(), blue, 1);
}

class NodeColoursTest : public testing::Test
{
protected:
    void SetUp() override { Host::Reset(); }
    void TearDown() override { Host::Reset(); }

    static INode* MeshNode()
    {
        return GetCOREInterface()->CreateObjectNode(
            static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID)));
    }
    static Mtl* Material(Class_ID classId)
    {
        return static_cast<Mtl*>(CreateInstance(MATERIAL_CLASS_ID, classId));
    }
    // The diffuse colour as a library gives it: float parameters 10, 11 and 12.
    static void SetDiffuse(MtlBase* m, float red, float green, float blue)
    {
        IParamBlock2* block = m->GetParamBlock(0);
        for (const auto& [id, value] : {std::pair{10, red}, {11, green}, {12, blue}})
        {
            block->DefineParam(static_cast<ParamID>(id), TYPE_FLOAT);
            block->SetValue(static_cast<ParamID>(id), 0, value);
        }
    }
    static BitmapTex* Bitmap(const std::string& file)
    {
        auto* bitmap = static_cast<BitmapTex*>(CreateInstance(TEXMAP_CLASS_ID, kBitmapMapClassID));
        const std::basic_string<MCHAR> path = hostsdk::FromWide(std::wstring(file.begin(), file.end()));
        bitmap->SetMap(MaxSDK::AssetManagement::IAssetManager::GetInstance()->GetAsset(
            path.c_str(), MaxSDK::AssetManagement::kBitmapAsset));
        return bitmap;
    }
};

TEST_F(NodeColoursTest, APictureWinsOverTheDiffuseColourWhichIsFoundBelowSubMaterials)
{
    NodeColours colours;
    INode* node = MeshNode();
    EXPECT_EQ(colours.Of(node), QColor(175, 175, 175)); // no material

    // A standard material without a picture: its diffuse colour.
    Mtl* red = Material(kStandardMaterialClassID);
    red->SetName(_M("Dress Red"));
    SetDiffuse(red, 0.8f, 0.2f, 0.1f);
    node->SetMtl(red);
    ExpectColour(colours.Of(node), 204, 51, 26);

    // A picture that cannot be read changes nothing; a readable one gives its mean colour.
    TempFolder folder;
    ASSERT_TRUE(red->SetSubTexmap(1, Bitmap((folder.Path() / "missing.png").string())));
    ExpectColour(colours.Of(node), 204, 51, 26);
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    for (int x = 0; x < 8; x += 2)
        for (int y = 0; y < 8; ++y)
            picture.setPixelColor(x, y, QColor(30, 220, 50));
    const std::string file = (folder.Path() / "green.png").string();
    ASSERT_TRUE(picture.save(QString::fromStdString(file)));
    ASSERT_TRUE(red->SetSubTexmap(1, Bitmap(file)));
    ExpectColour(colours.Of(node), 20, 210, 40);

    // A multi material shows its first sub-material's colour; a unit-scaled one its base's.
    Mtl* multi = Material(kMultiMaterialClassID);
    Mtl* navy = Material(kStandardMaterialClassID);
    Mtl* white = Material(kStandardMaterialClassID);
    SetDiffuse(navy, 0.12f, 0.16f, 0.31f);
    SetDiffuse(white, 0.9f, 0.9f, 0.9f);
    ASSERT_TRUE(multi->SetSubMtl(0, navy));
    ASSERT_TRUE(multi->SetSubMtl(1, white));
    node->SetMtl(multi);
    ExpectColour(colours.Of(node), 31, 41, 79);

    Mtl* scaled = Material(kUnitScaledMtlClassID);
    IParamBlock2* block = scaled->GetParamBlock(0);
    block->DefineParam(22, TYPE_FLOAT);
    block->SetValue(22, 0, 2.0f);
    block->DefineParam(3, TYPE_MTL);
    block->SetValue(3, 0, white);
    node->SetMtl(scaled);
    ExpectColour(colours.Of(node), 230, 230, 230);

    // Only two of the three colour parameters: no diffuse colour, a colour from the name instead.
    Mtl* partial = Material(kStandardMaterialClassID);
    partial->SetName(_M("Half"));
    partial->GetParamBlock(0)->DefineParam(10, TYPE_FLOAT);
    partial->GetParamBlock(0)->DefineParam(11, TYPE_FLOAT);
    node->SetMtl(partial);
    const QColor named = colours.Of(node);
    EXPECT_TRUE(named.isValid());
    EXPECT_NE(named, QColor(0, 0, 0));
    EXPECT_NE(named, QColor(175, 175, 175));
}
} // namespace
