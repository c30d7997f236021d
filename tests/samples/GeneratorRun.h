#pragma once
// Runs the sample generator as the build and the benchmarks do: as a program, with its usage.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// The folder in double quotes, for a command line.
inline std::string Quoted(const std::filesystem::path& path)
{
    std::string quoted(1, '"');
    quoted += path.string();
    quoted += '"';
    return quoted;
}

// The generator's exit code (-1 when it did not exit normally).
inline int RunGenerator(const std::string& arguments)
{
    const std::string command = Quoted(ZANRET_SAMPLES_GENERATOR) + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
