// The options of scripts/demo and scripts/test that are refused before anything is built: another
// repository must be a folder with a catalogue, the scripted session runs on the sample only, and a
// job count is a whole number above 0.

#include "TempFolder.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{
struct ScriptRun
{
    int exitCode = -1;
    std::string errors;
};

ScriptRun Script(const std::string& script, const std::string& arguments)
{
    std::string command = ZANRET_SOURCE_DIR;
    command += "/scripts/" + script;
    command = "'" + command + "' " + arguments + " 2>&1 >/dev/null";
    ScriptRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        run.errors += buffer;
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(DemoScript, RefusesARepositoryWithoutCatalogueAndBadJobCountsBeforeBuilding)
{
    TempFolder folder;
    ScriptRun run = Script("demo", "--repository '" + folder.Path().string() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("holds no zanret.xml"), std::string::npos) << run.errors;

    folder.WriteFile("zanret.xml", "<zanret/>");
    run = Script("demo", "--headless --repository '" + folder.Path().string() + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("sample repository"), std::string::npos) << run.errors;

    for (const char* jobs : {"-j 0", "-j x", "-j", "-j-3"})
    {
        EXPECT_EQ(Script("demo", jobs).exitCode, 2) << jobs;
        EXPECT_EQ(Script("test", jobs).exitCode, 2) << jobs;
    }
    EXPECT_EQ(Script("test", "--pretty").exitCode, 2);
}
} // namespace
