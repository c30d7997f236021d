// The argument checks of scripts/demo, scripts/test and the screenshot scripts, through their
// --check-arguments, which stops once the arguments are checked: another repository must be a
// folder with a catalogue, and a wrong one is told apart; the scripted session runs on the sample
// only; a job count is a whole number above 0. The scripts run as copies in a folder of their own,
// beside no setup script and no source tree, so that nothing can be installed or built from here.

#include "TempFolder.h"

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace
{
struct ScriptRun
{
    int exitCode = -1;
    std::string errors;
};

class DemoScript : public testing::Test
{
protected:
    void SetUp() override
    {
        m_scripts.MakeFolder("scripts");
        for (const char* script : {"demo", "test", "screenshot-window", "screenshot-tabs"})
        {
            std::filesystem::copy_file(std::filesystem::path(ZANRET_SOURCE_DIR) / "scripts" / script,
                                       m_scripts.Path() / "scripts" / script);
        }
    }

    // Runs the copy of the script with --check-arguments, from the folder `from` when one is given.
    ScriptRun Check(const std::string& script, const std::string& arguments,
                    const std::string& from = "") const
    {
        std::string command;
        if (!from.empty())
            command.append("cd '").append(from).append("' && ");
        command.append("'").append((m_scripts.Path() / "scripts" / script).string());
        command.append("' --check-arguments ").append(arguments).append(" 2>&1 >/dev/null");
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

    static bool Says(const ScriptRun& run, const std::string& text)
    {
        return run.errors.find(text) != std::string::npos;
    }

    TempFolder m_scripts;
};

TEST_F(DemoScript, ARepositoryPathThatIsNoCatalogueFolderIsToldApart)
{
    TempFolder folder;
    const std::string path = folder.Path().string();

    ScriptRun run = Check("demo", "--repository '" + path + "/missing'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Says(run, "no such folder: " + path + "/missing")) << run.errors;

    folder.WriteFile("notes.txt", "");
    run = Check("demo", "--repository '" + path + "/notes.txt'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Says(run, "is a file, not a folder")) << run.errors;

    run = Check("demo", "--repository '" + path + "'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Says(run, path + " holds no zanret.xml")) << run.errors;

    // The catalogue itself: the folder that holds it is named.
    folder.WriteFile("repository/zanret.xml", "<zanret/>");
    run = Check("demo", "--repository '" + path + "/repository/zanret.xml'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Says(run, "is a file, not a folder; give the folder that holds it: " +
                              std::filesystem::canonical(folder.Path() / "repository").string()))
        << run.errors;

    // The folder that holds it is good, also as a path relative to where the demo was started.
    run = Check("demo", "--repository '" + path + "/repository'");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(run.errors.empty()) << run.errors;
    run = Check("demo", "--repository repository", path);
    EXPECT_EQ(run.exitCode, 0) << run.errors;

    run = Check("demo", "--headless --repository '" + path + "/repository'");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Says(run, "sample repository")) << run.errors;
}

TEST_F(DemoScript, JobCountsAndOptionsAreCheckedByEveryScript)
{
    for (const char* script : {"demo", "test", "screenshot-window", "screenshot-tabs"})
    {
        for (const char* jobs : {"-j 0", "-j x", "-j", "-j-3"})
            EXPECT_EQ(Check(script, jobs).exitCode, 2) << script << " " << jobs;
        EXPECT_EQ(Check(script, "-j 3").exitCode, 0) << script;
        EXPECT_EQ(Check(script, "--pretty").exitCode, 2) << script;
    }
    EXPECT_EQ(Check("demo", "--headless --xvfb -j2").exitCode, 0);
    EXPECT_EQ(Check("test", "--preset asan").exitCode, 0);
    EXPECT_EQ(Check("test", "--preset fast").exitCode, 2);
    for (const char* script : {"screenshot-window", "screenshot-tabs"})
    {
        EXPECT_EQ(Check(script, "--offscreen ben").exitCode, 0) << script;
        EXPECT_EQ(Check(script, "anna anna_dress").exitCode, 0) << script;
        EXPECT_EQ(Check(script, "anna anna_dress more").exitCode, 2) << script;
        EXPECT_EQ(Check(script, "--build build").exitCode, 2) << script;
    }
}
} // namespace
