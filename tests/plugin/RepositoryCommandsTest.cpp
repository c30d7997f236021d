// Opening the manager, the repository file dialog, "Reload" and "Set Repository".

#include "CommandsFixture.h"

#include "win32/actctx.h"
#include "win32/commdlg.h"
#include "win32/splitpath.h"

#include <cstring>

using namespace ZANRET;

TEST_F(CommandsTest, FirstOpenWithoutSettingsAsksAndCancelOpensNothingButAsksAgain)
{
    CancelDialog();
    Commands::CallMainWindow();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"CallMainWindow"), 1);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"User selected no directory"), 1);
    EXPECT_TRUE(window.Calls().empty());
    EXPECT_FALSE(Data2::IsValid());
    EXPECT_FALSE(Settings::GetPathSet());
    EXPECT_FALSE(std::filesystem::exists(appData.Path() / "zanret.ini"));

    // The record as the dialog receives it.
    const Host::OpenFileRequest& request = requests[0];
    EXPECT_EQ(request.title, L"Select file \"zanret.xml\"");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].first, L"ZANRET XML");
    EXPECT_EQ(request.filters[0].second, L"*.XML");
    EXPECT_TRUE(request.initialFolder.empty());
    EXPECT_EQ(request.flags, 0x00801800u);

    Commands::CallMainWindow();
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_TRUE(window.Calls().empty());
}

TEST_F(CommandsTest, DialogRunsUnderTheLibrarysActivationContext)
{
    HMODULE contextModule = nullptr;
    std::string manifest;
    Host::SetOpenFileHandler(
        [&](const Host::OpenFileRequest&, std::wstring&)
        {
            HANDLE current = nullptr;
            GetCurrentActCtx(&current);
            contextModule = win32::ActivationContextModule(current);
            if (LPCSTR text = win32::ActivationContextManifest(current))
                manifest = text;
            ReleaseActCtx(current);
            return false;
        });
    EXPECT_FALSE(Commands::SelectRepositoryFile());
    EXPECT_EQ(contextModule, kModule);
    EXPECT_NE(manifest.find("level=\"asInvoker\" uiAccess=\"false\""), std::string::npos);
    // Nothing stays active afterwards.
    HANDLE after = reinterpret_cast<HANDLE>(1);
    GetCurrentActCtx(&after);
    EXPECT_EQ(after, nullptr);
}

TEST_F(CommandsTest, PickedFileStoresItsFolderWithTrailingSeparator)
{
    // Any file name will do: only the folder counts.
    TempFolder repository;
    repository.WriteFile("other.XML", "<nothing/>");
    Settings::LoadSettings();
    AnswerDialog(repository.Path() / "other.XML");
    EXPECT_TRUE(Commands::SelectRepositoryFile());
    const std::wstring expected = PathOf(repository.Path());
    EXPECT_EQ(std::wstring(Settings::GetPath()), expected);
    EXPECT_TRUE(Settings::GetPathSet());
    EXPECT_EQ(log.Count(DEBUG_INFO, expected), 1);
    EXPECT_EQ(appData.ReadFile("zanret.ini"), repository.Path().string() + "/");

    // A file that does not exist is not a choice (the dialog insists on an existing file).
    AnswerDialog(repository.Path() / "missing.xml");
    EXPECT_FALSE(Commands::SelectRepositoryFile());
    EXPECT_EQ(std::wstring(Settings::GetPath()), expected);
}

TEST_F(CommandsTest, FolderTooLongToSplitIsNotStored)
{
    // A folder of 256 characters fits the dialog's buffer but not the split's folder part: storing
    // the cut folder would point the repository somewhere else.
    TempFolder repository;
    const std::size_t base = repository.Path().string().size() + 1;
    ASSERT_LT(base, 200u);
    const std::string first(200 - base, 'a');
    const std::string second(256 - 200 - 2, 'b');
    const std::filesystem::path folder = repository.Path() / first / second;
    ASSERT_EQ(folder.string().size() + 1, 256u);
    repository.WriteFile(first + "/" + second + "/z", "");
    Settings::LoadSettings();
    AnswerDialog(folder / "z");
    EXPECT_FALSE(Commands::SelectRepositoryFile());
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Commands::SelectRepositoryFile: path too long"), 1);
    EXPECT_FALSE(Settings::GetPathSet());
}

TEST_F(CommandsTest, SplitPathKeepsDriveAndFolder)
{
    wchar_t drive[_MAX_DRIVE];
    wchar_t dir[_MAX_DIR];
    wchar_t name[_MAX_FNAME];
    wchar_t ext[_MAX_EXT];
    _wsplitpath(L"D:\\Chars\\zanret.xml", drive, dir, name, ext);
    EXPECT_EQ(std::wstring(drive) + dir, L"D:\\Chars\\");
    EXPECT_STREQ(name, L"zanret");
    EXPECT_STREQ(ext, L".xml");
    _wsplitpath(L"D:\\Chars\\archive.tar.gz", drive, dir, name, ext);
    EXPECT_STREQ(name, L"archive.tar");
    EXPECT_STREQ(ext, L".gz");
    char narrowDir[_MAX_DIR];
    _splitpath("/srv/repo/zanret.xml", nullptr, narrowDir, nullptr, nullptr);
    EXPECT_STREQ(narrowDir, "/srv/repo/");
}

TEST_F(CommandsTest, FirstOpenReadsTheSamplesAndLaterOpensOnlyShowTheWindow)
{
    AnswerDialog(Samples() / "zanret.xml");
    Commands::CallMainWindow();
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"OpenMainWindow"});
    EXPECT_TRUE(Data2::IsValid());
    EXPECT_NE(Data2::GetCharacter(L"anna"), nullptr);
    EXPECT_TRUE(Data2::GetCharacter(L"anna")->GetFastFlag(0));

    // Selections survive a second open, and nothing is asked or read again.
    Selection2::SetCharacter(L"anna");
    Commands::CallMainWindow();
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(window.Count("OpenMainWindow"), 2);
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
}

TEST_F(CommandsTest, StoredPathWithoutCatalogueOpensAnEmptyWindowAndIsNotReadAgain)
{
    TempFolder repository;
    appData.WriteFile("zanret.ini", repository.Path().string() + "/");
    CancelDialog();
    Commands::CallMainWindow();
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"OpenMainWindow"});
    EXPECT_TRUE(Data2::IsValid());
    EXPECT_EQ(Data2::GetCharacterCount(), 0);

    // A catalogue that appears later is read only by "Reload".
    std::filesystem::copy(Samples(), repository.Path(), std::filesystem::copy_options::recursive);
    Commands::CallMainWindow();
    EXPECT_EQ(Data2::GetCharacterCount(), 0);
    Commands::ReloadRepository();
    EXPECT_GT(Data2::GetCharacterCount(), 0);
}

TEST_F(CommandsTest, ReloadClearsTheSelectionReadsAgainAndRebuilds)
{
    OpenSamples();
    const std::int32_t characters = Data2::GetCharacterCount();
    const std::int32_t annaUnique = Data2::GetUnique(Data2::GetCharacter(L"anna"));
    Selection2::SetCharacter(L"anna");
    Selection2::AddAsset(annaUnique);
    window.Clear();
    log.Clear();

    Commands::ReloadRepository();
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"Rebuild"});
    EXPECT_EQ(Selection2::GetCharacter(), nullptr);
    EXPECT_EQ(Selection2::GetAssetCount(), 0);
    EXPECT_TRUE(Data2::IsValid());
    EXPECT_EQ(Data2::GetCharacterCount(), characters);
    // Ids restart with the new store.
    EXPECT_EQ(Data2::GetUnique(Data2::GetCharacter(L"anna")), annaUnique);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"No Characters found!"), 0);
    EXPECT_TRUE(requests.size() == 1u);
}

TEST_F(CommandsTest, ReloadOfAnEmptyRepositoryReportsAndStillRebuilds)
{
    TempFolder repository;
    repository.WriteFile("zanret.xml", "<zanret></zanret>");
    AnswerDialog(repository.Path() / "zanret.xml");
    ASSERT_TRUE(Commands::ValidateData());
    Commands::ReloadRepository();
    EXPECT_EQ(log.Count(DEBUG_INFO, L"No Characters found!"), 1);
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"Rebuild"});
    EXPECT_TRUE(Data2::IsValid());
}

TEST_F(CommandsTest, SetRepositoryCancelledClearsOnlyTheSelection)
{
    OpenSamples();
    const std::wstring path = Settings::GetPath();
    const std::int32_t characters = Data2::GetCharacterCount();
    Selection2::SetCharacter(L"anna");
    Selection2::SetPose(L"stand");
    window.Clear();

    CancelDialog();
    Commands::ResetRepository();
    EXPECT_EQ(Selection2::GetCharacter(), nullptr);
    EXPECT_EQ(Selection2::GetPose(), nullptr);
    EXPECT_EQ(std::wstring(Settings::GetPath()), path);
    EXPECT_EQ(Data2::GetCharacterCount(), characters);
    EXPECT_TRUE(Data2::IsValid());
    EXPECT_TRUE(window.Calls().empty());
    EXPECT_EQ(log.Count(DEBUG_INFO, L"User selected no directory"), 1);
}

TEST_F(CommandsTest, SetRepositoryConfirmedLoadsTheNewFolder)
{
    OpenSamples();
    TempFolder other;
    other.WriteFile("zanret.xml", "<zanret></zanret>");
    Selection2::SetCharacter(L"anna");
    window.Clear();

    AnswerDialog(other.Path() / "zanret.xml");
    Commands::ResetRepository();
    EXPECT_EQ(std::wstring(Settings::GetPath()), PathOf(other.Path()));
    EXPECT_EQ(appData.ReadFile("zanret.ini"), other.Path().string() + "/");
    EXPECT_EQ(Data2::GetCharacterCount(), 0);
    EXPECT_EQ(Selection2::GetCharacter(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"No Characters found!"), 1);
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"Rebuild"});

    // And back to the samples.
    AnswerDialog(Samples() / "zanret.xml");
    Commands::ResetRepository();
    EXPECT_NE(Data2::GetCharacter(L"anna"), nullptr);
    EXPECT_EQ(window.Count("Rebuild"), 2);
}

TEST_F(CommandsTest, LoadDataOnlyChecksTheSettings)
{
    Commands::LoadData();
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Commands::LoadData settings not initiated!"), 1);
    Settings::LoadSettings();
    log.Clear();
    Commands::LoadData();
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"Commands::LoadData called without valid settings"));
    EXPECT_FALSE(Data2::IsValid());
}
