#include "CatalogueWriter.h"

#include "XmlEscape.h"

#include <charconv>
#include <utility>

namespace ZANRET::Samples
{
namespace
{
using Attributes = std::vector<std::pair<const char*, std::string>>;

std::string FloatText(float value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

class XmlOut
{
public:
    // An element with its attributes; empty values are left out. Closed at once when it has no
    // children.
    void Open(const char* name, const Attributes& attributes, bool empty = false)
    {
        Indent();
        m_text += '<';
        m_text += name;
        for (const auto& [key, value] : attributes)
        {
            if (value.empty())
                continue;
            m_text += ' ';
            m_text += key;
            m_text += "=\"";
            m_text += EscapeAttribute(value);
            m_text += '"';
        }
        m_text += empty ? "/>\n" : ">\n";
        if (!empty)
            ++m_depth;
    }
    void Empty(const char* name, const Attributes& attributes) { Open(name, attributes, true); }
    void Close(const char* name)
    {
        --m_depth;
        Indent();
        m_text += "</";
        m_text += name;
        m_text += ">\n";
    }
    std::string& Text() { return m_text; }

private:
    void Indent() { m_text.append(static_cast<std::size_t>(m_depth) * 2, ' '); }

    std::string m_text;
    int m_depth = 0;
};

void WriteAssetMaterials(XmlOut& out, const std::vector<AssetMaterial>& materials)
{
    for (const AssetMaterial& m : materials)
        out.Empty("material",
                  {{"id", m.id}, {"name", m.name}, {"preview", m.preview}, {"material", m.material}});
}

void WriteAsset(XmlOut& out, const Asset& asset)
{
    Attributes attributes = {{"id", asset.id},
                             {"name", asset.name},
                             {"type", asset.type},
                             {"folder", asset.folder},
                             {"category", asset.category},
                             {"globalID", asset.globalId},
                             {"material", asset.material}};
    if (asset.materials.empty())
    {
        out.Empty("asset", attributes);
        return;
    }
    out.Open("asset", attributes);
    WriteAssetMaterials(out, asset.materials);
    out.Close("asset");
}

void WriteCloth(XmlOut& out, const Cloth& cloth)
{
    Attributes attributes = {
        {"id", cloth.id}, {"name", cloth.name}, {"folder", cloth.folder}, {"url", cloth.url}};
    if (cloth.materials.empty() && cloth.excludes.empty() && cloth.selects.empty())
    {
        out.Empty("clothing", attributes);
        return;
    }
    out.Open("clothing", attributes);
    for (const ClothMaterial& m : cloth.materials)
        out.Empty("material",
                  {{"id", m.id}, {"name", m.name}, {"preview", m.preview}, {"material", m.material}});
    for (const std::string& id : cloth.excludes)
        out.Empty("exclude", {{"id", id}});
    for (const ClothSelect& select : cloth.selects)
        out.Empty("select", {{"asset_id", select.assetId}, {"material_id", select.materialId}});
    out.Close("clothing");
}

void WritePose(XmlOut& out, const Pose& pose)
{
    Attributes attributes = {
        {"id", pose.id}, {"name", pose.name}, {"folder", pose.folder}, {"url", pose.url}};
    if (pose.mandatory.empty())
    {
        out.Empty("pose", attributes);
        return;
    }
    out.Open("pose", attributes);
    for (const std::string& id : pose.mandatory)
        out.Empty("mandatory", {{"id", id}});
    out.Close("pose");
}

void WriteCharacter(XmlOut& out, const Character& c)
{
    out.Open("character", {{"id", c.id}, {"name", c.name}, {"folder", c.folder}, {"url", c.url}});

    out.Open("skins", {{"name", c.skinsName}});
    for (const Skin& skin : c.skins)
        out.Empty(
            "skin",
            {{"id", skin.id}, {"name", skin.name}, {"preview", skin.preview}, {"material", skin.material}});
    out.Close("skins");

    out.Open("cloth", {{"name", c.clothName}});
    for (const Cloth& cloth : c.cloths)
        WriteCloth(out, cloth);
    out.Close("cloth");

    out.Open("poses", {{"name", c.posesName}});
    for (const Pose& pose : c.poses)
        WritePose(out, pose);
    out.Close("poses");

    out.Open("categories", {});
    for (const Category& category : c.categories)
        out.Empty("category", {{"id", category.id},
                               {"name", category.name},
                               {"selection", category.selection},
                               {"required", category.required}});
    out.Close("categories");

    out.Open("assets", {});
    for (const Asset& asset : c.assets)
        WriteAsset(out, asset);
    out.Close("assets");

    out.Open("AssetMatrix", {});
    for (const MatrixEntry& e : c.matrix)
        out.Empty("matrix", {{"poseID", e.poseId},
                             {"assetID", e.assetId},
                             {"xpos", FloatText(e.position[0])},
                             {"ypos", FloatText(e.position[1])},
                             {"zpos", FloatText(e.position[2])},
                             {"xrot", FloatText(e.rotation[0])},
                             {"yrot", FloatText(e.rotation[1])},
                             {"zrot", FloatText(e.rotation[2])}});
    out.Close("AssetMatrix");

    out.Close("character");
}
} // namespace

std::string CatalogueText(const Repository& repository)
{
    XmlOut out;
    out.Text() = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                 "<!-- Sample repository written by zanret-samples. -->\n";
    out.Open("zanret", {});
    for (const Character& character : repository.characters)
        WriteCharacter(out, character);
    if (!repository.globalAssets.empty())
    {
        out.Open("globalAssets", {});
        for (const Asset& asset : repository.globalAssets)
            WriteAsset(out, asset);
        out.Close("globalAssets");
    }
    out.Close("zanret");
    return std::move(out.Text());
}
} // namespace ZANRET::Samples
