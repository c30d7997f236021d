#include "OffscreenScreens.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

int RunTestsOnScreens(int argc, char** argv, const std::vector<OffscreenScreen>& screens)
{
    testing::InitGoogleTest(&argc, argv);
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("zanret-screens-" + std::to_string(::getpid()) + ".json");
    std::ofstream(config) << OffscreenScreensConfig(screens);
    std::string platform = OffscreenPlatform(config.string());
    char option[] = "-platform";
    char* arguments[] = {argv[0], option, platform.data(), nullptr};
    int count = 3;
    int result = 0;
    {
        QApplication application(count, arguments);
        result = RUN_ALL_TESTS();
    }
    std::filesystem::remove(config);
    return result;
}
