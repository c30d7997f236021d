#include "SampleLibraries.h"

#include <libxml/parser.h>

#include <cmath>
#include <cstring>

namespace
{
std::string Attribute(xmlNodePtr node, const char* name)
{
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

bool Is(xmlNodePtr node, const char* name)
{
    return node != nullptr && node->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

std::vector<xmlNodePtr> Children(xmlNodePtr node, const char* name = nullptr)
{
    std::vector<xmlNodePtr> children;
    for (xmlNodePtr child = node->children; child != nullptr; child = child->next)
    {
        if (child->type == XML_ELEMENT_NODE && (name == nullptr || Is(child, name)))
            children.push_back(child);
    }
    return children;
}

void WalkMaterial(xmlNodePtr material, FoundMaterial& found, int depth);

// As the builder's bitmap walk: a bitmap ends the walk; any other map is followed only through
// its parameters of type map.
void WalkMap(xmlNodePtr map, FoundMaterial& found, int depth)
{
    if (Is(map, "bitmap"))
    {
        found.bitmaps.push_back(Attribute(map, "file"));
        found.nestedBitmap = found.nestedBitmap || depth > 0;
        return;
    }
    for (xmlNodePtr param : Children(map, "param"))
    {
        if (Attribute(param, "type") == "map")
        {
            for (xmlNodePtr inner : Children(param))
                WalkMap(inner, found, depth + 1);
        }
    }
}

// The material's own colour parameters, when it has all three.
std::optional<std::array<int, 3>> DiffuseOf(xmlNodePtr material)
{
    std::array<int, 3> colour{};
    int seen = 0;
    for (xmlNodePtr param : Children(material, "param"))
    {
        const std::string id = Attribute(param, "id");
        for (int c = 0; c < 3; ++c)
        {
            if (id == std::to_string(10 + c) && Attribute(param, "type") == "float")
            {
                colour[static_cast<std::size_t>(c)] =
                    static_cast<int>(std::lround(std::stod(Attribute(param, "value")) * 255.0));
                ++seen;
            }
        }
    }
    return seen == 3 ? std::optional(colour) : std::nullopt;
}

void WalkMaterial(xmlNodePtr material, FoundMaterial& found, int depth)
{
    if (!found.diffuse)
        found.diffuse = DiffuseOf(material);
    const std::string materialClass = Attribute(material, "class");
    if (materialClass == "multi")
    {
        for (xmlNodePtr sub : Children(material, "sub"))
        {
            for (xmlNodePtr inner : Children(sub, "material"))
                WalkMaterial(inner, found, depth);
        }
        return;
    }
    for (xmlNodePtr slot : Children(material, "slot"))
    {
        for (xmlNodePtr map : Children(slot))
            WalkMap(map, found, 0);
    }
    for (xmlNodePtr param : Children(material, "param"))
    {
        const std::string type = Attribute(param, "type");
        if (materialClass == "unitScaled" && Attribute(param, "id") == "22")
            found.scaledParameter = true;
        for (xmlNodePtr inner : Children(param))
        {
            if (type == "material")
                WalkMaterial(inner, found, depth + 1);
            else if (type == "map")
                WalkMap(inner, found, 0);
        }
    }
}
} // namespace

std::optional<FoundMaterial> FindMaterial(const std::filesystem::path& root,
                                          const std::vector<std::string>& libraries, const std::string& name)
{
    for (const std::string& library : libraries)
    {
        const std::filesystem::path file = root / library;
        if (!std::filesystem::is_regular_file(file))
            continue;
        xmlDocPtr document = xmlReadFile(file.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS);
        if (document == nullptr)
            continue;
        std::optional<FoundMaterial> result;
        xmlNodePtr top = xmlDocGetRootElement(document);
        if (Is(top, "materialLibrary"))
        {
            for (xmlNodePtr material : Children(top, "material"))
            {
                if (Attribute(material, "name") != name)
                    continue;
                FoundMaterial found;
                found.library = library;
                found.materialClass = Attribute(material, "class");
                if (found.materialClass.empty())
                    found.materialClass = "standard";
                WalkMaterial(material, found, 0);
                result = found;
                break;
            }
        }
        xmlFreeDoc(document);
        if (result)
            return result;
    }
    return std::nullopt;
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
