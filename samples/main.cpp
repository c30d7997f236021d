// zanret-samples <folder> [--characters N --outfits N --poses N --assets N]
// Writes the default sample repository into the folder, or, with any of the options, a large one
// for benchmarks.

#include "OutputFolder.h"
#include "RepositoryWriter.h"
#include "SampleRepository.h"

#include <QGuiApplication>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace
{
using ZANRET::Samples::LargeSampleCounts;

constexpr int kMaxCount = 100000;

struct Arguments
{
    std::string folder;
    std::optional<LargeSampleCounts> large;
};

int Usage(const char* problem)
{
    if (problem != nullptr)
        std::fprintf(stderr, "zanret-samples: %s\n", problem);
    std::fprintf(stderr,
                 "usage: zanret-samples <folder> [--characters N --outfits N --poses N --assets N]\n"
                 "  Without options the default sample is written. Any option writes a large repository;\n"
                 "  counts not given default to --characters 300 --outfits 12 --poses 20 --assets 40.\n"
                 "  Only what an earlier run wrote into the folder is replaced.\n");
    return 2;
}

bool ParseCount(const char* text, int& value)
{
    const char* end = text + std::strlen(text);
    auto result = std::from_chars(text, end, value);
    return result.ec == std::errc() && result.ptr == end && value >= 0 && value <= kMaxCount;
}

// Empty text when the arguments are fine, else what is wrong.
std::string Parse(int argc, char** argv, Arguments& arguments)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0)
        {
            if (!arguments.folder.empty())
                return "more than one folder given";
            arguments.folder = arg;
            continue;
        }
        int* target = nullptr;
        LargeSampleCounts& counts = arguments.large ? *arguments.large : arguments.large.emplace();
        if (arg == "--characters")
            target = &counts.characters;
        else if (arg == "--outfits")
            target = &counts.outfits;
        else if (arg == "--poses")
            target = &counts.poses;
        else if (arg == "--assets")
            target = &counts.assets;
        else
            return "unknown option " + arg;
        if (i + 1 >= argc || !ParseCount(argv[i + 1], *target))
            return arg + " needs a whole number from 0 to " + std::to_string(kMaxCount);
        ++i;
    }
    if (arguments.folder.empty())
        return "no folder given";
    return {};
}
} // namespace

int main(int argc, char** argv)
{
    Arguments arguments;
    const std::string problem = Parse(argc, argv, arguments);
    if (!problem.empty())
        return Usage(problem.c_str());

    // Text in the pictures needs the font database, which needs an application; it never shows a
    // window, so it never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const ZANRET::Samples::Repository repository =
        arguments.large ? ZANRET::Samples::LargeSample(*arguments.large) : ZANRET::Samples::DefaultSample();
    std::string error;
    if (!ZANRET::Samples::PrepareOutputFolder(arguments.folder, ZANRET::Samples::TopLevelEntries(repository),
                                              error))
    {
        std::fprintf(stderr, "zanret-samples: %s\n", error.c_str());
        return 1;
    }
    ZANRET::Samples::RepositoryWriter writer(arguments.folder);
    if (!writer.Write(repository))
    {
        std::fprintf(stderr, "zanret-samples: %s\n", writer.Error().c_str());
        return 1;
    }
    return 0;
}
