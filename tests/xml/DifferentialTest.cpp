// The stream reader against the document-tree reader it replaces, on generated catalogues: the
// same result, store, ids, fields, flags, asset-matrix entries and messages in the same order.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#define private public
#include "repository/CharacterData.h"
#include "repository/DataContainer.h"
#undef private

#include "dom/NetXMLParser2.h"
#include "dom/XmlDocument.h"
#include "repository/Data2.h"
#include "repository/MessageLog.h"
#include "repository/xml/NetXMLParser2.h"
#include "repository/xml/XmlDocument.h"

#include "TempFolder.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

using namespace ZANRET;

namespace
{
std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "\\u" + std::to_string(static_cast<long>(c));
    return out;
}

void Dump(std::ostream& out, DataContainer* element, bool registered, int depth)
{
    out << std::string(static_cast<std::size_t>(depth), ' ') << "["
        << (registered ? Data2::GetUnique(element) : 0) << " valid=" << element->IsValid()
        << " type=" << element->GetType() << " flags=";
    for (int i = 0; i < DataContainer::FAST_FLAG_COUNT; ++i)
        out << element->GetFastFlag(i);
    for (const auto& [name, value] : element->data)
        out << " " << Narrow(name) << "=" << Narrow(value);
    out << "]\n";
    for (DataContainer* child : element->children)
        Dump(out, child, true, depth + 1);
}

std::string Snapshot(bool result, const MessageLog& log)
{
    std::ostringstream out;
    out << "result " << result << "\n";
    for (int c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        CharacterData* character = Data2::GetCharacter(c);
        out << "character\n";
        Dump(out, character, true, 0);
        for (const std::wstring* name : {&character->skinsName, &character->clothName, &character->posesName})
            out << "name " << Narrow(*name) << "\n";
        for (auto list : {CharacterData::SKINS, CharacterData::CLOTH, CharacterData::POSES,
                          CharacterData::CATEGORIES, CharacterData::ASSETS})
        {
            out << "list " << list << "\n";
            for (int i = 0; i < character->GetCount(list); ++i)
            {
                DataContainer* element = character->GetContainerElement(list, i);
                if (list != CharacterData::CLOTH)
                {
                    Dump(out, element, true, 1);
                    continue;
                }
                // A cloth's three sub-lists are containers, not registered elements.
                std::vector<DataContainer*> lists;
                lists.swap(element->children);
                Dump(out, element, true, 1);
                lists.swap(element->children);
                for (DataContainer* sub : element->children)
                    Dump(out, sub, false, 2);
            }
        }
        for (const AssetMatrixElement& entry : character->assetMatrix)
        {
            out << "matrix " << Narrow(entry.poseID) << "|" << Narrow(entry.assetID);
            for (float v : {entry.xpos, entry.ypos, entry.zpos, entry.xrot, entry.yrot, entry.zrot})
            {
                std::uint32_t bits = 0;
                std::memcpy(&bits, &v, sizeof bits);
                out << " " << bits;
            }
            out << "\n";
        }
    }
    for (int g = 0; g < Data2::GetGlobalAssetCount(); ++g)
        Dump(out, Data2::GetGlobalAsset(g), true, 0);
    out << "next " << Data2::NextUnique() << "\n";
    for (const auto& message : log.Messages())
        out << message.type << " " << Narrow(message.text) << "\n";
    return out.str();
}

// The elements of a tree as the reader sees them, leaving out the records of an asset matrix.
template <typename Node, typename Walk>
void DumpTree(std::ostream& out, const Node* node, Walk walk, const std::vector<std::wstring>& path)
{
    for (; node; node = walk.next(node))
    {
        std::vector<std::wstring> inner = path;
        inner.push_back(walk.name(node));
        if (inner == std::vector<std::wstring>{L"zanret", L"character", L"AssetMatrix", L"matrix"})
            continue;
        std::map<std::wstring, std::wstring> attributes;
        walk.attributes(node, attributes);
        out << std::string(path.size(), ' ') << Narrow(inner.back());
        for (const auto& [name, value] : attributes)
            out << " " << Narrow(name) << "=" << Narrow(value);
        out << "\n";
        DumpTree(out, walk.first(node), walk, inner);
    }
}

struct Verdict
{
    bool loads;
    std::string tree;
};

Verdict OldDocument(const std::string& bytes)
{
    DomReference::XmlDocument doc;
    std::ostringstream out;
    if (!doc.LoadBytes(bytes))
        return {false, ""};
    struct
    {
        const DomReference::XmlNode* (*next)(const DomReference::XmlNode*) =
            DomReference::Xml::NextSiblingElement;
        const DomReference::XmlNode* (*first)(const DomReference::XmlNode*) =
            DomReference::Xml::FirstChildElement;
        std::wstring (*name)(const DomReference::XmlNode*) = DomReference::Xml::GetName;
        void attributes(const DomReference::XmlNode* node, std::map<std::wstring, std::wstring>& all) const
        {
            DomReference::Xml::ForEachAttribute(node,
                                                [&](const wchar_t* n, const wchar_t* v) { all[n] = v; });
        }
    } walk;
    const DomReference::XmlNode* root = doc.SelectRoot("zanret");
    out << "root " << (root != nullptr) << "\n";
    if (root)
        DumpTree(out, root, walk, {});
    return {true, out.str()};
}

Verdict NewDocument(const std::string& bytes)
{
    XmlDocument doc;
    std::ostringstream out;
    if (!doc.LoadBytes(bytes))
        return {false, ""};
    struct
    {
        const XmlNode* (*next)(const XmlNode*) = Xml::NextSiblingElement;
        const XmlNode* (*first)(const XmlNode*) = Xml::FirstChildElement;
        std::wstring (*name)(const XmlNode*) = Xml::GetName;
        void attributes(const XmlNode* node, std::map<std::wstring, std::wstring>& all) const
        {
            Xml::ForEachAttribute(node, [&](const wchar_t* n, const wchar_t* v) { all[n] = v; });
        }
    } walk;
    const XmlNode* root = doc.SelectRoot("zanret");
    out << "root " << (root != nullptr) << "\n";
    if (root)
        DumpTree(out, root, walk, {});
    return {true, out.str()};
}

class Differential : public ::testing::Test
{
protected:
    // Both readers on the same catalogue in the same folders; true when the catalogue loads.
    bool Compare(const std::string& catalogue, const std::string& what)
    {
        repository.WriteFile("zanret.xml", catalogue);
        const std::wstring folder = repository.WidePath();
        Data2::Reset();
        log.Clear();
        const bool oldResult = DomReference::NetXMLParser2::ParseRepositoryXML(folder.c_str());
        const std::string oldStore = Snapshot(oldResult, log);
        Data2::Reset();
        log.Clear();
        const bool newResult = NetXMLParser2::ParseRepositoryXML(folder.c_str());
        const std::string newStore = Snapshot(newResult, log);
        Data2::Reset();
        EXPECT_EQ(oldStore, newStore) << what;
        const Verdict oldDocument = OldDocument(catalogue);
        const Verdict newDocument = NewDocument(catalogue);
        EXPECT_EQ(oldDocument.loads, newDocument.loads) << what;
        EXPECT_EQ(oldDocument.tree, newDocument.tree) << what;
        ++compared;
        return oldDocument.loads;
    }

    std::string UseSamples()
    {
        namespace fs = std::filesystem;
        const char* samples = std::getenv("ZANRET_SAMPLES");
        if (!samples || !fs::is_regular_file(fs::path(samples) / "zanret.xml"))
            return "";
        fs::copy(samples, repository.Path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        return repository.ReadFile("zanret.xml");
    }

    CleanModel clean;
    MessageLog log;
    TempFolder repository;
    int compared = 0;
};

std::string Mutate(const std::string& original, std::mt19937& random)
{
    std::string copy = original;
    auto position = [&](std::size_t size)
    { return std::uniform_int_distribution<std::size_t>(0, size)(random); };
    const int kind = std::uniform_int_distribution<int>(0, 3)(random);
    if (kind == 0 || kind == 3)
    {
        const int flips = std::uniform_int_distribution<int>(1, 3)(random);
        static const std::string letters = "azAZ09_-. \"<>&=/!?;#x:";
        for (int i = 0; i < flips && !copy.empty(); ++i)
        {
            char& byte = copy[position(copy.size() - 1)];
            if (random() % 3 != 0)
                byte = letters[position(letters.size() - 1)];
            else
                byte ^= static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
        }
    }
    if (kind == 1)
        copy.resize(position(copy.size()));
    if (kind == 2 || kind == 3)
    {
        const std::size_t begin = position(copy.size());
        const std::size_t length = position(std::min<std::size_t>(copy.size() - begin, 400));
        const std::string slice = copy.substr(begin, length);
        const int times = std::uniform_int_distribution<int>(1, 3)(random);
        for (int i = 0; i < times; ++i)
            copy.insert(begin + length, slice);
    }
    return copy;
}
} // namespace

TEST_F(Differential, DefaultSampleAndItsMutations)
{
    const std::string sample = UseSamples();
    ASSERT_FALSE(sample.empty());
    EXPECT_TRUE(Compare(sample, "sample"));
    std::mt19937 random(5u);
    int loads = 0;
    for (int i = 0; i < 6000; ++i)
        loads += Compare(Mutate(sample, random), "mutation " + std::to_string(i));
    EXPECT_GT(loads, 500);
}

TEST_F(Differential, TestCatalogueAndItsMutations)
{
    TestCatalogue::WriteFolders(repository);
    const std::string full = TestCatalogue::Full();
    EXPECT_TRUE(Compare(full, "full"));
    std::mt19937 random(11u);
    for (int i = 0; i < 6000; ++i)
        Compare(Mutate(full, random), "mutation " + std::to_string(i));
}

TEST_F(Differential, GeneratedLargeSamples)
{
    for (const char* counts : {"--characters 1 --outfits 1 --poses 1 --assets 1",
                               "--characters 3 --outfits 2 --poses 4 --assets 3",
                               "--characters 12 --outfits 12 --poses 20 --assets 40"})
    {
        TempFolder generated;
        const std::string command = std::string("QT_QPA_PLATFORM=offscreen '") + ZANRET_SAMPLES_GENERATOR +
                                    "' '" + generated.Path().string() + "' " + counts + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << counts;
        std::filesystem::copy(generated.Path(), repository.Path(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        EXPECT_TRUE(Compare(repository.ReadFile("zanret.xml"), counts));
    }
}

TEST_F(Differential, CasesWhereAStreamCouldDiffer)
{
    TestCatalogue::WriteFolders(repository);
    const std::string a = "<character id=\"a\" folder=\"anna\" ";
    auto utf16 = [](const std::string& ascii, bool big)
    {
        std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
        for (char c : ascii)
            bytes += big ? std::string{'\0', c} : std::string{c, '\0'};
        return bytes;
    };
    auto ucs4 = [](const std::string& ascii)
    {
        std::string bytes;
        for (char c : ascii)
            bytes += std::string{'\0', '\0', '\0', c};
        return bytes;
    };
    std::string nested = "<zanret>";
    std::vector<std::string> cases = {
        // Entities in attributes and content, nested, predefined, numeric, external, undeclared.
        "<!DOCTYPE zanret [<!ENTITY s 'https://shop/?a=1&amp;b=2'><!ENTITY w '&s;&#38;#38;w'>"
        "<!ENTITY e SYSTEM 'file:///etc/hostname'><!ENTITY c '<skin id=\"fromEntity\"/>'>]>"
        "<zanret>" +
            a +
            "u=\"[&w;|&s;|&amp;&lt;&#65;&#x263A;]\"><skins name='&s;'>&c;<skin id='s'/>&c;&e;</skins>"
            "</character></zanret>",
        "<!DOCTYPE zanret SYSTEM 'none.dtd'><zanret>" + a + "u='&undeclared;x'/></zanret>",
        "<!DOCTYPE zanret [<!ENTITY % p 'x'>]><zanret>" + a + "u='&undeclared;x'/></zanret>",
        "<!DOCTYPE zanret [<!ENTITY e 'a&#38;b'>]><zanret>" + a + "u='&e;'/></zanret>",
        "<!DOCTYPE zanret [<!ENTITY e ''>]><zanret>" + a + "u='x&e;y'/></zanret>",
        // Declared defaults and types: a document tree leaves defaults out, normalises tokens.
        "<!DOCTYPE zanret [<!ATTLIST character d CDATA 'dv' t NMTOKEN #IMPLIED xmlns:q CDATA 'urn:q'>]>"
        "<zanret>" +
            a + "t='  tok  '/></zanret>",
        // Namespaces: declarations are attributes; prefixes are part of names.
        "<zanret xmlns:p='urn:p'>" + a +
            "xmlns='urn:d' p:x='1' xml:lang='en'><p:skins><skin id='1'/></p:skins>"
            "<skins xmlns=''><skin id='2'/></skins><AssetMatrix><p:matrix poseID='p' assetID='a'/>"
            "<matrix p:poseID='q' poseID='p' assetID='b' "
            "xmlns:z='urn:z'/></AssetMatrix></character></zanret>",
        "<zanret xmlns=''>" + a + "/></zanret>",
        "<zanret xmlns='urn:z'>" + a + "/></zanret>",
        "<z:zanret xmlns:z='urn:z'>" + a + "/></z:zanret>",
        "<zanret>" + a + "><q:skins/></character></zanret>",
        // Whitespace-only text, CDATA, comments and instructions between and inside elements.
        "<zanret>\n  <!-- c -->\n  " + a +
            ">\n <![CDATA[ <skins> ]]> text <?pi x?>\n  <skins>\r\n\t<skin id='x'/> "
            "</skins></character>\n</zanret>\n",
        // Attribute order and values as they stand.
        "<zanret>" + a +
            "z='1' b=' spaced \t value ' a='\r\n'><poses><pose id='p' b='2' a='1'><m id='x' z='9'/>"
            "<n/>text</pose></poses></character></zanret>",
        // Matrix records: missing fields, references, odd numbers, children, repeated sections.
        "<!DOCTYPE zanret [<!ENTITY n '2.5'>]><zanret>" + a +
            "><AssetMatrix>"
            "<matrix poseID='p' assetID='a' xpos='&n;' ypos=' 1e3' zpos='0x10' xrot='-0' yrot='.5' "
            "zrot='1,5'/>"
            "<matrix assetID='a'/><matrix poseID='p'/><matrix poseID='' assetID=''/>"
            "<matrix poseID='&#x263A;' assetID='a' xpos='123456789012345678' "
            "ypos='1.00000001'><child/></matrix>"
            "<other poseID='p' assetID='o'/></AssetMatrix><skins/><AssetMatrix><matrix poseID='q' "
            "assetID='b' "
            "zrot='\xe3\x80\x80 7'/></AssetMatrix></character>"
            "<character id='b' folder='ben'><AssetMatrix><matrix poseID='p' "
            "assetID='c'/></AssetMatrix></character>"
            "<AssetMatrix><matrix poseID='x' assetID='y'/></AssetMatrix></zanret>",
        // Encodings.
        utf16("<zanret><character id='z' folder='anna' name='Zo\xEB'/></zanret>", false),
        utf16("<?xml version='1.0' encoding='UTF-16'?><zanret><character id='z' folder='anna'/></zanret>",
              true),
        "<?xml version='1.0' encoding='ISO-8859-1'?><zanret>" + a + "name='Zo\xEB'/></zanret>",
        "<?xml version='1.0' encoding='windows-1252'?><zanret>" + a + "name='\x80'/></zanret>",
        ucs4("<?xml version='1.0' encoding='UCS-4'?><zanret><character id='u' folder='anna'/></zanret>"),
        "\xEF\xBB\xBF<zanret>" + a + "/></zanret>",
        "<zanret>" + a + "name='Zo\xEB'/></zanret>",
        // Malformed at the very end, after the root, in the middle.
        std::string(TestCatalogue::Full()).substr(0, std::string(TestCatalogue::Full()).size() - 3),
        std::string(TestCatalogue::Full()) + std::string("\0", 1),
        "<zanret>" + a + "/><character id='b' folder='ben' id='b'/></zanret>",
        "<zanret>" + a + "/></zanret><zanret/>",
        "",
        "<zanret/",
    };
    for (int depth : {250, 252, 253, 254, 255, 256, 257, 258, 259, 300})
    {
        std::string deep = "<zanret>" + a + ">";
        for (int i = 0; i < depth; ++i)
            deep += "<skins>";
        for (int i = 0; i < depth; ++i)
            deep += "</skins>";
        cases.push_back(deep + "</character></zanret>");
        std::string matrixDeep = "<zanret>" + a + "><AssetMatrix><matrix poseID='p' assetID='a'>";
        for (int i = 0; i < depth; ++i)
            matrixDeep += "<x>";
        for (int i = 0; i < depth; ++i)
            matrixDeep += "</x>";
        cases.push_back(matrixDeep + "</matrix></AssetMatrix></character></zanret>");
    }
    (void)nested;
    for (std::size_t i = 0; i < cases.size(); ++i)
        std::printf("case %zu loads %d\n", i, Compare(cases[i], "case " + std::to_string(i)) ? 1 : 0);
}
