#include "win32/textfile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

TEST(Win32TextFile, CarriageReturnLineFeedReadsAsLineFeed)
{
    TempFolder temp;
    temp.WriteFile("a.ini", "C:\\repo\\\r\nnext\rlone\r");
    std::string content;
    ASSERT_TRUE(win32::ReadTextModeFile((temp.WidePath() + L"a.ini").c_str(), content));
    EXPECT_EQ(content, "C:\\repo\\\nnext\rlone\r");
}

TEST(Win32TextFile, ControlZEndsTheText)
{
    TempFolder temp;
    temp.WriteFile("a.ini", "C:\\repo\\\x1a\r\nafter");
    std::string content;
    ASSERT_TRUE(win32::ReadTextModeFile((temp.WidePath() + L"a.ini").c_str(), content));
    EXPECT_EQ(content, "C:\\repo\\");
    // Binary reads keep it.
    ASSERT_TRUE(win32::ReadBinaryFile((temp.WidePath() + L"a.ini").c_str(), content));
    EXPECT_EQ(content.size(), 16u);
}

TEST(Win32TextFile, WriteTruncatesAndTranslatesLineFeeds)
{
    TempFolder temp;
    temp.WriteFile("a.ini", "a much longer earlier content");
    const std::wstring path = temp.WidePath() + L"a.ini";
    ASSERT_TRUE(win32::WriteTextModeFile(path.c_str(), "C:\\r\xe9\n"));
    EXPECT_EQ(temp.ReadFile("a.ini"), "C:\\r\xe9\r\n");
    std::string back;
    ASSERT_TRUE(win32::ReadTextModeFile(path.c_str(), back));
    EXPECT_EQ(back, "C:\\r\xe9\n");
}

TEST(Win32TextFile, FailuresAreReported)
{
    TempFolder temp;
    std::string content = "stale";
    EXPECT_FALSE(win32::ReadTextModeFile((temp.WidePath() + L"missing.ini").c_str(), content));
    EXPECT_TRUE(content.empty());
    EXPECT_FALSE(win32::WriteTextModeFile((temp.WidePath() + L"no\\such\\folder.ini").c_str(), "x"));
    EXPECT_FALSE(win32::ReadTextModeFile(nullptr, content));
    EXPECT_FALSE(win32::WriteTextModeFile(nullptr, "x"));
}

TEST(Win32TextFile, BinaryReadKeepsEveryByte)
{
    TempFolder temp;
    const std::string bytes("\xff\xfe<\0a\0\r\0\n\0", 10);
    temp.WriteFile("u16.xml", bytes);
    std::string back = "stale";
    ASSERT_TRUE(win32::ReadBinaryFile((temp.WidePath() + L"u16.xml").c_str(), back));
    EXPECT_EQ(back, bytes);
    EXPECT_FALSE(win32::ReadBinaryFile((temp.WidePath() + L"missing").c_str(), back));
    EXPECT_TRUE(back.empty());
}

TEST(Win32TextFile, OnlyRegularFilesWithinTheLimitAreReadOrWritten)
{
    TempFolder temp;
    temp.WriteFile("ten.txt", "0123456789");
    const std::wstring ten = temp.WidePath() + L"ten.txt";
    std::string bytes;
    EXPECT_TRUE(win32::ReadBinaryFile(ten.c_str(), bytes, 10));
    EXPECT_FALSE(win32::ReadBinaryFile(ten.c_str(), bytes, 9));
    EXPECT_FALSE(win32::ReadTextModeFile(ten.c_str(), bytes, 9));
    EXPECT_TRUE(bytes.empty());

    ASSERT_EQ(mkfifo((temp.Path() / "fifo").c_str(), 0600), 0);
    const std::wstring fifo = temp.WidePath() + L"fifo";
    EXPECT_FALSE(win32::ReadBinaryFile(fifo.c_str(), bytes));
    EXPECT_FALSE(win32::WriteTextModeFile(fifo.c_str(), "x"));
    EXPECT_FALSE(win32::ReadBinaryFile(L"/dev/zero", bytes));
    EXPECT_FALSE(win32::WriteTextModeFile(L"/dev/null", "x"));
    EXPECT_FALSE(win32::ReadBinaryFile(temp.WidePath().c_str(), bytes));

    win32::FileReader reader;
    ASSERT_TRUE(reader.Open(ten.c_str(), 10));
    EXPECT_EQ(reader.Size(), 10u);
    char buffer[4];
    std::size_t n = 0;
    std::string all;
    while (reader.Read(buffer, sizeof buffer, &n) && n > 0)
        all.append(buffer, n);
    EXPECT_EQ(all, "0123456789");
}
