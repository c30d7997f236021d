#include "SampleCatalogue.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

namespace
{
xmlDocPtr Doc(void* document)
{
    return static_cast<xmlDocPtr>(document);
}

std::string Join(const std::string& a, const std::string& b)
{
    return Slashed(a + "/" + b);
}
} // namespace

std::string Slashed(const std::string& path)
{
    std::string result;
    for (char ch : path)
    {
        const char c = ch == '\\' ? '/' : ch;
        if (c == '/' && (result.empty() || result.back() == '/'))
            continue;
        result += c;
    }
    if (!result.empty() && result.back() == '/')
        result.pop_back();
    return result;
}

SampleCatalogue::SampleCatalogue(const std::filesystem::path& file)
{
    m_document = xmlReadFile(file.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS);
    if (m_document == nullptr)
    {
        const xmlError* error = xmlGetLastError();
        m_problem =
            error != nullptr && error->message != nullptr ? error->message : "cannot read " + file.string();
    }
}

SampleCatalogue::~SampleCatalogue()
{
    if (m_document != nullptr)
        xmlFreeDoc(Doc(m_document));
}

Values SampleCatalogue::Select(const std::string& xpath) const
{
    Values values;
    if (m_document == nullptr)
        return values;
    xmlXPathContextPtr context = xmlXPathNewContext(Doc(m_document));
    xmlXPathObjectPtr result =
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(xpath.c_str()), context);
    if (result != nullptr && result->nodesetval != nullptr)
    {
        for (int i = 0; i < result->nodesetval->nodeNr; ++i)
        {
            xmlNodePtr node = result->nodesetval->nodeTab[i];
            if (node->type == XML_ATTRIBUTE_NODE)
            {
                xmlChar* text = xmlNodeGetContent(node);
                values.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "");
                xmlFree(text);
            }
            else
            {
                values.emplace_back(reinterpret_cast<const char*>(node->name));
            }
        }
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    return values;
}

std::string SampleCatalogue::SelectFirst(const std::string& xpath) const
{
    const Values values = Select(xpath);
    return values.empty() ? std::string() : values.front();
}

std::vector<ExpectedFile> ExpectedFiles(const SampleCatalogue& c)
{
    using Kind = ExpectedFile::Kind;
    std::vector<ExpectedFile> files;
    auto folder = [&files](const std::string& path) { files.push_back({path, Kind::Folder}); };
    auto file = [&files](const std::string& path) { files.push_back({path, Kind::File}); };
    auto picture = [&files](const std::string& path, int width, int height) {
        files.push_back({path, Kind::File, width, height});
    };
    // An asset without previews of its own elements shows one picture of the asset.
    auto assetPreviews = [&c, &picture](const std::string& asset, const std::string& assetFolder)
    {
        const Values previews = c.Select(asset + "/*/@preview");
        if (previews.empty())
            picture(assetFolder + "/preview.png", 150, 150);
        for (const std::string& preview : previews)
            picture(Join(assetFolder, preview), 150, 150);
    };

    for (const std::string& id : c.Select("/zanret/character/@id"))
    {
        const std::string at = "/zanret/character[@id='" + id + "']";
        const std::string root = Slashed(c.SelectFirst(at + "/@folder"));
        folder(root);
        folder(root + "/previews");
        folder(root + "/skin");
        const Values poses = c.Select(at + "/poses/pose/@id");

        for (const std::string& clothId : c.Select(at + "/cloth/clothing/@id"))
        {
            const std::string cloth = at + "/cloth/clothing[@id='" + clothId + "']";
            const std::string clothFolder = Join(root, c.SelectFirst(cloth + "/@folder"));
            picture(root + "/previews/preview_" + clothId + ".png", 110, 330);
            folder(clothFolder);
            for (const std::string& poseId : poses)
            {
                picture(root + "/previews/" + clothId + "_" + poseId + ".png", 100, 300);
                file(clothFolder + "/" + clothId + "_" + poseId + ".vrmesh");
            }
            for (const std::string& preview : c.Select(cloth + "/material/@preview"))
                picture(Join(clothFolder, preview), 100, 300);
        }
        for (const std::string& poseFolder : c.Select(at + "/poses/pose/@folder"))
        {
            folder(Join(root, poseFolder));
            file(Join(root, poseFolder) + "/pose.vrmesh");
        }
        for (const std::string& preview : c.Select(at + "/skins/skin/@preview"))
            picture(Join(root + "/skin", preview), 150, 150);

        for (const std::string& assetId : c.Select(at + "/assets/asset[not(@type='global')]/@id"))
        {
            const std::string asset = at + "/assets/asset[@id='" + assetId + "']";
            const std::string assetFolder = Join(root, c.SelectFirst(asset + "/@folder"));
            folder(assetFolder);
            if (c.SelectFirst(asset + "/@type") == "specific")
            {
                for (const std::string& poseId : poses)
                    file(assetFolder + "/" + poseId + ".vrmesh");
            }
            else
            {
                file(assetFolder + "/asset.vrmesh");
            }
            assetPreviews(asset, assetFolder);
        }
    }

    for (const std::string& id : c.Select("/zanret/globalAssets/asset/@id"))
    {
        const std::string asset = "/zanret/globalAssets/asset[@id='" + id + "']";
        const std::string assetFolder = Join("global_assets", c.SelectFirst(asset + "/@folder"));
        folder(assetFolder);
        file(assetFolder + "/asset.vrmesh");
        assetPreviews(asset, assetFolder);
    }
    return files;
}
