#pragma once
// Reads a generated catalogue with libxml2 and lists what the catalogue leads to on disk, path by
// path as the repository layout forms them, for the sample generator's tests.

#include <filesystem>
#include <string>
#include <vector>

using Values = std::vector<std::string>;

struct ExpectedFile
{
    enum class Kind
    {
        File,
        Folder,
    };
    // Relative to the repository folder, with "/".
    std::string path;
    Kind kind = Kind::File;
    // A picture's size; 0 for anything else.
    int width = 0;
    int height = 0;
};

class SampleCatalogue
{
public:
    explicit SampleCatalogue(const std::filesystem::path& file);
    ~SampleCatalogue();
    SampleCatalogue(const SampleCatalogue&) = delete;
    SampleCatalogue& operator=(const SampleCatalogue&) = delete;

    bool IsWellFormed() const { return m_document != nullptr; }
    const std::string& Problem() const { return m_problem; }

    // The XPath's results in document order: an attribute's value, an element's name.
    Values Select(const std::string& xpath) const;
    // The first of them; empty if there is none.
    std::string SelectFirst(const std::string& xpath) const;

private:
    void* m_document = nullptr;
    std::string m_problem;
};

// Every folder, mesh and picture that the catalogue names, with the picture sizes the window shows.
std::vector<ExpectedFile> ExpectedFiles(const SampleCatalogue& catalogue);

// A catalogue path ("characters\anna") in the "/" form of ExpectedFile.
std::string Slashed(const std::string& path);
