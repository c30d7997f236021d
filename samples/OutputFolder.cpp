#include "OutputFolder.h"

#include <fstream>
#include <set>

namespace ZANRET::Samples
{
namespace fs = std::filesystem;

namespace
{
// A recorded entry is removed only when it is a plain name in the folder, never a path that leads
// elsewhere.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos;
}

std::string FirstComponent(const std::string& relative)
{
    std::size_t start = relative.find_first_not_of("\\/");
    if (start == std::string::npos)
        return {};
    std::size_t end = relative.find_first_of("\\/", start);
    return relative.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
} // namespace

std::vector<std::string> TopLevelEntries(const Repository& repository)
{
    std::set<std::string> entries = {"zanret.xml", "overlay110x330.png", "overlay100x300.png", "maps",
                                     "global_assets"};
    for (const Character& character : repository.characters)
    {
        if (character.folderOnDisk == Presence::Written)
            entries.insert(FirstComponent(character.folder));
    }
    for (const MaterialLibrary& library : repository.libraries)
        entries.insert(FirstComponent(library.path));
    entries.erase(std::string());
    return {entries.begin(), entries.end()};
}

bool PrepareOutputFolder(const fs::path& folder, const std::vector<std::string>& entries, std::string& error)
{
    std::error_code ec;
    if (!fs::exists(folder, ec))
    {
        fs::create_directories(folder, ec);
        if (ec)
        {
            error = "cannot create " + folder.string() + ": " + ec.message();
            return false;
        }
    }
    else if (!fs::is_directory(folder, ec))
    {
        error = folder.string() + " is not a folder";
        return false;
    }

    // Remove what the previous run wrote.
    std::ifstream previous(folder / kMarkerFile);
    for (std::string name; std::getline(previous, name);)
    {
        if (!IsPlainName(name))
            continue;
        fs::remove_all(folder / name, ec);
        if (ec)
        {
            error = "cannot remove " + (folder / name).string() + ": " + ec.message();
            return false;
        }
    }
    previous.close();

    for (const std::string& name : entries)
    {
        if (fs::exists(folder / name, ec))
        {
            error = (folder / name).string() + " is in the way and was not written by zanret-samples; " +
                    "choose a new or empty folder";
            return false;
        }
    }

    std::ofstream marker(folder / kMarkerFile, std::ios::trunc);
    for (const std::string& name : entries)
        marker << name << '\n';
    marker.close();
    if (!marker)
    {
        error = "cannot write into " + folder.string();
        return false;
    }
    return true;
}
} // namespace ZANRET::Samples
