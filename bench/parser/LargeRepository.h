#pragma once
// A large repository for the benchmark, written into a folder.

#include <filesystem>

namespace ParserBench
{
struct Counts
{
    int characters = 300;
    int outfits = 12;
    int poses = 20;
    int assets = 40;
};

// Runs the sample generator when the build has one; otherwise writes a catalogue of the same shape
// with the folders the reader and the validation look at. False when nothing could be written.
bool WriteLargeRepository(const std::filesystem::path& folder, const Counts& counts);
} // namespace ParserBench
