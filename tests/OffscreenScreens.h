#pragma once
// Qt's offscreen platform with screens of stated sizes, for tests of where windows open. The platform
// makes the screen whose name sorts first the primary one, and gives windows a frame 2 pixels wide.

#include <string>
#include <vector>

struct OffscreenScreen
{
    std::string name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The offscreen platform's configuration file text that describes the screens.
inline std::string OffscreenScreensConfig(const std::vector<OffscreenScreen>& screens)
{
    std::string text = "{ \"screens\": [";
    for (const OffscreenScreen& screen : screens)
    {
        text += (&screen == &screens.front() ? " " : ", ");
        text += "{ \"name\": \"" + screen.name + "\", \"x\": " + std::to_string(screen.x) +
                ", \"y\": " + std::to_string(screen.y) + ", \"width\": " + std::to_string(screen.width) +
                ", \"height\": " + std::to_string(screen.height) +
                ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 }";
    }
    return text + " ] }\n";
}

// The platform name (QT_QPA_PLATFORM or -platform) that starts offscreen with the configuration file.
inline std::string OffscreenPlatform(const std::string& configFile)
{
    return "offscreen:configfile=" + configFile;
}

// The main of a test program whose QApplication runs on these screens: every test of the program
// runs in it.
int RunTestsOnScreens(int argc, char** argv, const std::vector<OffscreenScreen>& screens);
