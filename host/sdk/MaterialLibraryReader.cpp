// Reads material library files (MaterialLibraryFormat.md) with libxml2. A file that breaks any
// rule is not loaded at all.

#include "HostState.h"
#include "Materials.h"

#include "win32/path.h"
#include "win32/text.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

namespace hostsdk
{
namespace
{
bool Is(const xmlNode* node, const char* name)
{
    return node && node->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

std::optional<std::string> Attribute(xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetNoNsProp(node, reinterpret_cast<const xmlChar*>(name));
    if (!value)
        return std::nullopt;
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

std::basic_string<MCHAR> HostText(const std::string& utf8)
{
    return FromWide(win32::Utf8ToWide(utf8));
}

template <class T> bool ParseNumber(const std::string& text, T& value)
{
    const char* first = text.c_str();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last;
}

// Parses "0xAAAA,0xBBBB".
bool ParseClassID(const std::string& text, Class_ID& id)
{
    const size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    auto word = [](std::string part, unsigned long& out)
    {
        while (!part.empty() && part.front() == ' ')
            part.erase(part.begin());
        while (!part.empty() && part.back() == ' ')
            part.pop_back();
        if (part.size() > 2 && part[0] == '0' && (part[1] == 'x' || part[1] == 'X'))
        {
            const auto [end, error] = std::from_chars(part.data() + 2, part.data() + part.size(), out, 16);
            return error == std::errc() && end == part.data() + part.size() && out <= 0xFFFFFFFFul;
        }
        return ParseNumber(part, out) && out <= 0xFFFFFFFFul;
    };
    unsigned long a = 0;
    unsigned long b = 0;
    if (!word(text.substr(0, comma), a) || !word(text.substr(comma + 1), b))
        return false;
    id = Class_ID(a, b);
    return true;
}

// The only element child of node (null when there is none); false when there are more.
bool SingleChild(xmlNode* node, xmlNode*& child)
{
    child = nullptr;
    for (xmlNode* c = node->children; c; c = c->next)
    {
        if (c->type != XML_ELEMENT_NODE)
            continue;
        if (child)
            return false;
        child = c;
    }
    return true;
}

class Reader
{
public:
    Ref<Mtl> ReadMaterial(xmlNode* node);

private:
    Ref<Texmap> ReadMap(xmlNode* node);
    // Reads the param, slot and sub children of a material or map into it.
    bool ReadChildren(xmlNode* node, MtlBase& owner, IParamBlock2& block, GenericMtl* material);
    bool ReadParam(xmlNode* node, IParamBlock2& block);
};

Ref<Mtl> Reader::ReadMaterial(xmlNode* node)
{
    const auto name = Attribute(node, "name");
    if (!name)
        return {};
    Class_ID classID = kStandardMaterialClassID;
    if (const auto kind = Attribute(node, "class"))
    {
        if (*kind == "standard")
            classID = kStandardMaterialClassID;
        else if (*kind == "multi")
            classID = kMultiMaterialClassID;
        else if (*kind == "unitScaled")
            classID = kUnitScaledMtlClassID;
        else if (!ParseClassID(*kind, classID))
            return {};
    }
    Ref<GenericMtl> material(new (std::nothrow) GenericMtl(classID, MaterialSlotCount(classID)));
    if (!material)
        return {};
    material->SetName(HostText(*name).c_str());
    if (!ReadChildren(node, *material, *material->GetParamBlock(0), material.get()))
        return {};
    return Ref<Mtl>(material.get());
}

Ref<Texmap> Reader::ReadMap(xmlNode* node)
{
    if (Is(node, "bitmap"))
    {
        Ref<BitmapMap> map(new (std::nothrow) BitmapMap());
        if (!map)
            return {};
        map->SetName(HostText(Attribute(node, "name").value_or("")).c_str());
        const std::basic_string<MCHAR> file = HostText(Attribute(node, "file").value_or(""));
        map->SetMap(MaxSDK::AssetManagement::AssetUser(file.c_str(), MaxSDK::AssetManagement::kBitmapAsset));
        if (!ReadChildren(node, *map, *map->GetParamBlock(0), nullptr))
            return {};
        return Ref<Texmap>(map.get());
    }
    if (Is(node, "map"))
    {
        Ref<CompositeMap> map(new (std::nothrow) CompositeMap());
        if (!map)
            return {};
        map->SetName(HostText(Attribute(node, "name").value_or("")).c_str());
        if (!ReadChildren(node, *map, *map->GetParamBlock(0), nullptr))
            return {};
        return Ref<Texmap>(map.get());
    }
    return {};
}

bool Reader::ReadParam(xmlNode* node, IParamBlock2& block)
{
    int id = 0;
    const auto idText = Attribute(node, "id");
    const auto type = Attribute(node, "type");
    if (!idText || !type || !ParseNumber(*idText, id) || id < 0 || id > 0xFFFF)
        return false;
    const auto paramID = static_cast<ParamID>(id);
    const auto value = Attribute(node, "value");
    if (*type == "float")
    {
        double v = 0.0;
        return value && ParseNumber(*value, v) && std::isfinite(v) &&
               block.DefineParam(paramID, TYPE_FLOAT) && block.SetValue(paramID, 0, static_cast<float>(v));
    }
    if (*type == "int")
    {
        int v = 0;
        return value && ParseNumber(*value, v) && block.DefineParam(paramID, TYPE_INT) &&
               block.SetValue(paramID, 0, v);
    }
    if (*type == "string")
        return value && block.DefineParam(paramID, TYPE_STRING) &&
               block.SetValue(paramID, 0, HostText(*value).c_str());
    xmlNode* child = nullptr;
    if (!SingleChild(node, child))
        return false;
    if (*type == "material")
    {
        if (!block.DefineParam(paramID, TYPE_MTL))
            return false;
        if (!child)
            return true;
        Ref<Mtl> m = Is(child, "material") ? ReadMaterial(child) : Ref<Mtl>();
        return m && block.SetValue(paramID, 0, m.get());
    }
    if (*type == "map")
    {
        if (!block.DefineParam(paramID, TYPE_TEXMAP))
            return false;
        if (!child)
            return true;
        Ref<Texmap> map = ReadMap(child);
        return map && block.SetValue(paramID, 0, map.get());
    }
    return false;
}

bool Reader::ReadChildren(xmlNode* node, MtlBase& owner, IParamBlock2& block, GenericMtl* material)
{
    for (xmlNode* c = node->children; c; c = c->next)
    {
        if (c->type != XML_ELEMENT_NODE)
            continue;
        if (Is(c, "param"))
        {
            if (!ReadParam(c, block))
                return false;
            continue;
        }
        int index = 0;
        const auto indexText = Attribute(c, "index");
        xmlNode* child = nullptr;
        if (!indexText || !ParseNumber(*indexText, index) || !SingleChild(c, child) || !child)
            return false;
        if (Is(c, "slot"))
        {
            Ref<Texmap> map = ReadMap(child);
            if (!map || !owner.SetSubTexmap(index, map.get()))
                return false;
        }
        else if (Is(c, "sub") && material && material->IsMulti())
        {
            Ref<Mtl> sub = Is(child, "material") ? ReadMaterial(child) : Ref<Mtl>();
            if (!sub || !material->SetSubMtl(index, sub.get()))
                return false;
        }
        else
        {
            return false;
        }
    }
    return true;
}
} // namespace

bool ReadMaterialLibrary(const MCHAR* path, std::vector<Ref<Mtl>>& materials)
{
    std::ifstream file(win32::NativePath(ToWide(path)), std::ios::binary);
    if (!file)
        return false;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        return false;
    const std::string text = bytes.str();
    if (text.size() > static_cast<size_t>(INT_MAX))
        return false;
    // No network, no DTD, no entity substitution; errors are ours to report, not libxml2's.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlDoc* doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, options);
    if (!doc)
        return false;
    bool ok = false;
    xmlNode* root = xmlDocGetRootElement(doc);
    if (Is(root, "materialLibrary") && !root->ns)
    {
        // The records of building the library are not undo steps of the scene.
        theHold.Suspend();
        ok = true;
        Reader reader;
        std::vector<Ref<Mtl>> read;
        for (xmlNode* c = root->children; c && ok; c = c->next)
        {
            if (c->type != XML_ELEMENT_NODE)
                continue;
            Ref<Mtl> m = Is(c, "material") ? reader.ReadMaterial(c) : Ref<Mtl>();
            if (m)
                read.push_back(m);
            else
                ok = false;
        }
        theHold.Resume();
        if (ok)
            materials = std::move(read);
    }
    xmlFreeDoc(doc);
    return ok;
}
} // namespace hostsdk
