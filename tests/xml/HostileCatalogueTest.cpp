// Catalogues that are not what they claim: bytes after the root, files that are no regular files or
// too large, and elements with absurd numbers of attributes. Each is answered as a catalogue that
// cannot be read or is malformed, adds nothing and never stops or hangs the caller.

#include "CatalogueFixture.h"

#include "repository/xml/XmlLimits.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace ZANRET;

namespace
{
class HostileCatalogue : public CatalogueFixture
{
protected:
    // The catalogue is refused as a whole: false, the malformed-document message, an empty store.
    void ExpectRefused(const std::string& what)
    {
        log.Clear();
        Data2::Reset();
        EXPECT_FALSE(Parser2::ParseRepository(repository.WidePath().c_str())) << what;
        EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml"), 1) << what;
        EXPECT_EQ(Data2::GetCharacterCount(), 0) << what;
        EXPECT_EQ(Data2::GetGlobalAssetCount(), 0) << what;
        EXPECT_EQ(Data2::NextUnique(), 1010) << what;
    }
    void ExpectRefused(const std::string& what, const std::string& catalogue)
    {
        repository.WriteFile("zanret.xml", catalogue);
        ExpectRefused(what);
    }

    static std::string Attributes(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += " a" + std::to_string(i) + "=\"x\"";
        return text;
    }
    static std::string Utf16LE(const std::string& ascii)
    {
        return Utf16(std::u16string(ascii.begin(), ascii.end()), false);
    }
};
} // namespace

TEST_F(HostileCatalogue, BytesAfterTheRootMakeItMalformed)
{
    const std::string full = TestCatalogue::Full();
    ExpectRefused("NUL and junk", full + std::string("\0<character folder=\"anna\"/>junk", 32));
    ExpectRefused("NUL alone", full + std::string(1, '\0'));
    ExpectRefused("junk", full + "junk");
    ExpectRefused("UTF-16 NUL and junk", Utf16LE("<zanret/>") + std::string("\0\0j\0u\0n\0k\0", 10));
    // What may follow the root still may.
    repository.WriteFile("zanret.xml", full + "\n<!-- end -->\n<?pi?>\n");
    EXPECT_TRUE(Parser2::ParseRepository(repository.WidePath().c_str()));
    EXPECT_EQ(Data2::GetCharacterCount(), 2);
}

TEST_F(HostileCatalogue, OnlyRegularFilesWithinTheLimitAreRead)
{
    const auto catalogue = repository.Path() / "zanret.xml";
    std::filesystem::create_symlink("/dev/zero", catalogue);
    ExpectRefused("a device");
    std::filesystem::remove(catalogue);

    // Opening a FIFO would wait for a writer that never comes.
    ASSERT_EQ(mkfifo(catalogue.c_str(), 0600), 0);
    ExpectRefused("a FIFO");
    std::filesystem::remove(catalogue);

    // A sparse file one byte over the limit costs no disk and is refused before it is read.
    repository.WriteFile("zanret.xml", TestCatalogue::Full());
    ASSERT_EQ(truncate(catalogue.c_str(), static_cast<off_t>(XmlLimits::kMaxDocumentBytes + 1)), 0);
    ExpectRefused("over the limit");
}

TEST_F(HostileCatalogue, ElementsWithAbsurdlyManyAttributesAreMalformed)
{
    const int limit = static_cast<int>(XmlLimits::kMaxAttributesPerElement);
    const std::string character = "<character id=\"a\" folder=\"anna\"";
    // Tens of thousands of attributes would keep the parser busy for many seconds.
    ExpectRefused("50,000 attributes", "<zanret>" + character + Attributes(50000) + "/></zanret>");
    ExpectRefused("one over", "<zanret>" + character + Attributes(limit - 1) + "/></zanret>");
    ExpectRefused("namespace declarations count",
                  "<zanret>" + character + Attributes(limit - 2) + " xmlns:p=\"urn:p\"/></zanret>");
    ExpectRefused("in UTF-16", Utf16LE("<zanret><character" + Attributes(limit + 1) + "/></zanret>"));
    ExpectRefused("in entity text", "<!DOCTYPE zanret [<!ENTITY e '<skin" + Attributes(limit + 1) +
                                        "/>'>]><zanret><character folder=\"anna\">&e;</character></zanret>");
    std::string defaults = "<!DOCTYPE zanret [<!ATTLIST skin";
    for (int i = 0; i <= limit; ++i)
        defaults += " d" + std::to_string(i) + " CDATA \"v\"";
    ExpectRefused("declared defaults", defaults + ">]><zanret/>");

    // Up to the limit every attribute is read, and markup that only looks like attributes does not count.
    const std::string many = Attributes(2 * limit);
    const std::string lookalikes = "<!-- " + many + " --><?pi " + many + "?>";
    repository.WriteFile("zanret.xml", "<!DOCTYPE zanret [<!ENTITY e '" + many + "'>" + lookalikes +
                                           "]><zanret>" + lookalikes + "<![CDATA[" + many + "]]>" +
                                           character + Attributes(limit - 3) + " text=\"&e;\"/></zanret>");
    log.Clear();
    ASSERT_TRUE(Parser2::ParseRepository(repository.WidePath().c_str()));
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    EXPECT_EQ(Data2::GetCharacter(0)->GetDataCount(), limit);

    // In UTF-16, a character whose bytes are those of '=' and a quote is neither.
    ASSERT_TRUE(Parse(Utf16(u"<zanret><character folder='anna' name='" +
                                std::u16string(4 * limit, u'\u273D') + u"'/></zanret>",
                            false)));
    EXPECT_EQ(Data2::GetCharacterCount(), 1);
}

namespace
{
// What the code writes to standard error while it runs.
template <typename Code> std::string StandardErrorOf(Code code)
{
    std::fflush(stderr);
    const int saved = dup(2);
    std::FILE* capture = std::tmpfile();
    dup2(fileno(capture), 2);
    code();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::rewind(capture);
    std::string text;
    for (int c = std::fgetc(capture); c != EOF; c = std::fgetc(capture))
        text += static_cast<char>(c);
    std::fclose(capture);
    return text;
}
} // namespace

TEST_F(HostileCatalogue, EveryEncodingGetsTheAttributeLimitAndAnUnreadableByteIsMalformed)
{
    const int limit = static_cast<int>(XmlLimits::kMaxAttributesPerElement);
    const auto declared = [](const char* encoding, const std::string& body)
    {
        return std::string("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>" +
               TestCatalogue::Encoded(body, encoding);
    };
    // In UTF-7 the converter writes '=', '"' and '<' as base64: no byte of the tags shows them.
    const std::string utf7 =
        declared("UTF-7", "<zanret><character folder=\"anna\"" + Attributes(299) + "/></zanret>");
    ASSERT_EQ(utf7.find('=', 40), std::string::npos);
    ExpectRefused("UTF-7, 300 attributes", utf7);
    ExpectRefused("UTF-7, 200,000 attributes",
                  declared("UTF-7", "<zanret><character" + Attributes(200000) + "/></zanret>"));
    ASSERT_TRUE(Parse(declared("UTF-7", "<zanret><character folder=\"anna\" name=\"Zo\xC3\xAB\"" +
                                            Attributes(limit - 2) + "/></zanret>")));
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    EXPECT_EQ(Field(Data2::GetCharacter(0), L"name"), L"Zo\u00EB");

    // U+5516 is 0x30 0x22 in ISO-2022-JP: its second byte is that of a quote.
    const std::string name = " name=\"\xE5\x94\x96\"";
    ExpectRefused("ISO-2022-JP, a quote in a character",
                  declared("ISO-2022-JP", "<zanret><character" + name + Attributes(299) + "/></zanret>"));
    ASSERT_TRUE(Parse(declared("ISO-2022-JP", "<zanret><character folder=\"anna\"" + name +
                                                  Attributes(limit - 2) + "/></zanret>")));
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    EXPECT_EQ(Field(Data2::GetCharacter(0), L"name"), L"\u5516");

    // 0x81 has no character in windows-1252: the whole catalogue is malformed, also the character
    // before the byte, and libxml2 says nothing on the host's standard error.
    const std::string cp1252 =
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?><zanret>"
        "<character id=\"a\x80\" folder=\"anna\"/><character id=\"b\x81\" folder=\"ben\"/>"
        "</zanret>";
    EXPECT_EQ(StandardErrorOf([&] { ExpectRefused("windows-1252, an unconvertible byte", cp1252); }), "");
    ASSERT_TRUE(Parse("<?xml version=\"1.0\" encoding=\"windows-1252\"?><zanret><character id=\"a\x80\" "
                      "folder=\"anna\"/></zanret>"));
    EXPECT_EQ(Field(Data2::GetCharacter(0), L"id"), L"a\u20AC");
    // A catalogue cut inside a character is malformed too, and one that claims UTF-16 without its
    // mark cannot be.
    ExpectRefused("UTF-16 cut short", Utf16LE("<zanret/>") + std::string(1, '\0') + "x");
    ExpectRefused("labelled UTF-16", "<?xml version=\"1.0\" encoding=\"UTF-16\"?><zanret/>");
}
