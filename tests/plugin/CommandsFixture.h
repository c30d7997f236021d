#pragma once
// A fresh host, model and settings folder for each command test, with the window entry functions
// recorded and the repository file dialog answered by the test.

#include "RecordingMainWindow.h"
#include "TempFolder.h"
#include "repository/LocalAppData.h"
#include "repository/MessageLog.h"

#include "plugin/Commands.h"
#include "plugin/DllEntry.h"
#include "repository/Data2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "resources/ModuleResources.h"

#include "hostsdk/Host.h"
#include "win32/libloader.h"
#include "win32/resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

class CommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Host::Reset();
        // The library's own resources under a handle of its own, as when the host loads it.
        win32::RegisterModuleResources(kModule, &ZANRET::kModuleResources);
        DllMain(kModule, DLL_PROCESS_ATTACH, nullptr);
    }
    void TearDown() override
    {
        Host::Reset();
        win32::UnregisterModuleResources(kModule);
    }

    // The dialog answers with path (true) or is cancelled (false); each request is kept.
    void AnswerDialog(const std::filesystem::path& path)
    {
        Host::SetOpenFileHandler(
            [this, path](const Host::OpenFileRequest& request, std::wstring& chosen)
            {
                requests.push_back(request);
                chosen = path.wstring();
                return true;
            });
    }
    void CancelDialog()
    {
        Host::SetOpenFileHandler(
            [this](const Host::OpenFileRequest& request, std::wstring&)
            {
                requests.push_back(request);
                return false;
            });
    }

    static std::filesystem::path Samples()
    {
        const char* folder = std::getenv("ZANRET_SAMPLES");
        return folder ? folder : "";
    }
    // Loads the sample repository through the dialog.
    void OpenSamples()
    {
        AnswerDialog(Samples() / "zanret.xml");
        ASSERT_TRUE(ZANRET::Commands::ValidateData());
        ASSERT_GT(ZANRET::Data2::GetCharacterCount(), 0);
    }
    static std::wstring PathOf(const std::filesystem::path& folder) { return folder.wstring() + L"/"; }

    inline static const HINSTANCE kModule = reinterpret_cast<HINSTANCE>(0x7F0000);

    TempFolder appData;
    LocalAppData env{appData.Path()};
    CleanModel clean;
    MessageLog log;
    RecordingMainWindow window;
    std::vector<Host::OpenFileRequest> requests;
};
