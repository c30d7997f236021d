// The Win32 stand-ins the plug-in shell stands on: string loading, the open-file dialog record and
// activation contexts.

#include "TempFolder.h"

#include "hostsdk/Host.h"
#include "win32/actctx.h"
#include "win32/commdlg.h"
#include "win32/resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
const HINSTANCE kModule = reinterpret_cast<HINSTANCE>(0x5A0000);
const HINSTANCE kOther = reinterpret_cast<HINSTANCE>(0x5B0000);

const STRING_RESOURCE kStrings[] = {{1, L"Zanret"}, {2, L"Zo\u00eb"}};
const MANIFEST_RESOURCE kManifests[] = {{2, "<assembly/>"}};
const MODULE_RESOURCES kResources = {kStrings, 2, kManifests, 1};

class Win32StandInsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Host::Reset();
        win32::RegisterModuleResources(kModule, &kResources);
    }
    void TearDown() override
    {
        win32::UnregisterModuleResources(kModule);
        Host::Reset();
    }
};
} // namespace

TEST_F(Win32StandInsTest, StringsAreCutToTheBufferAndFoundOnlyInTheirModule)
{
    wchar_t wide[4];
    EXPECT_EQ(LoadStringW(kModule, 1, wide, 4), 3);
    EXPECT_STREQ(wide, L"Zan");
    EXPECT_EQ(LoadStringW(kOther, 1, wide, 4), 0);
    EXPECT_STREQ(wide, L"");
    EXPECT_EQ(LoadStringW(kModule, 3, wide, 4), 0);
    LPCWSTR direct = nullptr;
    EXPECT_EQ(LoadStringW(kModule, 1, reinterpret_cast<LPWSTR>(&direct), 0), 6);
    EXPECT_STREQ(direct, L"Zanret");

    // 8-bit text is UTF-8 here; a character is never cut in half.
    char narrow[4];
    EXPECT_EQ(LoadStringA(kModule, 2, narrow, 4), 2);
    EXPECT_STREQ(narrow, "Zo");
    char whole[8];
    EXPECT_EQ(LoadStringA(kModule, 2, whole, 8), 4);
    EXPECT_STREQ(whole, "Zo\xc3\xab");

    win32::UnregisterModuleResources(kModule);
    EXPECT_EQ(LoadStringW(kModule, 1, wide, 4), 0);
}

TEST_F(Win32StandInsTest, OpenFileRecordIsCheckedAndFilled)
{
    TempFolder folder;
    folder.WriteFile("repo/zanret.xml", "<zanret/>");
    const std::wstring path = (folder.Path() / "repo" / "zanret.xml").wstring();
    Host::SetOpenFileHandler(
        [&](const Host::OpenFileRequest&, std::wstring& chosen)
        {
            chosen = path;
            return true;
        });

    wchar_t file[MAX_PATH] = {};
    wchar_t title[8] = {};
    OPENFILENAMEW record{};
    record.lStructSize = 76;
    record.lpstrFile = file;
    record.nMaxFile = MAX_PATH;
    EXPECT_FALSE(GetOpenFileNameW(&record));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);

    record.lStructSize = sizeof(record);
    record.lpstrFileTitle = title;
    record.nMaxFileTitle = 8;
    record.Flags = OFN_FILEMUSTEXIST;
    ASSERT_TRUE(GetOpenFileNameW(&record));
    EXPECT_EQ(std::wstring(file), path);
    EXPECT_STREQ(file + record.nFileOffset, L"zanret.xml");
    EXPECT_STREQ(file + record.nFileExtension, L"xml");
    EXPECT_STREQ(title, L"zanret.");

    // The path does not fit the buffer: nothing is chosen.
    record.nMaxFile = static_cast<DWORD>(path.size());
    EXPECT_FALSE(GetOpenFileNameW(&record));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);

    // The 8-bit record receives the same choice.
    char narrowFile[MAX_PATH] = {};
    OPENFILENAMEA narrow{};
    narrow.lStructSize = sizeof(narrow);
    narrow.lpstrFile = narrowFile;
    narrow.nMaxFile = MAX_PATH;
    ASSERT_TRUE(GetOpenFileNameA(&narrow));
    EXPECT_EQ(std::string(narrowFile), (folder.Path() / "repo" / "zanret.xml").string());

    // Without a handler the request is cancelled.
    Host::SetOpenFileHandler({});
    record.nMaxFile = MAX_PATH;
    EXPECT_FALSE(GetOpenFileNameW(&record));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(Win32StandInsTest, ActivationContextsComeFromManifestsAndNest)
{
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = kOther;
    request.lpResourceName = MAKEINTRESOURCEW(2);
    EXPECT_EQ(CreateActCtxW(&request), INVALID_HANDLE_VALUE);
    request.hModule = kModule;
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(win32::ActivationContextManifest(context), "<assembly/>");

    ULONG_PTR outer = 0;
    ULONG_PTR inner = 0;
    ASSERT_TRUE(ActivateActCtx(context, &outer));
    ASSERT_TRUE(ActivateActCtx(nullptr, &inner));
    HANDLE current = context;
    GetCurrentActCtx(&current);
    EXPECT_EQ(current, nullptr);
    // Only the most recent activation can end.
    EXPECT_FALSE(DeactivateActCtx(0, outer));
    EXPECT_TRUE(DeactivateActCtx(0, inner));
    GetCurrentActCtx(&current);
    EXPECT_EQ(win32::ActivationContextModule(current), kModule);
    ReleaseActCtx(current);
    EXPECT_TRUE(DeactivateActCtx(0, outer));
    ReleaseActCtx(context);
    // Released for good: the handle is no longer known.
    EXPECT_EQ(win32::ActivationContextModule(context), nullptr);
    EXPECT_FALSE(ActivateActCtx(context, &outer));
}
