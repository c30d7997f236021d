#include "repository/Settings.h"
#include "LocalAppData.h"
#include "MessageLog.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

using namespace ZANRET;

TEST(Settings, MissingOrShortFileLeavesThePathUnset)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path());
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());
    ASSERT_NE(Settings::GetPath(), nullptr);
    EXPECT_STREQ(Settings::GetPath(), L"");

    appData.WriteFile("zanret.ini", "C:");
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());
    EXPECT_FALSE(Settings::ReadSettingsFile());

    appData.WriteFile("zanret.ini", "C:\\");
    EXPECT_TRUE(Settings::ReadSettingsFile());
    EXPECT_TRUE(Settings::GetPathSet());
    EXPECT_STREQ(Settings::GetPath(), L"C:\\");
}

TEST(Settings, FileContentIsTakenWholeByteForCodeUnit)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path());
    appData.WriteFile("zanret.ini", " D:\\R\xe9po\\\r\n");
    MessageLog log;
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_TRUE(log.Messages().empty());
    EXPECT_TRUE(Settings::GetPathSet());
    EXPECT_STREQ(Settings::GetPath(), L" D:\\R\u00e9po\\\n");
}

TEST(Settings, ControlZEndsTheFileContent)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path());
    appData.WriteFile("zanret.ini", "D:\\Repo\\\x1a");
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_STREQ(Settings::GetPath(), L"D:\\Repo\\");
    appData.WriteFile("zanret.ini", "D:\x1a\\Repo\\");
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());
}

TEST(Settings, SetPathWritesExactlyThePath)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path());
    appData.WriteFile("zanret.ini", "a much longer earlier content than the new path");
    Settings::LoadSettings();
    MessageLog log;
    EXPECT_TRUE(Settings::SetPath(L"E:\\Zanr\u00e9t\\"));
    EXPECT_EQ(appData.ReadFile("zanret.ini"), "E:\\Zanr\xe9t\\");
    const std::wstring file = appData.Path().wstring() + L"\\zanret.ini";
    EXPECT_TRUE(log.Only(DEBUG_INFO, file));

    // A new load warns, replaces the object and reads the file again.
    log.Clear();
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_EQ(log.Count(DEBUG_WARNING, L"Settings::LoadSettings - singleton was not nullptr"), 1);
    EXPECT_STREQ(Settings::GetPath(), L"E:\\Zanr\u00e9t\\");
}

TEST(Settings, FailedSavesAreReportedAndThePathIsKept)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path());
    Settings::LoadSettings();
    MessageLog log;

    // Beyond U+00FF the file cannot hold the path: nothing is written.
    EXPECT_FALSE(Settings::SetPath(L"C:\\\u0420\u0435\u043f\u043e\\"));
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 1);
    EXPECT_EQ(log.CountOfType(DEBUG_INFO), 0);
    EXPECT_TRUE(Settings::GetPathSet());
    EXPECT_STREQ(Settings::GetPath(), L"C:\\\u0420\u0435\u043f\u043e\\");
    EXPECT_FALSE(std::filesystem::exists(appData.Path() / "zanret.ini"));

    // A settings file that cannot be opened for writing.
    appData.MakeFolder("zanret.ini");
    log.Clear();
    EXPECT_FALSE(Settings::SetPath(L"C:\\repo\\"));
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 1);
    EXPECT_EQ(log.CountOfType(DEBUG_INFO), 0);
    EXPECT_STREQ(Settings::GetPath(), L"C:\\repo\\");
    EXPECT_FALSE(Settings::SaveToSettingsFile());
}

TEST(Settings, NoFolderMeansNoFileAndNoMessage)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path() / "missing");
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string oldXdg = xdg ? xdg : "";
    const std::string oldHome = home ? home : "";
    setenv("XDG_CONFIG_HOME", (appData.Path() / "missing").c_str(), 1);
    setenv("HOME", (appData.Path() / "missing").c_str(), 1);

    MessageLog log;
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());
    EXPECT_FALSE(Settings::SetPath(L"C:\\repo\\"));
    EXPECT_STREQ(Settings::GetPath(), L"C:\\repo\\");
    EXPECT_TRUE(log.Messages().empty());
    // A path that was never saved is lost by the next load.
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());

    xdg ? setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    home ? setenv("HOME", oldHome.c_str(), 1) : unsetenv("HOME");
}

TEST(Settings, WithoutTheObject)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path());
    MessageLog log;
    EXPECT_EQ(Settings::GetPath(), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Settings::GetPath - singleton is nullptr"));
    log.Clear();
    EXPECT_FALSE(Settings::GetPathSet());
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Settings::GetPathSet - singleton is nullptr"));
    log.Clear();
    EXPECT_FALSE(Settings::CheckSingleton());
    EXPECT_TRUE(log.Only(DEBUG_WARNING, L"Settings::CheckSingleton - singleton is nullptr"));
    log.Clear();
    EXPECT_EQ(Settings::GetSingleton(), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Settings::GetSingleton - singleton is nullptr"));
    log.Clear();
    EXPECT_FALSE(Settings::SaveToSettingsFile());
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Settings::SaveToSettingsFile - singleton is nullptr"));
    log.Clear();
    EXPECT_FALSE(Settings::ReadSettingsFile());
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 1);
    log.Clear();
    EXPECT_FALSE(Settings::SetPath(L"C:\\repo\\"));
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 1);
    EXPECT_FALSE(std::filesystem::exists(appData.Path() / "zanret.ini"));
    log.Clear();
    Settings::FreeSettings();
    EXPECT_TRUE(log.Only(DEBUG_WARNING, L"Settings::FreeSettings - singleton is nullptr"));

    Settings::LoadSettings();
    EXPECT_TRUE(Settings::CheckSingleton());
    Settings::FreeSettings();
    log.Clear();
    EXPECT_EQ(Settings::GetPath(), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Settings::GetPath - singleton is nullptr"));
}

TEST(Settings, OnlyARegularFileOfAtMost64KiBIsReadAndWritten)
{
    CleanModel clean;
    TempFolder appData;
    LocalAppData local(appData.Path());
    const auto file = appData.Path() / "zanret.ini";
    MessageLog log;

    // A device would never end, and a FIFO would wait for a writer: both leave the path unset.
    std::filesystem::create_symlink("/dev/zero", file);
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());
    std::filesystem::remove(file);
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());
    // No message but the one of the second load.
    EXPECT_EQ(log.Messages().size(), 1u);
    log.Clear();
    // Saving to the FIFO does not wait either: it is a write that failed.
    EXPECT_FALSE(Settings::SetPath(L"C:\\repo\\"));
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 1);
    EXPECT_STREQ(Settings::GetPath(), L"C:\\repo\\");
    std::filesystem::remove(file);

    const std::string largest(64 * 1024, 'p');
    appData.WriteFile("zanret.ini", largest);
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_EQ(std::wstring(Settings::GetPath()).size(), largest.size());
    appData.WriteFile("zanret.ini", largest + "p");
    EXPECT_TRUE(Settings::LoadSettings());
    EXPECT_FALSE(Settings::GetPathSet());
}
