// What reading the catalogue's text in pieces into a compact tree could get wrong: a fault at the
// last byte still adds nothing, a piece boundary splits no character or tag, and the tree the reader
// walks holds exactly what a document tree would.

#include "CatalogueFixture.h"

#include "repository/xml/XmlLimits.h"

#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
class CatalogueText : public CatalogueFixture
{
protected:
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> texts;
        for (const auto& message : log.Messages())
            texts.push_back(message.text);
        return texts;
    }
};
} // namespace

TEST_F(CatalogueText, AMalformedLastByteAddsNothingAndSaysNothingElse)
{
    std::string catalogue = TestCatalogue::Full();
    catalogue.back() = '\xFF';
    EXPECT_FALSE(Parse(catalogue));
    // Not one message of the characters read before the fault.
    const std::wstring folder = repository.WidePath();
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Parser2 checks repository at:", folder, L"Parse Folder:",
                                                  folder, L"ParseRepositoryXML: invalid character.xml"}));
    EXPECT_EQ(Data2::GetCharacterCount(), 0);
    EXPECT_EQ(Data2::NextUnique(), 1010);

    // The same catalogue with a proper end reads whole.
    catalogue.back() = '\n';
    EXPECT_TRUE(Parse(catalogue));
    EXPECT_EQ(Data2::GetCharacterCount(), 2);
}

TEST_F(CatalogueText, ALargeCatalogueBrokenAtItsEndLeavesTheStoreAsItWas)
{
    // Large enough to take many pieces, and read on top of what the store holds.
    std::string catalogue = "<zanret>\n";
    for (int i = 0; i < 12000; ++i)
        catalogue += "  <character id=\"c" + std::to_string(i) +
                     "\" folder=\"anna\"><skins><skin id=\"s\"/></skins><AssetMatrix>"
                     "<matrix poseID=\"p\" assetID=\"a\" xpos=\"1\" ypos=\"2\" zpos=\"3\" xrot=\"0\" "
                     "yrot=\"0\" zrot=\"0\"/></AssetMatrix></character>\n";
    catalogue += "</zanret>\n";
    ASSERT_TRUE(Parse(catalogue));
    ASSERT_EQ(Data2::GetCharacterCount(), 12000);

    // Read again on top of what the store holds, without a Reset.
    const std::wstring last = Field(Data2::GetCharacter(11999), L"id");
    // The last id handed out is that of the last character's skin.
    const std::int32_t lastUnique =
        Data2::GetUnique(Data2::GetCharacter(11999)->GetContainerElement(CharacterData::SKINS, 0));
    catalogue += "<!-- after the root -->\xFF";
    repository.WriteFile("zanret.xml", catalogue);
    log.Clear();
    EXPECT_FALSE(Parser2::ParseRepository(repository.WidePath().c_str()));
    const std::wstring folder = repository.WidePath();
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Parser2 checks repository at:", folder, L"Parse Folder:",
                                                  folder, L"ParseRepositoryXML: invalid character.xml"}));
    EXPECT_EQ(Data2::GetCharacterCount(), 12000);
    EXPECT_EQ(Field(Data2::GetCharacter(11999), L"id"), last);
    EXPECT_EQ(Data2::GetIdOfUnique(lastUnique + 10), nullptr);
    EXPECT_EQ(Data2::NextUnique(), lastUnique + 10);
}

TEST_F(CatalogueText, AttributesNamespacesTextAndEntitiesAsADocumentTreeHoldsThem)
{
    ASSERT_TRUE(Parse(
        "<!DOCTYPE zanret [<!ENTITY shop 'https://shop/?a=1&amp;b=2'><!ENTITY url '&shop;&#38;#38;x'>"
        "<!ENTITY skin '<skin id=\"fromEntity\"/>'><!ATTLIST skin preview CDATA 'default.png'>]>\n"
        "<zanret xmlns:p='urn:p'>\n  <!-- c -->\n"
        "  <character id='anna' xmlns='urn:d' p:x='1' url='&url;' folder2='&lt;&#x263A;&gt;'\n"
        "             folder='anna'>\n"
        "    <skins name='&shop;'>\n      &skin;\n      <skin id='s' xmlns:q='urn:q'/>\n    </skins>\n"
        "    <poses><pose id='p'> text <![CDATA[<pose id='cdata'/>]]> <?pi?> <m id='bag'/>\n</pose></poses>\n"
        "  </character>\n</zanret>\n"));
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    CharacterData* anna = Data2::GetCharacter(0);
    // Namespace declarations are fields; the reader's own folder wins wherever the attribute stood.
    EXPECT_EQ(Field(anna, L"xmlns"), L"urn:d");
    EXPECT_EQ(Field(anna, L"p:x"), L"1");
    EXPECT_EQ(Field(anna, L"folder"), repository.WidePath() + L"\\anna");
    EXPECT_EQ(Field(anna, L"url"), L"https://shop/?a=1&b=2&x");
    EXPECT_EQ(Field(anna, L"folder2"), L"<\u263A>");
    EXPECT_EQ(std::wstring(anna->GetContainerName(CharacterData::SKINS)), L"https://shop/?a=1&b=2");
    // An entity's elements are not the section's children, and a declared default is no attribute.
    ASSERT_EQ(anna->GetCount(CharacterData::SKINS), 1);
    const DataContainer* skin = anna->GetContainerElement(CharacterData::SKINS, 0);
    EXPECT_EQ(Field(skin, L"xmlns:q"), L"urn:q");
    EXPECT_FALSE(skin->CheckDatafield(L"preview"));
    // Whitespace, text, CDATA and instructions inside a pose make no mandatory elements.
    EXPECT_EQ(anna->GetPose(L"p")->GetChildCount(), 1);
    EXPECT_EQ(Data2::GetUnique(anna->GetPose(L"p")->GetChild(0)), 1040);
}

TEST_F(CatalogueText, MatrixRecordsInRepeatedSectionsWithTheirMessagesInOrder)
{
    ASSERT_TRUE(
        Parse("<!DOCTYPE zanret [<!ENTITY half '0.5'>]><zanret>"
              "<character id='a' folder='anna'><AssetMatrix>"
              "<matrix poseID='p' assetID='a' xpos='&half;' ypos=' -2' zpos='3e1' xrot='1,5' yrot='x'/>"
              "<matrix assetID='no pose'/><other poseID='p' assetID='other'/>"
              "</AssetMatrix><skins><skin id='s'/></skins>"
              "<AssetMatrix><matrix poseID='q' assetID='b' xpos='1' ypos='2' zpos='3' xrot='4' yrot='5' "
              "zrot='6'><child/></matrix></AssetMatrix></character></zanret>"));
    CharacterData* a = Data2::GetCharacter(0);
    const AssetMatrixElement* first = a->FindAssetMatrixElement(L"p", L"a");
    ASSERT_NE(first, nullptr);
    EXPECT_FLOAT_EQ(first->xpos, 0.5f);
    EXPECT_FLOAT_EQ(first->ypos, -2.0f);
    EXPECT_FLOAT_EQ(first->zpos, 30.0f);
    EXPECT_FLOAT_EQ(first->xrot, 1.0f);
    EXPECT_FLOAT_EQ(first->yrot, 0.0f);
    EXPECT_EQ(a->FindAssetMatrixElement(L"p", L"other"), nullptr);
    ASSERT_NE(a->FindAssetMatrixElement(L"q", L"b"), nullptr);
    EXPECT_FLOAT_EQ(a->FindAssetMatrixElement(L"q", L"b")->zrot, 6.0f);
    // The skin after the first section takes the id after the character's: records take none.
    EXPECT_EQ(Data2::GetUnique(a->GetSkin(L"s")), 1020);
    const std::vector<std::wstring> texts = Texts();
    const std::vector<std::wstring> expected = {L"handle AssetMatrix",
                                                L"add asset matrix element...",
                                                L"Missing datafield:",
                                                L"zrot",
                                                L"add asset matrix element...",
                                                L"Missing datafield:",
                                                L"poseID",
                                                L"handle skins",
                                                L"handle AssetMatrix",
                                                L"add asset matrix element..."};
    EXPECT_EQ(std::vector<std::wstring>(texts.begin() + 4, texts.begin() + 4 + expected.size()), expected);
}

TEST_F(CatalogueText, EncodingsAndTagsAcrossThePiecesOfALargeFile)
{
    // A UTF-16 catalogue larger than the pieces it is read in, with a start tag across two of them.
    std::u16string text =
        u"<zanret><!--" + std::u16string(63000, u' ') + u"--><character id='z\u00EB' folder='anna'";
    const int limit = static_cast<int>(XmlLimits::kMaxAttributesPerElement);
    for (int i = 0; i < limit - 2; ++i)
        text += u" a" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) + u"_" +
                std::u16string(1, static_cast<char16_t>(u'A' + i / 10)) + u"='\u20AC'";
    text += u"><AssetMatrix><matrix poseID='\u00E9' assetID='\U0001F600' xpos='1.5'/></AssetMatrix>";
    ASSERT_TRUE(Parse(Utf16(text + u"</character></zanret>", true)));
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    CharacterData* z = Data2::GetCharacter(0);
    EXPECT_EQ(z->GetDataCount(), limit);
    EXPECT_EQ(Field(z, L"id"), L"z\u00EB");
    EXPECT_EQ(Field(z, L"a9_Y"), L"\u20AC");
    ASSERT_NE(z->FindAssetMatrixElement(L"\u00E9", L"\U0001F600"), nullptr);

    // One attribute more, and the tag is refused however the pieces fall.
    text.insert(text.find(u"><AssetMatrix>"), u" one='more'");
    EXPECT_FALSE(Parse(Utf16(text + u"</character></zanret>", true)));
    EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml"), 1);

    ASSERT_TRUE(Parse("<?xml version='1.0' encoding='ISO-8859-1'?><zanret><character folder='anna'>"
                      "<AssetMatrix><matrix poseID='\xE9' assetID='\xFC' zpos='2'/></AssetMatrix>"
                      "</character></zanret>"));
    ASSERT_NE(Data2::GetCharacter(0)->FindAssetMatrixElement(L"\u00E9", L"\u00FC"), nullptr);
}
