// The libxml2 layer: safe loading, encodings and the element and attribute walk.

#include "repository/xml/XmlDocument.h"
#include "repository/xml/XmlLimits.h"
#include "repository/xml/XmlNode.h"

#include "TempFolder.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
using TestCatalogue::Utf16;

// Loads the bytes as the plug-in loads its catalogue: from a file.
bool Load(XmlDocument& doc, const std::string& bytes, const XmlRecordRule* records = nullptr)
{
    static const TempFolder folder;
    folder.WriteFile("document.xml", bytes);
    return doc.LoadFile((folder.WidePath() + L"document.xml").c_str(), records);
}

std::map<std::wstring, std::wstring> Attributes(const XmlNode* node)
{
    std::map<std::wstring, std::wstring> all;
    Xml::ForEachAttribute(node, [&](const wchar_t* name, const wchar_t* value) { all[name] = value; });
    return all;
}

std::wstring NameAttribute(const std::string& document)
{
    XmlDocument doc;
    if (!Load(doc, document))
        return L"<malformed>";
    std::wstring value;
    Xml::GetAttribute(doc.SelectRoot("zanret"), "name", value);
    return value;
}

std::string Nested(int depth)
{
    std::string text = "<zanret>";
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    return text + "</zanret>";
}
} // namespace

TEST(XmlDocument, EncodingsFromMarkOrDeclaration)
{
    // The catalogue's own encodings are read in the reader's tests; these are the harder cases.
    EXPECT_EQ(NameAttribute(Utf16(u"<zanret name=\"Zo\u00EB \U0001F600\"/>", true)), L"Zo\u00EB \U0001F600");
    EXPECT_EQ(
        NameAttribute(Utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><zanret name=\"\u20AC\"/>", false)),
        L"\u20AC");
    // An 8-bit byte without a declaration is not UTF-8, and an unknown encoding is not guessed.
    EXPECT_EQ(NameAttribute("<zanret name=\"Zo\xEB\"/>"), L"<malformed>");
    EXPECT_EQ(NameAttribute("<?xml version=\"1.0\" encoding=\"no-such-encoding\"?><zanret name=\"a\"/>"),
              L"<malformed>");
    // UTF-16 without its mark and UCS-4 by their first bytes, EBCDIC by its declaration; UCS-4 in an
    // unusual byte order has no converter.
    const std::string text = "<zanret name=\"Zo\xC3\xAB\"/>";
    EXPECT_EQ(NameAttribute(
                  TestCatalogue::Encoded("<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + text, "UTF-16LE")),
              L"Zo\u00EB");
    EXPECT_EQ(NameAttribute(TestCatalogue::Encoded(text, "UCS-4LE")), L"Zo\u00EB");
    EXPECT_EQ(NameAttribute(TestCatalogue::Encoded(text, "UCS-4BE")), L"Zo\u00EB");
    EXPECT_EQ(
        NameAttribute(TestCatalogue::Encoded("<?xml version=\"1.0\" encoding=\"IBM037\"?>" + text, "IBM037")),
        L"Zo\u00EB");
    EXPECT_EQ(NameAttribute(std::string("\0\0<\0\0\0z\0", 8)), L"<malformed>");
}

TEST(XmlDocument, ReferencesAreResolvedAndValuesKeptAsTheyStand)
{
    EXPECT_EQ(NameAttribute("<zanret name=\"  a&amp;b &lt;&#x20AC;&#65; \"/>"), L"  a&b <\u20ACA ");
    EXPECT_EQ(NameAttribute("<!DOCTYPE zanret [<!ENTITY shop \"https://shop/?a=1&amp;b=2\"><!ENTITY who "
                            "\"&shop;&#38;#38;who\">]><zanret name=\"[&who;|&shop;]\"/>"),
              L"[https://shop/?a=1&b=2&who|https://shop/?a=1&b=2]");
    EXPECT_EQ(NameAttribute("<zanret name=\"&undeclared;\"/>"), L"<malformed>");
}

TEST(XmlDocument, RootIsZanretInNoNamespace)
{
    XmlDocument doc;
    ASSERT_TRUE(Load(doc, "<zanret xmlns=\"\"/>"));
    EXPECT_NE(doc.SelectRoot("zanret"), nullptr);
    ASSERT_TRUE(Load(doc, "<zanret xmlns=\"urn:zanret\"/>"));
    EXPECT_EQ(doc.SelectRoot("zanret"), nullptr);
    // An undeclared prefix is a malformed document.
    EXPECT_FALSE(Load(doc, "<zanret><p:character/></zanret>"));
    EXPECT_EQ(doc.SelectRoot("zanret"), nullptr);
}

TEST(XmlDocument, ChildElementsFullNamesAndAttributes)
{
    XmlDocument doc;
    ASSERT_TRUE(Load(doc, "<zanret xmlns:p=\"urn:p\">\n  <!-- note -->\n  <?skin x?>\n  text <![CDATA[c]]>\n"
                          "  <p:skin p:id=\"1\" xmlns=\"urn:d\" name=\"n\" xml:lang=\"en\"/>\n"
                          "  <Skin/>\n  <skin id=\"2\"></skin>\n</zanret>"));
    const XmlNode* root = doc.SelectRoot("zanret");
    ASSERT_NE(root, nullptr);
    std::vector<std::wstring> names;
    for (const XmlNode* child = Xml::FirstChildElement(root); child; child = Xml::NextSiblingElement(child))
        names.push_back(Xml::GetName(child));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"p:skin", L"Skin", L"skin"}));

    const XmlNode* first = Xml::FirstChildElement(root);
    EXPECT_TRUE(Xml::HasName(first, "p:skin"));
    EXPECT_FALSE(Xml::HasName(first, "skin"));
    EXPECT_FALSE(Xml::HasName(first, "p:"));
    EXPECT_FALSE(Xml::HasName(Xml::NextSiblingElement(first), "skin"));
    EXPECT_EQ(Attributes(first),
              (std::map<std::wstring, std::wstring>{
                  {L"p:id", L"1"}, {L"xmlns", L"urn:d"}, {L"name", L"n"}, {L"xml:lang", L"en"}}));
    EXPECT_EQ(Attributes(root), (std::map<std::wstring, std::wstring>{{L"xmlns:p", L"urn:p"}}));
    std::wstring value;
    EXPECT_TRUE(Xml::GetAttribute(first, "xmlns", value));
    EXPECT_EQ(value, L"urn:d");
    EXPECT_TRUE(Xml::GetAttribute(root, "xmlns:p", value));
    EXPECT_EQ(value, L"urn:p");
    EXPECT_FALSE(Xml::GetAttribute(first, "id", value));
    EXPECT_TRUE(Xml::HasAttributes(first));
    EXPECT_FALSE(Xml::HasAttributes(Xml::NextSiblingElement(first)));
    EXPECT_EQ(Xml::FirstChildElement(Xml::NextSiblingElement(first)), nullptr);
}

TEST(XmlDocument, MalformedDocumentsAreRefusedWhole)
{
    XmlDocument doc;
    EXPECT_FALSE(Load(doc, ""));
    EXPECT_FALSE(Load(doc, "<zanret><character folder=\"a\"/>"));
    EXPECT_FALSE(Load(doc, "<zanret a=\"1\" a=\"2\"/>"));
    EXPECT_FALSE(Load(doc, "<zanret/><zanret/>"));
    EXPECT_FALSE(Load(doc, std::string("<zanret name=\"a\0b\"/>", 20)));
    EXPECT_TRUE(Load(doc, Nested(200)));
    EXPECT_FALSE(Load(doc, Nested(300)));
    EXPECT_EQ(doc.SelectRoot("zanret"), nullptr);
}

TEST(XmlDocument, EntityBombsAreMalformed)
{
    std::string laughs = "<!DOCTYPE zanret [<!ENTITY l0 \"lollollollollollollollollollol\">";
    for (int i = 1; i <= 10; ++i)
    {
        laughs += "<!ENTITY l" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            laughs += "&l" + std::to_string(i - 1) + ";";
        laughs += "\">";
    }
    laughs += "]>";
    XmlDocument doc;
    EXPECT_FALSE(Load(doc, laughs + "<zanret name=\"&l10;\"/>"));
    EXPECT_FALSE(Load(doc, laughs + "<zanret>&l10;</zanret>"));

    // Many references to one big entity: small with each entity checked once, huge when expanded.
    std::string quadratic =
        "<!DOCTYPE zanret [<!ENTITY big \"" + std::string(20000, 'x') + "\">]><zanret name=\"";
    for (int i = 0; i < 20000; ++i)
        quadratic += "&big;";
    EXPECT_FALSE(Load(doc, quadratic + "\"/>"));

    EXPECT_FALSE(
        Load(doc, "<!DOCTYPE zanret [<!ENTITY a \"&b;\"><!ENTITY b \"&a;\">]><zanret name=\"&a;\"/>"));
}

TEST(XmlDocument, NothingOutsideTheDocumentIsLoaded)
{
    TempFolder folder;
    folder.WriteFile("secret.txt", "SECRET");
    folder.WriteFile("outside.dtd", "<!ENTITY leak \"SECRET\">");
    const std::string secret = (folder.Path() / "secret.txt").string();
    const std::string dtd = (folder.Path() / "outside.dtd").string();
    XmlDocument doc;

    // An external entity in content stays an unexpanded reference, and in an attribute it is not allowed.
    ASSERT_TRUE(Load(doc, "<!DOCTYPE zanret [<!ENTITY ext SYSTEM \"file://" + secret +
                              "\">]><zanret name=\"n\">&ext;</zanret>"));
    EXPECT_EQ(Xml::FirstChildElement(doc.SelectRoot("zanret")), nullptr);
    EXPECT_FALSE(Load(doc, "<!DOCTYPE zanret [<!ENTITY ext SYSTEM \"file://" + secret +
                               "\">]><zanret name=\"&ext;\"/>"));

    // Neither an external DTD nor an external parameter entity is read, so "leak" stays undeclared.
    EXPECT_NE(NameAttribute("<!DOCTYPE zanret SYSTEM \"file://" + dtd + "\"><zanret name=\"&leak;\"/>"),
              L"SECRET");
    EXPECT_NE(NameAttribute("<!DOCTYPE zanret [<!ENTITY % p SYSTEM \"file://" + dtd +
                            "\"> %p;]><zanret name=\"&leak;\"/>"),
              L"SECRET");
    EXPECT_TRUE(Load(doc, "<!DOCTYPE zanret SYSTEM \"http://127.0.0.1:9/none.dtd\"><zanret/>"));
}

TEST(XmlDocument, LoadFileReadsBytesThroughRepositoryPaths)
{
    TempFolder folder;
    folder.WriteFile("sub/zanret.xml", Utf16(u"<zanret name=\"a\r\nb\u0D0A\"/>", true));
    XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile((folder.WidePath() + L"sub\\\\zanret.xml").c_str()));
    std::wstring value;
    ASSERT_TRUE(Xml::GetAttribute(doc.SelectRoot("zanret"), "name", value));
    EXPECT_EQ(value, L"a b\u0D0A"); // line ends in values are normalised to spaces by XML itself
    EXPECT_FALSE(doc.LoadFile((folder.WidePath() + L"missing.xml").c_str()));
    EXPECT_FALSE(doc.LoadFile((folder.WidePath() + L"sub").c_str()));
    EXPECT_FALSE(doc.LoadFile(nullptr));
}

namespace
{
// Every element and record below the node, in document order, as text.
std::wstring Walk(const XmlNode* node)
{
    std::wstring text = Xml::GetName(node) + L"(";
    for (const XmlRecord* record = Xml::FirstRecord(node); record; record = record->next)
    {
        text += L"[";
        for (int field = 0; field < 3; ++field)
        {
            const std::string_view value = record->Text(field);
            text += record->Given(field) ? std::wstring(value.begin(), value.end()) : L"-";
            text += L";";
        }
        text += L"]";
    }
    for (const XmlNode* child = Xml::FirstChildElement(node); child; child = Xml::NextSiblingElement(child))
        text += Walk(child);
    return text + L")";
}
} // namespace

TEST(XmlDocument, RecordsAtTheirPathOnlyAndTheTreeLastsAsLongAsTheDocument)
{
    const char* const path[] = {"root", "list", "item"};
    const char* const fields[] = {"a", "b", "c"};
    const XmlRecordRule rule{path, fields};
    XmlDocument doc;
    ASSERT_TRUE(Load(doc,
                     "<!DOCTYPE root [<!ENTITY e 'x&#38;#38;y'>]><root><list n='1'>"
                     "<item b='&e;' a='1' other='o' p:c='no' xmlns:p='urn:p'><child/></item><item/>"
                     "<p:item xmlns:p='urn:p' a='2'/><node><item a='3'/></node><item c=''/></list>"
                     "<list><item a='4'/></list><other><item a='5'/></other></root>",
                     &rule));
    const std::wstring walk = Walk(doc.SelectRoot("root"));
    // Records keep only their fields, with references resolved; prefixed, deeper and other
    // elements stay nodes.
    EXPECT_EQ(walk, L"root(list([1;x&y;-;][-;-;-;][-;-;;]p:item()node(item()))list([4;-;-;])other(item()))");
    // Nothing of the tree is given back while the document lives: a second walk reads the same.
    EXPECT_EQ(Walk(doc.SelectRoot("root")), walk);

    // A rule may keep no field at all: the elements are still records, with nothing in them.
    const XmlRecordRule bare{path, {}};
    ASSERT_TRUE(Load(doc, "<root><list><item a='1'/><item/></list></root>", &bare));
    const XmlRecord* record = Xml::FirstRecord(Xml::FirstChildElement(doc.SelectRoot("root")));
    ASSERT_NE(record, nullptr);
    ASSERT_NE(record->next, nullptr);
    EXPECT_EQ(record->given, 0u);

    // Without a rule every element is a node, and a failed load leaves no document behind.
    ASSERT_TRUE(Load(doc, "<root><list><item a='1'/></list></root>"));
    EXPECT_EQ(Walk(doc.SelectRoot("root")), L"root(list(item()))");
    EXPECT_FALSE(Load(doc, "<root><list>"));
    EXPECT_EQ(doc.SelectRoot("root"), nullptr);
}
