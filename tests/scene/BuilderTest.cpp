#include "BuilderFixture.h"

#include "repository/Fields.h"

#include <algorithm>

using namespace ZANRET;

namespace
{
std::wstring MaterialName(INode* node)
{
    Mtl* m = node->GetMtl();
    return m ? hostsdk::ToWide(m->GetName().c_str()) : L"<none>";
}

int CountLayersNamed(const wchar_t* name)
{
    ILayerManager* layers = GetCOREInterface13()->GetLayerManager();
    int count = 0;
    for (int i = 0; i < layers->GetLayerCount(); ++i)
        count += hostsdk::ToWide(layers->GetLayer(i)->GetName()) == name;
    return count;
}
} // namespace

TEST_F(BuilderTest, BuildsTheSelectionAsOneGroupedLayeredHierarchy)
{
    SelectAnna();
    SelectAsset(L"bag", L"canvas");
    SelectAsset(L"bracelet");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);

    EXPECT_EQ(hostsdk::ToWide(parent->GetName()), L"ZANRET Character Anna");
    EXPECT_TRUE(BoolProperty(parent, Builder::kParentProperty));
    EXPECT_EQ(parent->GetObjectRef()->ClassID(), Builder::kCharacterParentClassID);
    EXPECT_FLOAT_EQ(parent->GetObjectRef()->GetParamBlock(0)->GetFloat(0), 50.0f);
    EXPECT_TRUE(parent->GetNodeTM(0).IsIdentity());

    // Body, its mandatory elements, the cloth, then the selected assets.
    EXPECT_EQ(ChildNames(parent), (std::vector<std::wstring>{L"Standing", L"Hair", L"Sunglasses", L"Dress",
                                                             L"Bag", L"Bracelet"}));
    INode* body = Child(parent, L"Standing");
    EXPECT_EQ(StringProperty(body, Builder::kCharacterProperty), L"anna");
    EXPECT_EQ(StringProperty(body, Builder::kPoseProperty), L"stand");
    EXPECT_EQ(MeshPath(body), RepositoryPath(L"\\anna\\stand\\pose.vrmesh"));
    EXPECT_FLOAT_EQ(body->GetObjectRef()->GetParamBlock(0)->GetFloat(Builder::kProxyScaleParameter), 1.0f);
    EXPECT_EQ(body->GetObjectRef()->ClassID(), Builder::kProxyMeshClassID);
    EXPECT_EQ(MaterialName(body), L"Skin Light");

    INode* cloth = Child(parent, L"Dress");
    EXPECT_EQ(StringProperty(cloth, Builder::kClothProperty), L"dress");
    EXPECT_EQ(StringProperty(cloth, Builder::kPoseProperty), L"stand");
    EXPECT_EQ(StringProperty(cloth, Builder::kCharacterProperty), L"<none>");
    EXPECT_EQ(MeshPath(cloth), RepositoryPath(L"\\anna\\dress\\dress_stand.vrmesh"));
    EXPECT_EQ(MaterialName(cloth), L"Dress Red");

    INode* hair = Child(parent, L"Hair");
    EXPECT_EQ(StringProperty(hair, Builder::kAssetProperty), L"hair");
    EXPECT_EQ(MeshPath(hair), RepositoryPath(L"\\anna\\hair\\asset.vrmesh"));
    EXPECT_EQ(MaterialName(hair), L"Hair");

    INode* glasses = Child(parent, L"Sunglasses");
    EXPECT_EQ(StringProperty(glasses, Builder::kAssetProperty), L"g_glasses");
    EXPECT_EQ(MeshPath(glasses), RepositoryPath(L"\\global_assets\\glasses\\asset.vrmesh"));
    ExpectPointNear(glasses->GetNodeTM(0).GetTrans(), Point3(1.0f, 2.0f, 150.0f));
    EXPECT_EQ(MaterialName(glasses), L"Glass Tint");

    INode* bag = Child(parent, L"Bag");
    EXPECT_EQ(StringProperty(bag, Builder::kAssetProperty), L"bag");
    EXPECT_EQ(MaterialName(bag), L"Bag Canvas");

    INode* bracelet = Child(parent, L"Bracelet");
    EXPECT_EQ(MeshPath(bracelet), RepositoryPath(L"\\anna\\bracelet\\stand.vrmesh"));
    EXPECT_TRUE(bracelet->GetNodeTM(0).IsIdentity());
    EXPECT_EQ(MaterialName(bracelet), L"Bracelet");

    // The group: head under the root with its pivot at the origin, the parent and its children
    // as members.
    INode* head = parent->GetParentNode();
    ASSERT_NE(head, nullptr);
    EXPECT_TRUE(head->IsGroupHead());
    EXPECT_EQ(hostsdk::ToWide(head->GetName()), L"ZANRET Character Anna");
    EXPECT_TRUE(BoolProperty(head, Builder::kGroupProperty));
    EXPECT_EQ(head->GetParentNode(), ip->GetRootNode());
    ExpectPointNear(head->GetNodeTM(0).GetTrans(), Point3());
    EXPECT_TRUE(parent->IsGroupMember());
    for (int i = 0; i < parent->NumberOfChildren(); ++i)
        EXPECT_TRUE(parent->GetChildNode(i)->IsGroupMember());
    EXPECT_EQ(Host::NodeCount(), 8);

    // Every node on the one layer.
    ILayer* layer = CharacterLayer();
    ASSERT_NE(layer, nullptr);
    for (INode* node : Host::SceneNodes())
        EXPECT_EQ(node->GetLayer(), layer) << hostsdk::ToWide(node->GetName());
    EXPECT_EQ(LayerNodeCount(), 8);

    EXPECT_EQ(Host::UndoNames(), std::vector<MSTR>{MSTR(_M("ZANRET Character"))});
    const std::vector<MSTR> prompts = Host::Prompts();
    EXPECT_EQ(prompts, (std::vector<MSTR>{MSTR(_M("Create ZANRET Character...")),
                                          MSTR(_M("ZANRET Character created"))}));
    EXPECT_GT(Host::RedrawCount(), 0);

    // The folders the build leaves on the character.
    CharacterData* anna = Data2::GetCharacter(L"anna");
    const std::wstring folder = Fields::Value(anna, L"folder");
    EXPECT_EQ(folder, RepositoryPath(L"\\anna"));
    EXPECT_EQ(std::wstring(Fields::Value(anna, L"generalTextureFolder")), folder + L"\\maps\\");
    EXPECT_EQ(std::wstring(Fields::Value(anna, L"globalMaps")), RepositoryPath(L"maps\\"));
}

TEST_F(BuilderTest, UndoTakesTheWholeBuildBackAndRedoBringsItAgain)
{
    SelectAnna();
    SelectAsset(L"bag");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    const int built = Host::NodeCount();
    EXPECT_EQ(built, 7);

    ASSERT_TRUE(Host::Undo());
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_EQ(CharacterLayer(), nullptr);
    EXPECT_FALSE(parent->IsInScene());

    ASSERT_TRUE(Host::Redo());
    EXPECT_EQ(Host::NodeCount(), built);
    EXPECT_TRUE(parent->IsInScene());
    EXPECT_TRUE(parent->GetParentNode()->IsGroupHead());
    EXPECT_EQ(LayerNodeCount(), built);
    EXPECT_EQ(ChildNames(parent).size(), 5u);
}

TEST_F(BuilderTest, MeshPathsAreSharedAsInstancesWithinAndAcrossBuilds)
{
    SelectAnna();
    // The bag twice: once alone, once with its material; one proxy object.
    SelectAsset(L"bag");
    SelectAsset(L"bag", L"canvas");
    INode* first = Builder::BuildCharacter();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"use instance..."), 1);
    INode* bagA = first->GetChildNode(4);
    INode* bagB = first->GetChildNode(5);
    EXPECT_EQ(bagA->GetObjectRef(), bagB->GetObjectRef());
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(bagA->GetObjectRef()), 2);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 5);

    log.Clear();
    INode* second = Builder::BuildCharacter();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"use instance..."), 6);
    ASSERT_EQ(second->NumberOfChildren(), first->NumberOfChildren());
    for (int i = 0; i < 4; ++i)
    {
        Object* shared = first->GetChildNode(i)->GetObjectRef();
        EXPECT_EQ(second->GetChildNode(i)->GetObjectRef(), shared);
        EXPECT_EQ(ObjectDatabase::GetReferenceCount(shared), 2);
    }
    EXPECT_EQ(ObjectDatabase::GetReferenceCount(bagA->GetObjectRef()), 4);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 5);

    // Two steps, one layer holding both characters.
    EXPECT_EQ(Host::UndoNames(),
              (std::vector<MSTR>{MSTR(_M("ZANRET Character")), MSTR(_M("ZANRET Character"))}));
    EXPECT_EQ(CountLayersNamed(Builder::kCharacterLayerName), 1);
    EXPECT_EQ(LayerNodeCount(), Host::NodeCount());
    EXPECT_EQ(Host::NodeCount(), 2 * 8);
}

TEST_F(BuilderTest, IncompleteOrStaleSelectionBuildsNothing)
{
    struct Case
    {
        const wchar_t* character;
        const wchar_t* cloth;
        const wchar_t* style;
        const wchar_t* pose;
        const wchar_t* skin;
    };
    const Case cases[] = {
        {L"anna", L"dress", nullptr, L"stand", L"light"}, // no cloth material
        {L"anna", L"dress", L"red", L"stand", nullptr},   // no skin
        {L"anna", nullptr, L"red", L"stand", L"light"},   // no cloth
        {nullptr, L"dress", L"red", L"stand", L"light"},  // no character
        {L"ghost", L"dress", L"red", L"stand", L"light"}, // character gone
        {L"anna", L"dress", L"red", L"run", L"light"},    // pose gone
        {L"anna", L"coat", L"red", L"stand", L"light"},   // cloth gone
        {L"anna", L"dress", L"blue", L"stand", L"light"}, // style gone
        {L"anna", L"dress", L"red", L"stand", L"tanned"}, // skin gone
    };
    for (const Case& c : cases)
    {
        Select(c.character, c.cloth, c.style, c.pose, c.skin);
        EXPECT_EQ(Builder::BuildCharacter(), nullptr);
    }
    // The store emptied under a complete selection, as a reload does before it reads again.
    SelectAnna();
    SelectAsset(L"bag");
    Data2::Reset();
    EXPECT_EQ(Builder::BuildCharacter(), nullptr);

    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_TRUE(Host::UndoNames().empty());
    EXPECT_EQ(CharacterLayer(), nullptr);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);
}

TEST_F(BuilderTest, NoSettingsMeansNoBuild)
{
    SelectAnna();
    Settings::FreeSettings();
    EXPECT_EQ(Builder::BuildCharacter(), nullptr);
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_TRUE(Host::UndoNames().empty());
}

TEST_F(BuilderTest, ParentHelperThatCannotBeMadeCancelsTheBuild)
{
    SelectAnna();
    Host::SetClassAvailable(Builder::kCharacterParentClassID, false);
    EXPECT_EQ(Builder::CreateParentNode(), nullptr);
    EXPECT_EQ(Builder::BuildCharacter(), nullptr);
    EXPECT_EQ(Host::NodeCount(), 0);
    EXPECT_TRUE(Host::UndoNames().empty());
    EXPECT_EQ(CharacterLayer(), nullptr);
    EXPECT_EQ(ObjectDatabase::GetEntryCount(), 0);

    Host::SetClassAvailable(Builder::kCharacterParentClassID, true);
    EXPECT_NE(Builder::BuildCharacter(), nullptr);
}

TEST_F(BuilderTest, SelectedAssetsThatNameNothingArePassedOver)
{
    SelectAnna(L"sit");
    Selection2::AddAsset(999999);
    SelectAsset(L"bag");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(ChildNames(parent), (std::vector<std::wstring>{L"Sitting", L"Dress", L"Bag"}));
}

TEST_F(BuilderTest, MissingProxyClassStillGivesAGroupedParent)
{
    SelectAnna();
    Host::SetClassAvailable(Builder::kProxyMeshClassID, false);
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->NumberOfChildren(), 0);
    EXPECT_TRUE(parent->GetParentNode()->IsGroupHead());
    EXPECT_EQ(Host::NodeCount(), 2);
    EXPECT_EQ(Host::UndoNames().size(), 1u);
}

TEST_F(BuilderTest, NoLayerManagerLeavesNodesOffTheLayer)
{
    SelectAnna();
    Host::SetLayerManagerAvailable(false);
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(Host::NodeCount(), 6);
    Host::SetLayerManagerAvailable(true);
    EXPECT_EQ(CharacterLayer(), nullptr);
}

TEST_F(BuilderTest, UnitFactorIsComputedInSinglePrecision)
{
    ExpectPointNear(Builder::GetUnitScale(), Point3(1.0f, 1.0f, 1.0f), 0.0f);
    Host::SetSystemUnit(UNITS_METERS, 1.0f);
    EXPECT_EQ(Builder::GetUnitScale().x, 1.0f / 100.0f);
    // Two inches a unit: GetMasterScale gives 2.0 for inches and 5.08 for centimetres.
    Host::SetSystemUnit(UNITS_INCHES, 2.0f);
    const Point3 f = Builder::GetUnitScale();
    EXPECT_EQ(f.x, 2.0f * 2.0f / static_cast<float>(5.08));
    EXPECT_EQ(f.y, f.x);
    EXPECT_EQ(f.z, f.x);
}

TEST_F(BuilderTest, ParentScalesTheWholeCharacterForTheSystemUnit)
{
    Host::SetSystemUnit(UNITS_METERS, 1.0f);
    SelectAnna();
    SelectAsset(L"bag");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    EXPECT_TRUE(parent->GetNodeTM(0).Equals(ScaleMatrix(Point3(0.01f, 0.01f, 0.01f)), 1e-7f));
    // The bag: turned 90 degrees about x and moved 10 along x, then scaled with the parent.
    const Matrix3 bag = Child(parent, L"Bag")->GetNodeTM(0);
    ExpectPointNear(bag.GetRow(0), Point3(0.01f, 0.0f, 0.0f), 1e-6f);
    ExpectPointNear(bag.GetRow(1), Point3(0.0f, 0.0f, 0.01f), 1e-6f);
    ExpectPointNear(bag.GetRow(2), Point3(0.0f, -0.01f, 0.0f), 1e-6f);
    ExpectPointNear(bag.GetTrans(), Point3(0.1f, 0.0f, 0.0f), 1e-6f);
    ExpectPointNear(Child(parent, L"Hair")->GetNodeTM(0).GetTrans(), Point3(0.0f, 0.0f, 1.6f), 1e-5f);
    // The group head's pivot stays at the origin whatever the members' bounds.
    ExpectPointNear(parent->GetParentNode()->GetNodeTM(0).GetTrans(), Point3(), 0.0f);
}

TEST_F(BuilderTest, AssetMatrixTurnsInDegreesAboutXThenYThenZ)
{
    SelectAnna(L"sit");
    SelectAsset(L"bag");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    // sit: a quarter turn about x, then one about z, then 5 along y. Taken the other way round
    // the x axis would end up on z.
    const Matrix3 bag = Child(parent, L"Bag")->GetNodeTM(0);
    ExpectPointNear(bag.GetRow(0), Point3(0.0f, 1.0f, 0.0f));
    ExpectPointNear(bag.GetRow(1), Point3(0.0f, 0.0f, 1.0f));
    ExpectPointNear(bag.GetRow(2), Point3(1.0f, 0.0f, 0.0f));
    ExpectPointNear(bag.GetTrans(), Point3(0.0f, 5.0f, 0.0f));
}

TEST_F(BuilderTest, AssetsWithoutMatrixEntryStayAtTheOriginWithoutMaterial)
{
    SelectAnna(L"sit");
    SelectAsset(L"lonely");
    // The global asset itself, picked in a pose where its reference has no entry.
    Selection2::AddAsset(Data2::GetUnique(Data2::GetGlobalAssetById(L"g_glasses")));
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(ChildNames(parent),
              (std::vector<std::wstring>{L"Sitting", L"Dress", L"Lonely", L"Sunglasses"}));
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"could not find asset matrix..."), 1);
    for (const wchar_t* name : {L"Lonely", L"Sunglasses"})
    {
        INode* node = Child(parent, name);
        EXPECT_TRUE(node->GetNodeTM(0).IsIdentity()) << name;
        EXPECT_EQ(node->GetMtl(), nullptr) << name;
    }
    EXPECT_EQ(StringProperty(Child(parent, L"Sunglasses"), Builder::kAssetProperty), L"g_glasses");
}

TEST_F(BuilderTest, ElementsWithoutMaterialGetNone)
{
    Select(L"anna", L"dress", L"plain", L"sit", L"bare");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    // A skin without material stops the body step before the body is made.
    EXPECT_EQ(ChildNames(parent), std::vector<std::wstring>{L"Dress"});
    EXPECT_EQ(Child(parent, L"Dress")->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Search for material: "), 0);
}

TEST_F(BuilderTest, CharacterWithoutNameKeepsTheTrailingBlank)
{
    Select(L"nameless", L"dress", L"red", L"stand", L"light");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(hostsdk::ToWide(parent->GetName()), L"ZANRET Character ");
    EXPECT_EQ(hostsdk::ToWide(parent->GetParentNode()->GetName()), L"ZANRET Character ");
    EXPECT_EQ(ChildNames(parent), (std::vector<std::wstring>{L"Standing", L"Dress"}));
}

// A catalogue that sends elements beside the repository, where the files are: none of them is read.
// Those elements get no node, and a character whose folder is there is not built at all.
TEST_F(BuilderTest, NothingOutsideTheRepositoryIsBuilt)
{
    const std::string mesh = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    for (const char* folder : {"hair", "bracelet", "glasses"})
    {
        beside.WriteFile(std::string(folder) + "/asset.vrmesh", mesh);
        beside.WriteFile(std::string(folder) + "/stand.vrmesh", mesh);
        beside.WriteFile(std::string(folder) + "/materials.mat", repository.ReadFile("anna/props.mat"));
    }
    const std::wstring fromCharacter = L"..\\..\\" + BesideName();
    CharacterData* anna = Data2::GetCharacter(L"anna");
    anna->GetAsset(L"hair")->SetData(L"folder", (fromCharacter + L"\\hair").c_str());
    anna->GetAsset(L"bracelet")
        ->SetData(L"folder", (L"bracelet\\..\\" + fromCharacter + L"\\bracelet").c_str());
    Data2::GetGlobalAssetById(L"g_glasses")->SetData(L"folder", (fromCharacter + L"\\glasses").c_str());

    SelectAnna();
    SelectAsset(L"bracelet");
    INode* parent = Builder::BuildCharacter();
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(ChildNames(parent), (std::vector<std::wstring>{L"Standing", L"Dress"}));
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Builder::IsInRepository: path leaves the repository folder"), 3);
    EXPECT_EQ(Host::UndoNames().size(), 1u);

    // The whole character beside the repository: nothing is made and nothing is recorded.
    const int nodes = Host::NodeCount();
    Data2::GetCharacter(L"nameless")->SetData(L"folder", RepositoryPath(L"\\..\\" + BesideName()).c_str());
    beside.WriteFile("stand/pose.vrmesh", mesh);
    Select(L"nameless", L"dress", L"red", L"stand", L"light");
    EXPECT_EQ(Builder::BuildCharacter(), nullptr);
    EXPECT_EQ(Host::NodeCount(), nodes);
    EXPECT_EQ(Host::UndoNames().size(), 1u);
}
