#include "win32/path.h"
#include "TempFolder.h"
#include "win32/fileapi.h"
#include "win32/shlobj.h"
#include "win32/text.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>

TEST(Win32Path, BackslashesAndRunsOfSeparatorsBecomeOneSlash)
{
    EXPECT_EQ(win32::NativePath(L"C:\\repo\\\\chars//a\\"), "C:/repo/chars/a/");
    EXPECT_EQ(win32::NativePath(L"/tmp\\x"), "/tmp/x");
    EXPECT_EQ(win32::NativePath(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_EQ(win32::NativePath(L"\u00e9\U0001F600"), "\xc3\xa9\xf0\x9f\x98\x80");
}

TEST(Win32Path, Utf8RoundTripAndMalformedInput)
{
    const std::wstring text = L"a\u00e9\u4e2d\U0001F600";
    EXPECT_EQ(win32::Utf8ToWide(win32::WideToUtf8(text)), text);
    EXPECT_EQ(win32::Utf8ToWide("a\xff"
                                "b"),
              L"a\uFFFDb");
    EXPECT_EQ(win32::Utf8ToWide("\xe4\xb8"), L"\uFFFD\uFFFD");
    EXPECT_EQ(win32::Utf8ToWide("\xc0\x80"), L"\uFFFD\uFFFD"); // overlong
}

TEST(Win32FileAttributes, FilesFoldersAndMissingPaths)
{
    TempFolder temp;
    temp.WriteFile("chars/a.txt", "x");
    const std::wstring base = temp.WidePath();
    EXPECT_EQ(GetFileAttributesW((base + L"chars").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesW((base + L"\\chars\\\\").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              FILE_ATTRIBUTE_DIRECTORY);
    const DWORD file = GetFileAttributesW((base + L"chars\\a.txt").c_str());
    ASSERT_NE(file, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(file & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(GetFileAttributesW((base + L"missing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW(L""), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW(nullptr), INVALID_FILE_ATTRIBUTES);

    // Read-only comes from the permissions that the one stat gives, not from a test of access.
    EXPECT_EQ(file & FILE_ATTRIBUTE_READONLY, 0u);
    std::filesystem::permissions(temp.Path() / "chars/a.txt", std::filesystem::perms::owner_read);
    EXPECT_EQ(GetFileAttributesW((base + L"chars\\a.txt").c_str()),
              FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_READONLY);
}

TEST(Win32FolderPath, LocalAppDataFollowsTheEnvironmentAndFailsForMissingFolders)
{
    TempFolder temp;
    wchar_t buffer[MAX_PATH];
    setenv("LOCALAPPDATA", temp.Path().c_str(), 1);
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer), S_OK);
    EXPECT_EQ(std::wstring(buffer), temp.Path().wstring());

    setenv("LOCALAPPDATA", (temp.Path() / "missing").c_str(), 1);
    EXPECT_NE(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer), S_OK);

    unsetenv("LOCALAPPDATA");
    setenv("XDG_CONFIG_HOME", temp.Path().c_str(), 1);
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer), S_OK);
    EXPECT_EQ(std::wstring(buffer), temp.Path().wstring());
    unsetenv("XDG_CONFIG_HOME");

    EXPECT_NE(SHGetFolderPathW(nullptr, 0x05, nullptr, 0, buffer), S_OK);
}

namespace
{
// The mapping written plainly: "\" becomes "/", a separator right after one is dropped, and every
// other character is written in UTF-8 (U+FFFD for one that UTF-8 cannot hold).
std::string PlainNativePath(const std::wstring& path)
{
    std::string native;
    for (const wchar_t c : path)
    {
        if (c == L'\\' || c == L'/')
        {
            if (native.empty() || native.back() != '/')
                native += '/';
            continue;
        }
        auto cp = static_cast<std::uint32_t>(c);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            cp = 0xFFFD;
        if (cp < 0x80)
            native += static_cast<char>(cp);
        else if (cp < 0x800)
            native += {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        else if (cp < 0x10000)
            native += {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (cp & 0x3F))};
        else
            native += {static_cast<char>(0xF0 | (cp >> 18)), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
                       static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
    }
    return native;
}
} // namespace

TEST(Win32Path, NativePathsOfRandomTextsAndJoinsAsThePlainMappingGivesThem)
{
    static const wchar_t alphabet[] = {L'a',   L'Z',   L'.',   L'\\',   L'/',    L':',
                                       0x7F,   0x80,   0xE9,   0x7FF,   0x800,   0xD800,
                                       0xDFFF, 0xFFFD, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF};
    std::mt19937 random(51);
    for (int i = 0; i < 100000; ++i)
    {
        std::wstring first;
        std::wstring second;
        for (std::uint32_t n = random() % 8; n > 0; --n)
            first += alphabet[random() % (sizeof alphabet / sizeof *alphabet)];
        for (std::uint32_t n = random() % 8; n > 0; --n)
            second += alphabet[random() % (sizeof alphabet / sizeof *alphabet)];
        ASSERT_EQ(win32::NativePath(first), PlainNativePath(first));
        std::string joined = win32::NativePath(first);
        win32::AppendNativePath(joined, second);
        ASSERT_EQ(joined, PlainNativePath(first + second));
    }
    const std::wstring text = L"a\u00e9\u4e2d\U0001F600";
    EXPECT_EQ(win32::WideToUtf8(text), PlainNativePath(text));
}
