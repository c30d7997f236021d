// The default sample repository, in one place. samples/README.md lists what each character covers;
// keep the two in step.

#include "SampleRepository.h"

namespace ZANRET::Samples
{
namespace
{
const std::string kShop = "https://example.com/shop/";

MaterialDefinition Plain(const std::string& name, const std::string& texture, Colour colour)
{
    return {.name = name, .kind = MaterialKind::Plain, .textures = {texture}, .colour = colour};
}

// The first texture in the material's colour, the others in their own.
MaterialDefinition Multi(const std::string& name, std::vector<std::string> textures, Colour colour,
                         std::vector<Colour> otherColours = {})
{
    return {.name = name,
            .kind = MaterialKind::Multi,
            .textures = std::move(textures),
            .colour = colour,
            .otherColours = std::move(otherColours)};
}

MaterialDefinition Nested(const std::string& name, const std::string& texture, Colour colour)
{
    return {.name = name, .kind = MaterialKind::NestedBitmap, .textures = {texture}, .colour = colour};
}

MaterialDefinition UnitScaled(const std::string& name, const std::string& texture, Colour colour)
{
    return {.name = name, .kind = MaterialKind::UnitScaled, .textures = {texture}, .colour = colour};
}

MatrixEntry Place(const std::string& pose, const std::string& asset, std::array<float, 3> position,
                  std::array<float, 3> rotation = {0, 0, 0})
{
    return {.poseId = pose, .assetId = asset, .position = position, .rotation = rotation};
}

// The full case: every kind of outfit, pose, category and asset.
Character Anna()
{
    Character c{.id = "anna", .name = "Anna", .folder = "characters\\anna", .url = kShop + "anna"};
    c.skinsName = "Skin";
    c.clothName = "Cloth Material";
    c.posesName = "Poses";

    c.skins = {
        {.id = "anna_light", .name = "Light", .preview = "skin_light.png", .material = "Anna Skin Light"},
        {.id = "anna_tan", .name = "Tan", .preview = "skin_tan.png", .material = "Anna Skin Tan"},
        // Listed in the catalogue, but its picture is missing: the window does not list it.
        {.id = "anna_pale",
         .name = "Pale",
         .preview = "skin_pale.png",
         .material = "Anna Skin Light",
         .previewFile = Presence::Missing},
    };

    // Document order differs from name order, so the reader's sort shows.
    c.cloths = {
        {.id = "anna_dress",
         .name = "Summer Dress",
         .folder = "dress",
         .url = kShop + "anna_dress",
         .garment = Garment::Dress,
         .materials =
             {{.id = "dress_red", .name = "Red", .preview = "style_red.png", .material = "Dress Red"},
              {.id = "dress_blue", .name = "Blue", .preview = "style_blue.png", .material = "Dress Blue"},
              // No picture: not listed.
              {.id = "dress_green",
               .name = "Green",
               .preview = "style_green.png",
               .material = "Dress Red",
               .previewFile = Presence::Missing}},
         .excludes = {"backpack"},
         .selects = {{.assetId = "bag", .materialId = "bag_canvas"}, {.assetId = "hat"}},
         .posesWithoutMesh = {"sit"}},
        // Its folder has no library: the styles are found in the character's own libraries.
        {.id = "anna_jeans",
         .name = "Jeans & Shirt",
         .folder = "jeans",
         .url = kShop + "anna_jeans",
         .materials = {{.id = "jeans_denim",
                        .name = "Denim",
                        .preview = "style_denim.png",
                        .material = "Jeans Denim",
                        .weave = Weave::Denim},
                       {.id = "jeans_black",
                        .name = "Black",
                        .preview = "style_black.png",
                        .material = "Jeans Black"}},
         .excludes = {"scarf"},
         .selects = {{.assetId = "sunglasses"}, {.assetId = "watch", .materialId = "watch_silver"}},
         .posesWithoutPreview = {"wave"}},
        // Folder missing: "notavailable", shown under the overlay, not in the character tree.
        {.id = "anna_coat",
         .name = "Winter Coat",
         .folder = "coat",
         .url = kShop + "anna_coat",
         .garment = Garment::Coat,
         .folderOnDisk = Presence::Missing,
         .materials = {{.id = "coat_wool",
                        .name = "Wool",
                        .preview = "style_wool.png",
                        .material = "Coat Wool",
                        .weave = Weave::Knit}}},
        // No preview picture: dropped when the catalogue is read.
        {.id = "anna_gown",
         .name = "Ball Gown",
         .folder = "gown",
         .url = kShop + "anna_gown",
         .garment = Garment::Dress,
         .previewFile = Presence::Missing,
         .materials =
             {{.id = "gown_silk", .name = "Silk", .preview = "style_silk.png", .material = "Dress Blue"}}},
        // No cloth material at all: its material page is empty and it cannot be built.
        {.id = "anna_swim",
         .name = "Swimsuit",
         .folder = "swim",
         .url = kShop + "anna_swim",
         .garment = Garment::Swimsuit},
    };

    c.poses = {
        {.id = "stand",
         .name = "Standing",
         .folder = "poses\\stand",
         .url = kShop + "buy?pose=anna_stand",
         .mandatory = {"hair"}},
        {.id = "walk",
         .name = "Walking",
         .folder = "poses\\walk",
         .url = kShop + "buy?pose=anna_walk",
         .posture = Posture::Walking,
         .mandatory = {"hair"}},
        // The dress has no mesh for it: unavailable with the dress.
        {.id = "sit",
         .name = "Sitting",
         .folder = "poses\\sit",
         .url = kShop + "buy?pose=anna_sit",
         .posture = Posture::Sitting,
         .mandatory = {"hair", "chair"}},
        // The jeans have no picture for it: not listed with the jeans.
        {.id = "wave",
         .name = "Waving",
         .folder = "poses\\wave",
         .url = kShop + "buy?pose=anna_wave",
         .posture = Posture::Waving,
         .mandatory = {"hair"}},
        // Folder missing: never listed.
        {.id = "run",
         .name = "Running",
         .folder = "poses\\run",
         .url = kShop + "buy?pose=anna_run",
         .posture = Posture::Walking,
         .folderOnDisk = Presence::Missing},
    };

    c.categories = {
        {.id = "bags", .name = "Bags", .selection = "single", .required = "true"},
        {.id = "hats", .name = "Hats"},
        {.id = "jewellery", .name = "Jewellery", .selection = "multiple", .required = "false"},
        {.id = "extras", .name = "Extras", .selection = "multiple", .required = "true"},
    };

    c.assets = {
        // Placed by the matrix, with two materials; none for "wave".
        {.id = "bag",
         .name = "Handbag",
         .folder = "assets\\bag",
         .category = "bags",
         .material = "Bag Leather",
         .shape = AssetShape::Handbag,
         .materials =
             {{.id = "bag_leather",
               .name = "Leather",
               .preview = "bag_leather.png",
               .material = "Bag Leather"},
              {.id = "bag_canvas", .name = "Canvas", .preview = "bag_canvas.png", .material = "Bag Canvas"}}},
        // Without materials; its folder has no library (found in the character's props.mat).
        {.id = "backpack",
         .name = "Backpack",
         .folder = "assets\\backpack",
         .category = "bags",
         .material = "Backpack",
         .shape = AssetShape::Backpack},
        {.id = "hat",
         .name = "Sun Hat",
         .folder = "assets\\hat",
         .category = "hats",
         .material = "Hat Straw",
         .shape = AssetShape::SunHat},
        {.id = "necklace",
         .name = "Necklace",
         .folder = "assets\\necklace",
         .category = "jewellery",
         .material = "Necklace Pearl",
         .shape = AssetShape::Necklace},
        // One mesh per pose, no matrix entry.
        {.id = "bracelet",
         .name = "Bracelet",
         .type = "specific",
         .folder = "assets\\bracelet",
         .category = "jewellery",
         .material = "Bracelet Silver",
         .shape = AssetShape::Bracelet},
        // Refers to a global asset with materials.
        {.id = "watch", .name = "Watch", .type = "global", .category = "jewellery", .globalId = "g_watch"},
        // Refers to a global asset without materials.
        {.id = "sunglasses",
         .name = "Sunglasses",
         .type = "global",
         .category = "extras",
         .globalId = "g_sunglasses"},
        {.id = "scarf",
         .name = "Scarf",
         .folder = "assets\\scarf",
         .category = "extras",
         .material = "Scarf Wool",
         .shape = AssetShape::Scarf},
        // Refers to no global asset: never available.
        {.id = "umbrella",
         .name = "Umbrella",
         .type = "global",
         .category = "extras",
         .globalId = "g_umbrella"},
        // Refers to a global asset whose folder is missing.
        {.id = "shawl", .name = "Shawl", .type = "global", .category = "extras", .globalId = "g_shawl"},
        // Folder missing: never available.
        {.id = "parasol",
         .name = "Parasol",
         .folder = "assets\\parasol",
         .category = "extras",
         .material = "Scarf Wool",
         .folderOnDisk = Presence::Missing},
        // Mandatory elements of the poses, in no category.
        {.id = "hair",
         .name = "Hair",
         .folder = "assets\\hair",
         .material = "Anna Hair",
         .shape = AssetShape::Hair},
        {.id = "chair",
         .name = "Chair",
         .type = "specific",
         .folder = "assets\\chair",
         .material = "Chair Wood",
         .shape = AssetShape::Chair},
    };

    // Each asset's origin where it belongs on the figure of the pose: the middle of the head for
    // the hair, the brim of the hat above it, the bridge of the glasses before the eyes, the neck
    // for the necklace and the scarf, the right wrist for the watch, the left hand for the bag's
    // handle, the back for the backpack.
    c.matrix = {
        Place("stand", "hair", {0, 0, 161}),
        Place("walk", "hair", {0, -2, 159}),
        Place("sit", "hair", {0, 0, 121}),
        Place("wave", "hair", {0, 0, 161}),
        Place("stand", "bag", {26, -3, 80}),
        Place("walk", "bag", {25, -24, 83}, {0, 0, 10}),
        // Lying on the lap, the handle towards the knees, the hands at its sides.
        Place("sit", "bag", {0, -40, 62}, {90, 90, 0}),
        Place("stand", "backpack", {0, 12.5f, 118}),
        Place("walk", "backpack", {0, 12.5f, 116}),
        Place("stand", "hat", {0, 0, 165}),
        Place("walk", "hat", {0, -2, 163}),
        Place("sit", "hat", {0, 0, 125}),
        Place("wave", "hat", {0, 0, 165}, {0, 0, 10}),
        Place("stand", "necklace", {0, 0, 142.5f}),
        Place("walk", "necklace", {0, 0, 140.5f}),
        Place("sit", "necklace", {0, 0, 102.5f}),
        Place("wave", "necklace", {0, 0, 142.5f}),
        // Turned to run along the forearm.
        Place("stand", "watch", {-24.8f, -1.7f, 90.4f}, {-7, 5, 0}),
        Place("walk", "watch", {-23.9f, 14.4f, 90.3f}, {15, 0, 0}),
        Place("sit", "watch", {-16.7f, -21.8f, 63.2f}, {-63, 0, 18}),
        Place("wave", "watch", {-30.4f, -1.8f, 168}, {6, 11, 0}),
        Place("stand", "sunglasses", {0, -9.6f, 162.5f}),
        Place("walk", "sunglasses", {0, -11.6f, 160.5f}),
        Place("sit", "sunglasses", {0, -9.6f, 122.5f}),
        Place("wave", "sunglasses", {0, -9.6f, 162.5f}),
        Place("stand", "scarf", {0, 0, 143.5f}),
        Place("walk", "scarf", {0, 0, 141.5f}),
        Place("sit", "scarf", {0, 0, 103.5f}),
        Place("wave", "scarf", {0, 0, 143.5f}),
        Place("stand", "umbrella", {30, 0, 100}),
        Place("stand", "shawl", {0, 0, 143.5f}),
        Place("stand", "parasol", {30, 0, 100}),
    };

    c.libraries = {
        {"skin\\skin.mat",
         {Plain("Anna Skin Light", "anna_skin_light.jpg", {235, 200, 180}),
          UnitScaled("Anna Skin Tan", "anna_skin_tan.jpg", {200, 150, 115})}},
        {"dress\\materials.mat",
         {Multi("Dress Red", {"dress_red_top.png", "dress_red_skirt.png"}, {200, 40, 40}, {{185, 35, 40}}),
          Nested("Dress Blue", "dress_blue.jpg", {40, 70, 200})}},
        // "Dress Red" again: the dress's own library must win over this one.
        {"materials.mat",
         {Plain("Jeans Denim", "denim.jpg", {60, 80, 130}),
          Plain("Dress Red", "wrong_red.png", {255, 0, 255}),
          Plain("Coat Wool", "wool.jpg", {120, 100, 80})}},
        {"props.mat",
         {Plain("Jeans Black", "denim_black.jpg", {30, 30, 35}),
          Plain("Backpack", "nylon.png", {90, 110, 60})}},
        {"assets\\bag\\materials.mat",
         {Plain("Bag Leather", "leather.jpg", {110, 60, 30}),
          UnitScaled("Bag Canvas", "canvas.jpg", {210, 200, 170})}},
        {"assets\\hat\\materials.mat",
         {Multi("Hat Straw", {"straw.jpg", "ribbon.png"}, {220, 200, 120}, {{150, 50, 45}})}},
        {"assets\\necklace\\materials.mat", {Nested("Necklace Pearl", "pearl.png", {240, 240, 230})}},
        {"assets\\bracelet\\materials.mat", {Plain("Bracelet Silver", "silver.png", {190, 190, 200})}},
        {"assets\\scarf\\materials.mat", {Plain("Scarf Wool", "scarf_wool.jpg", {170, 40, 90})}},
        {"assets\\hair\\materials.mat", {Nested("Anna Hair", "anna_hair.png", {90, 60, 30})}},
        {"assets\\chair\\materials.mat",
         {Multi("Chair Wood", {"oak.jpg", "cushion.png"}, {140, 100, 60}, {{160, 40, 40}})}},
    };
    return c;
}

// A second character: two references to one global asset, a required single category, a cloth
// whose preview is a folder, and a global reference as a pose's mandatory element.
Character Ben()
{
    Character c{.id = "ben", .name = "Ben", .folder = "ben", .url = kShop + "ben"};
    c.skinsName = "Skin";
    c.clothName = "Cloth Material";
    c.posesName = "Poses";

    c.skins = {
        {.id = "ben_fair", .name = "Fair", .preview = "fair.png", .material = "Ben Skin Fair"},
        {.id = "ben_dark", .name = "Dark", .preview = "dark.png", .material = "Ben Skin Dark"},
    };

    c.cloths = {
        {.id = "ben_suit",
         .name = "Business Suit",
         .folder = "suit",
         .url = kShop + "ben_suit",
         .materials = {{.id = "suit_grey", .name = "Grey", .preview = "grey.png", .material = "Suit Grey"},
                       {.id = "suit_navy", .name = "Navy", .preview = "navy.png", .material = "Suit Navy"}},
         .excludes = {"cap"},
         .selects = {{.assetId = "reading"}},
         .posesWithoutMesh = {"lean"}},
        {.id = "ben_casual",
         .name = "Casual",
         .folder = "casual",
         .url = kShop + "ben_casual",
         .materials =
             {{.id = "casual_green", .name = "Green", .preview = "green.png", .material = "Casual Green"}},
         .selects = {{.assetId = "cap", .materialId = "cap_blue"}, {.assetId = "phone"}}},
        // Its folder is there, but it has a mesh for no pose: nothing can be chosen with it.
        {.id = "ben_tux",
         .name = "Tuxedo",
         .folder = "tux",
         .url = kShop + "ben_tux",
         .materials = {{.id = "tux_black", .name = "Black", .preview = "black.png", .material = "Tux Black"}},
         .posesWithoutMesh = {"stand", "sit", "lean"}},
        // A folder stands where its preview picture should be: dropped when read.
        {.id = "ben_robe",
         .name = "Robe",
         .folder = "robe",
         .url = kShop + "ben_robe",
         .garment = Garment::Coat,
         .previewFile = Presence::FolderInstead,
         .materials =
             {{.id = "robe_white", .name = "White", .preview = "white.png", .material = "Robe White"}}},
    };

    c.poses = {
        {.id = "stand",
         .name = "Standing",
         .folder = "stand",
         .url = kShop + "buy?pose=ben_stand",
         .mandatory = {"shades"}},
        {.id = "sit",
         .name = "Sitting",
         .folder = "sit",
         .url = kShop + "buy?pose=ben_sit",
         .posture = Posture::Sitting},
        {.id = "lean",
         .name = "Leaning",
         .folder = "lean",
         .url = kShop + "buy?pose=ben_lean",
         .posture = Posture::Leaning},
    };

    c.categories = {
        {.id = "headwear", .name = "Headwear", .selection = "single", .required = "true"},
        {.id = "eyewear", .name = "Eyewear", .selection = "multiple"},
        {.id = "gadgets", .name = "Gadgets"},
    };

    c.assets = {
        {.id = "cap",
         .name = "Cap",
         .folder = "assets\\cap",
         .category = "headwear",
         .material = "Cap Red",
         .shape = AssetShape::Cap,
         .materials = {{.id = "cap_red", .name = "Red", .preview = "red.png", .material = "Cap Red"},
                       {.id = "cap_blue", .name = "Blue", .preview = "blue.png", .material = "Cap Blue"}}},
        // No matrix entry for "lean": not offered there.
        {.id = "beanie",
         .name = "Beanie",
         .folder = "assets\\beanie",
         .category = "headwear",
         .material = "Beanie Knit",
         .shape = AssetShape::Beanie},
        // Two references to the same global asset.
        {.id = "shades",
         .name = "Shades",
         .type = "global",
         .category = "eyewear",
         .globalId = "g_sunglasses"},
        {.id = "reading",
         .name = "Reading Glasses",
         .type = "global",
         .category = "eyewear",
         .globalId = "g_sunglasses"},
        {.id = "phone",
         .name = "Phone",
         .type = "specific",
         .folder = "assets\\phone",
         .category = "gadgets",
         .material = "Phone Black",
         .shape = AssetShape::Phone},
    };

    // As Anna's; leaning, the head is tilted 7 degrees to the left.
    c.matrix = {
        Place("stand", "cap", {0, 0, 164}),
        Place("sit", "cap", {0, 0, 124}),
        Place("lean", "cap", {12.4f, 0, 162}, {0, 7, 0}),
        Place("stand", "beanie", {0, 0, 161}),
        Place("sit", "beanie", {0, 0, 121}),
        Place("stand", "shades", {0, -9.6f, 162.5f}),
        Place("sit", "shades", {0, -9.6f, 122.5f}),
        Place("lean", "shades", {12.2f, -9.6f, 160.5f}, {0, 7, 0}),
        Place("stand", "reading", {0, -9.6f, 162.5f}),
        Place("sit", "reading", {0, -9.6f, 122.5f}),
        Place("lean", "reading", {12.2f, -9.6f, 160.5f}, {0, 7, 0}),
    };

    c.libraries = {
        {"skin\\skin.mat",
         {Plain("Ben Skin Fair", "ben_skin_fair.jpg", {230, 195, 170}),
          Nested("Ben Skin Dark", "ben_skin_dark.jpg", {120, 80, 55})}},
        {"suit\\materials.mat",
         {UnitScaled("Suit Grey", "suit_grey.jpg", {110, 110, 115}),
          Multi("Suit Navy", {"suit_navy.jpg", "shirt_white.png"}, {30, 40, 80}, {{235, 235, 240}})}},
        {"robe\\materials.mat", {Plain("Robe White", "robe_white.jpg", {240, 240, 235})}},
        {"casual\\materials.mat", {Plain("Casual Green", "casual_green.jpg", {70, 130, 70})}},
        {"tux\\materials.mat", {Plain("Tux Black", "tux_black.jpg", {15, 15, 20})}},
        {"assets\\cap\\materials.mat",
         {Plain("Cap Red", "cap_red.png", {200, 30, 30}), Nested("Cap Blue", "cap_blue.png", {30, 60, 200})}},
        {"assets\\beanie\\materials.mat", {Plain("Beanie Knit", "knit.jpg", {160, 150, 140})}},
        {"assets\\phone\\materials.mat",
         {Multi("Phone Black", {"phone_case.png", "phone_screen.png"}, {20, 20, 20}, {{40, 80, 140}})}},
    };
    return c;
}

// The smallest complete character, with a name outside ASCII and no assets at all.
Character Zoe()
{
    Character c{.id = "zoe", .name = "Zoë", .folder = "zoe", .url = kShop + "zoe"};
    c.skinsName = "Haut";
    c.clothName = "Stoff";
    c.posesName = "Posen";
    c.skins = {{.id = "zoe_skin", .name = "Natürlich", .preview = "skin.png", .material = "Zoe Skin"}};
    c.cloths = {{.id = "zoe_overall",
                 .name = "Overall",
                 .folder = "overall",
                 .url = kShop + "zoe_overall",
                 .materials = {{.id = "overall_yellow",
                                .name = "Gelb",
                                .preview = "yellow.png",
                                .material = "Overall Yellow"}}}};
    c.poses = {{.id = "stand", .name = "Stehend", .folder = "stand", .url = kShop + "buy?pose=zoe_stand"}};
    c.libraries = {
        {"skin\\skin.mat", {Plain("Zoe Skin", "zoe_skin.jpg", {240, 210, 190})}},
        {"overall\\materials.mat", {UnitScaled("Overall Yellow", "overall_yellow.png", {230, 200, 40})}},
    };
    return c;
}

// Read and available, but the folder of its only outfit is missing: a character without outfits in
// the tree, whose outfit preview still shows, under the overlay.
Character Kai()
{
    Character c{.id = "kai", .name = "Kai", .folder = "kai", .url = kShop + "kai"};
    c.skinsName = "Skin";
    c.clothName = "Cloth Material";
    c.posesName = "Poses";
    c.skins = {{.id = "kai_skin", .name = "Default", .preview = "skin.png", .material = "Kai Skin"}};
    c.cloths = {
        {.id = "kai_jacket",
         .name = "Jacket",
         .folder = "jacket",
         .url = kShop + "kai_jacket",
         .folderOnDisk = Presence::Missing,
         .materials = {
             {.id = "jacket_brown", .name = "Brown", .preview = "brown.png", .material = "Jacket Brown"}}}};
    c.poses = {{.id = "stand", .name = "Standing", .folder = "stand", .url = kShop + "buy?pose=kai_stand"}};
    c.libraries = {{"skin\\skin.mat", {Plain("Kai Skin", "kai_skin.jpg", {210, 170, 140})}},
                   {"materials.mat", {Nested("Jacket Brown", "leather_brown.jpg", {100, 60, 35})}}};
    return c;
}

// In the catalogue, but its folder is not on disk: the reader leaves it out.
Character Ghost()
{
    Character c{.id = "ghost", .name = "Ghost", .folder = "ghost", .url = kShop + "ghost"};
    c.folderOnDisk = Presence::Missing;
    c.skins = {{.id = "ghost_skin", .name = "Mist", .preview = "mist.png", .material = "Ghost Skin"}};
    c.cloths = {{.id = "ghost_sheet", .name = "Sheet", .folder = "sheet", .garment = Garment::Coat}};
    c.poses = {{.id = "float", .name = "Floating", .folder = "float", .url = kShop + "buy?pose=ghost_float"}};
    return c;
}

// Its folder has previews but no skin folder: the reader leaves it out too.
Character Nora()
{
    Character c{.id = "nora", .name = "Nora", .folder = "nora", .url = kShop + "nora"};
    c.skinFolder = Presence::Missing;
    c.cloths = {
        {.id = "nora_dress",
         .name = "Dress",
         .folder = "dress",
         .garment = Garment::Dress,
         .materials = {{.id = "nora_red", .name = "Red", .preview = "red.png", .material = "Nora Red"}}}};
    c.poses = {{.id = "stand", .name = "Standing", .folder = "stand", .url = kShop + "buy?pose=nora_stand"}};
    c.libraries = {{"dress\\materials.mat", {Plain("Nora Red", "nora_red.jpg", {190, 30, 40})}}};
    return c;
}
} // namespace

Repository DefaultSample()
{
    Repository repository;
    repository.characters = {Anna(), Ben(), Zoe(), Kai(), Ghost(), Nora()};
    repository.globalAssets = {
        // No library of its own: found in global_assets\materials.mat.
        {.id = "g_sunglasses",
         .name = "Sunglasses",
         .type = "global",
         .folder = "sunglasses",
         .material = "Sunglasses",
         .shape = AssetShape::Sunglasses},
        {.id = "g_watch",
         .name = "Watch",
         .type = "global",
         .folder = "watch",
         .material = "Watch Gold",
         .shape = AssetShape::Watch,
         .materials =
             {{.id = "watch_gold", .name = "Gold", .preview = "gold.png", .material = "Watch Gold"},
              {.id = "watch_silver", .name = "Silver", .preview = "silver.png", .material = "Watch Silver"}}},
        {.id = "g_shawl",
         .name = "Shawl",
         .type = "global",
         .folder = "shawl",
         .material = "Sunglasses",
         .shape = AssetShape::Scarf,
         .folderOnDisk = Presence::Missing},
    };
    repository.libraries = {
        {"global_assets\\materials.mat",
         {Multi("Sunglasses", {"frame.png", "lens.png"}, {20, 20, 25}, {{45, 55, 70}})}},
        {"global_assets\\watch\\materials.mat",
         {UnitScaled("Watch Gold", "gold.jpg", {212, 175, 55}),
          Nested("Watch Silver", "brushed_steel.jpg", {192, 192, 200})}},
    };
    return repository;
}

const Pose* FindPose(const Character& character, const std::string& id)
{
    for (const Pose& pose : character.poses)
    {
        if (pose.id == id)
            return &pose;
    }
    return nullptr;
}

const Asset* FindAsset(const std::vector<Asset>& assets, const std::string& id)
{
    for (const Asset& asset : assets)
    {
        if (asset.id == id)
            return &asset;
    }
    return nullptr;
}

bool Contains(const std::vector<std::string>& list, const std::string& value)
{
    for (const std::string& entry : list)
    {
        if (entry == value)
            return true;
    }
    return false;
}
} // namespace ZANRET::Samples
