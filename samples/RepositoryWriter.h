#pragma once
// Writes a sample repository to disk: folders, pictures, meshes, material libraries, textures and,
// last, the catalogue, so that a failed run never leaves a catalogue behind.

#include "SampleRepository.h"

#include "MaterialColours.h"
#include "Pictures.h"

#include <QByteArray>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace ZANRET::Samples
{
// A catalogue path ("characters\anna", "assets\bag") below a folder on this system.
std::filesystem::path DiskPath(const std::filesystem::path& base, const std::string& relative);

class RepositoryWriter
{
public:
    // The folder must already be prepared (PrepareOutputFolder).
    explicit RepositoryWriter(std::filesystem::path root);

    // False after the first file that could not be written; Error() says which.
    bool Write(const Repository& repository);
    const std::string& Error() const { return m_error; }

private:
    void WriteCharacter(const Character& character);
    void WriteClothFolder(const Character& character, const std::filesystem::path& folder,
                          const Cloth& cloth);
    // A global asset has no character; its materials are searched in the global libraries.
    void WriteAssetFolder(const Character* character, const std::filesystem::path& folder,
                          const Asset& asset);
    // An outfit's picture or one of its pose pictures: the figure in the outfit's first cloth
    // material and the character's first skin.
    PreviewSpec FigureSpec(const Character& character, const Cloth& cloth, PictureKind kind) const;
    void WriteLibraries(const std::filesystem::path& base, const std::vector<MaterialLibrary>& libraries);
    void WriteTextures(const Repository& repository);

    void MakeFolder(const std::filesystem::path& folder);
    void WriteText(const std::filesystem::path& file, const std::string& text);
    // Pictures are encoded once per preview description and then written as bytes: a large repository repeats
    // its captions and colours in every character.
    void WritePreview(const std::filesystem::path& file, const PreviewSpec& spec);
    void WritePicture(const std::filesystem::path& file, const QByteArray& png);
    const QByteArray& Encoded(const PreviewSpec& spec);
    void Fail(const std::string& what);

    std::filesystem::path m_root;
    std::string m_error;
    Modelling m_modelling = Modelling::Figures;
    std::unique_ptr<MaterialColours> m_colours;
    std::map<PreviewSpec, QByteArray> m_pictures;
};
} // namespace ZANRET::Samples
