#pragma once
// What a generated sample repository holds, before it is written to disk. The generator keeps its
// own small model: it feeds the plug-in's reader and must not share code with it.
//
// Texts are UTF-8. An empty attribute text means the attribute is left out of the catalogue.
// Folder and preview names use backslashes as the catalogue does; the writer maps them to the disk.

#include <array>
#include <string>
#include <vector>

namespace ZANRET::Samples
{
// Red, green, blue, 0 to 255.
using Colour = std::array<int, 3>;

// Whether a file or folder that the catalogue names is written.
enum class Presence
{
    Written,
    Missing,
    // A folder stands where a file is expected.
    FolderInstead,
};

enum class MaterialKind
{
    // One bitmap map directly in a map slot.
    Plain,
    // Sub-materials, each with its own bitmap.
    Multi,
    // A bitmap map held inside another map's parameters.
    NestedBitmap,
    // The unit-scaled class: a bitmap map and the float parameter that the builder scales.
    UnitScaled,
};

struct MaterialDefinition
{
    std::string name;
    MaterialKind kind = MaterialKind::Plain;
    // Texture file names (as found in the repository's maps folder), one per bitmap map. A multi
    // material gets one sub-material per texture.
    std::vector<std::string> textures;
    // The diffuse colour, the colour its name says; its first texture is drawn in it, and so are its
    // previews.
    Colour colour{200, 200, 200};
    // The colours of the second and later textures of a multi material (the shirt under a suit);
    // a texture without one takes the diffuse colour.
    std::vector<Colour> otherColours;
};

// A material library file: its path below its base folder (the character folder, or the
// repository folder for the global libraries), with backslashes.
struct MaterialLibrary
{
    std::string path;
    std::vector<MaterialDefinition> materials;
};

// How a figure stands in a pose, in its meshes and pictures.
enum class Posture
{
    Standing,
    Walking,
    Sitting,
    Waving,
    Leaning,
};

// The cut of an outfit, in its meshes and pictures.
enum class Garment
{
    // A shirt with sleeves and trousers with two legs.
    Trousers,
    // Flares below the waist to the knees.
    Dress,
    // Long sleeves and a skirt to the shins.
    Coat,
    Swimsuit,
};

// How a cloth material's swatch is woven.
enum class Weave
{
    Plain,
    Denim,
    Knit,
};

// What an asset is, for its mesh and its pictures.
enum class AssetShape
{
    // A wrapped box: the uniform assets of a large repository.
    Parcel,
    Handbag,
    Backpack,
    SunHat,
    Cap,
    Beanie,
    Necklace,
    Bracelet,
    Watch,
    Sunglasses,
    Scarf,
    Hair,
    Chair,
    Phone,
};

// How the meshes are made: a large repository keeps plain boxes, so that it stays small and quick
// to write and its benchmarks measure the plug-in, not the modelling.
enum class Modelling
{
    Figures,
    Boxes,
};

struct Skin
{
    std::string id, name, preview, material;
    Presence previewFile = Presence::Written;
};

// A cloth material (style) of an outfit; its preview lies in the outfit's folder.
struct ClothMaterial
{
    std::string id, name, preview, material;
    Presence previewFile = Presence::Written;
    Weave weave = Weave::Plain;
};

struct ClothSelect
{
    std::string assetId;
    // Empty: the entry names the asset alone.
    std::string materialId;
};

struct Cloth
{
    std::string id, name, folder, url;
    Garment garment = Garment::Trousers;
    Presence folderOnDisk = Presence::Written;
    // previews\preview_<id>.png
    Presence previewFile = Presence::Written;
    std::vector<ClothMaterial> materials;
    std::vector<std::string> excludes;
    std::vector<ClothSelect> selects;
    // Poses for which <folder>\<id>_<pose id>.vrmesh is not written.
    std::vector<std::string> posesWithoutMesh;
    // Poses for which previews\<id>_<pose id>.png is not written.
    std::vector<std::string> posesWithoutPreview;
};

struct Pose
{
    std::string id, name, folder, url;
    Posture posture = Posture::Standing;
    Presence folderOnDisk = Presence::Written;
    // Ids of the assets always built with the pose.
    std::vector<std::string> mandatory;
};

struct Category
{
    std::string id, name, selection, required;
};

struct AssetMaterial
{
    std::string id, name, preview, material;
};

// A character's own asset, or a global asset of the repository.
struct Asset
{
    std::string id, name, type, folder, category, globalId, material;
    AssetShape shape = AssetShape::Parcel;
    Presence folderOnDisk = Presence::Written;
    std::vector<AssetMaterial> materials;
    // Boxes only: the size of its box in centimetres. A matrix-placed box is modelled around its
    // own origin; a "specific" one stands at `offset` in the character's space, as it gets no
    // matrix entry. Figures model each shape at its own size, a specific one where it belongs in
    // the pose.
    std::array<float, 3> size{20, 10, 20};
    std::array<float, 3> offset{0, 0, 0};
};

struct MatrixEntry
{
    std::string poseId, assetId;
    std::array<float, 3> position{0, 0, 0};
    // Degrees about x, y, z.
    std::array<float, 3> rotation{0, 0, 0};
};

struct Character
{
    std::string id, name, folder, url;
    Presence folderOnDisk = Presence::Written;
    Presence previewsFolder = Presence::Written;
    Presence skinFolder = Presence::Written;
    // Display names of the skins, cloth and poses sections.
    std::string skinsName, clothName, posesName;
    std::vector<Skin> skins;
    std::vector<Cloth> cloths;
    std::vector<Pose> poses;
    std::vector<Category> categories;
    std::vector<Asset> assets;
    std::vector<MatrixEntry> matrix;
    // Paths relative to the character folder.
    std::vector<MaterialLibrary> libraries;
};

struct Repository
{
    Modelling modelling = Modelling::Figures;
    std::vector<Character> characters;
    std::vector<Asset> globalAssets;
    // Paths relative to the repository folder.
    std::vector<MaterialLibrary> libraries;
};

// The default sample: every case that the reader, the store, the window and the builder tell apart.
Repository DefaultSample();

struct LargeSampleCounts
{
    int characters = 300;
    int outfits = 12;
    int poses = 20;
    // Per character.
    int assets = 40;
};

// A large, uniform repository for benchmarks: every character, outfit, pose and asset is present.
Repository LargeSample(const LargeSampleCounts& counts);

// Lookups used by the writer and the tests.
const Pose* FindPose(const Character& character, const std::string& id);
const Asset* FindAsset(const std::vector<Asset>& assets, const std::string& id);
bool Contains(const std::vector<std::string>& list, const std::string& value);
} // namespace ZANRET::Samples
