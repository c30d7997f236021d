#pragma once
// The folder a sample repository is written into. The generator replaces only what it wrote there
// itself, so a folder that holds other files keeps them.

#include "SampleRepository.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ZANRET::Samples
{
// Lists, one a line, the entries of the folder that the last run wrote.
inline constexpr const char* kMarkerFile = ".zanret-samples";

// The entries directly in the repository folder that writing the repository makes.
std::vector<std::string> TopLevelEntries(const Repository& repository);

// Makes the folder ready: creates it when needed, removes what an earlier run recorded in the
// marker, and refuses (with the reason in error) when one of the new entries is already there and
// was not written by an earlier run. Records the new entries in the marker.
bool PrepareOutputFolder(const std::filesystem::path& folder, const std::vector<std::string>& entries,
                         std::string& error);
} // namespace ZANRET::Samples
