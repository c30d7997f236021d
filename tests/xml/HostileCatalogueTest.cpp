// Catalogues that are not what they claim: bytes after the root, files that are no regular files or
// too large, and elements with absurd numbers of attributes. Each is answered as a catalogue that
// cannot be read or is malformed, adds nothing and never stops or hangs the caller.

#include "CatalogueFixture.h"

#include "repository/xml/XmlLimits.h"

#include <sys/stat.h>
#include <unistd.h>

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
    ASSERT_EQ(truncate(catalogue.c_str(), static_cast<off_t>(XmlLimits::kMaxCatalogueBytes + 1)), 0);
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
