#include "RepositoryWriter.h"

#include "CatalogueWriter.h"
#include "MaterialLibraryWriter.h"
#include "Meshes.h"

#include <QBuffer>

#include <fstream>

namespace ZANRET::Samples
{
namespace fs = std::filesystem;

namespace
{
QString Text(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
} // namespace

fs::path DiskPath(const fs::path& base, const std::string& relative)
{
    fs::path path = base;
    std::size_t start = 0;
    while (start <= relative.size())
    {
        std::size_t end = relative.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = relative.size();
        if (end > start)
            path /= fs::path(relative.substr(start, end - start));
        start = end + 1;
    }
    return path;
}

RepositoryWriter::RepositoryWriter(fs::path root) : m_root(std::move(root)) {}

bool RepositoryWriter::Write(const Repository& repository)
{
    WritePicture(m_root / "overlay110x330.png", Png(DrawOverlay(110, 330)));
    WritePicture(m_root / "overlay100x300.png", Png(DrawOverlay(100, 300)));
    WriteTextures(repository);

    for (const Character& character : repository.characters)
        WriteCharacter(character);

    const fs::path global = m_root / "global_assets";
    MakeFolder(global);
    for (const Asset& asset : repository.globalAssets)
    {
        if (asset.folderOnDisk == Presence::Written)
            WriteAssetFolder(nullptr, DiskPath(global, asset.folder), asset);
    }
    WriteLibraries(m_root, repository.libraries);

    WriteText(m_root / "zanret.xml", CatalogueText(repository));
    return m_error.empty();
}

void RepositoryWriter::WriteCharacter(const Character& c)
{
    if (c.folderOnDisk != Presence::Written)
        return;
    const fs::path folder = DiskPath(m_root, c.folder);
    MakeFolder(folder);
    // Kept as the character's texture folder by the builder, which takes no texture from it.
    MakeFolder(folder / "maps");

    if (c.previewsFolder == Presence::Written)
    {
        const fs::path previews = folder / "previews";
        MakeFolder(previews);
        for (const Cloth& cloth : c.cloths)
        {
            const fs::path preview = previews / ("preview_" + cloth.id + ".png");
            if (cloth.previewFile == Presence::Written)
                WritePreview(preview, PictureKind::Outfit, cloth.name);
            else if (cloth.previewFile == Presence::FolderInstead)
                MakeFolder(preview);
            for (const Pose& pose : c.poses)
            {
                if (!Contains(cloth.posesWithoutPreview, pose.id))
                    WritePreview(previews / (cloth.id + "_" + pose.id + ".png"), PictureKind::Pose,
                                 pose.name + "\n" + cloth.name);
            }
        }
    }

    if (c.skinFolder == Presence::Written)
    {
        const fs::path skin = folder / "skin";
        MakeFolder(skin);
        for (const Skin& s : c.skins)
        {
            if (s.previewFile == Presence::Written)
                WritePreview(DiskPath(skin, s.preview), PictureKind::Skin, s.name);
        }
    }

    for (const Cloth& cloth : c.cloths)
    {
        if (cloth.folderOnDisk == Presence::Written)
            WriteClothFolder(c, DiskPath(folder, cloth.folder), cloth);
    }
    for (const Pose& pose : c.poses)
    {
        if (pose.folderOnDisk != Presence::Written)
            continue;
        const fs::path poseFolder = DiskPath(folder, pose.folder);
        MakeFolder(poseFolder);
        WriteText(poseFolder / "pose.vrmesh", BodyMesh(pose));
    }
    for (const Asset& asset : c.assets)
    {
        // A global reference has no folder of its own; the global asset it names has.
        if (asset.type != "global" && asset.folderOnDisk == Presence::Written)
            WriteAssetFolder(&c, DiskPath(folder, asset.folder), asset);
    }
    WriteLibraries(folder, c.libraries);
}

void RepositoryWriter::WriteClothFolder(const Character& c, const fs::path& folder, const Cloth& cloth)
{
    MakeFolder(folder);
    for (const ClothMaterial& m : cloth.materials)
    {
        if (m.previewFile == Presence::Written)
            WritePreview(DiskPath(folder, m.preview), PictureKind::ClothMaterial, m.name);
    }
    for (const Pose& pose : c.poses)
    {
        if (!Contains(cloth.posesWithoutMesh, pose.id))
            WriteText(folder / (cloth.id + "_" + pose.id + ".vrmesh"), ClothMesh(cloth, pose));
    }
}

void RepositoryWriter::WriteAssetFolder(const Character* c, const fs::path& folder, const Asset& asset)
{
    MakeFolder(folder);
    if (asset.materials.empty())
        WritePreview(folder / "preview.png", PictureKind::Asset, asset.name);
    for (const AssetMaterial& m : asset.materials)
        WritePreview(DiskPath(folder, m.preview), PictureKind::Asset, asset.name + " : " + m.name);

    if (asset.type == "specific" && c != nullptr)
    {
        for (const Pose& pose : c->poses)
            WriteText(folder / (pose.id + ".vrmesh"), SpecificAssetMesh(asset, pose));
    }
    else
    {
        WriteText(folder / "asset.vrmesh", AssetMesh(asset));
    }
}

void RepositoryWriter::WriteLibraries(const fs::path& base, const std::vector<MaterialLibrary>& libraries)
{
    for (const MaterialLibrary& library : libraries)
    {
        const fs::path file = DiskPath(base, library.path);
        // A library belongs in a folder the content already has; making one here would hide a
        // mistake in the content.
        if (m_error.empty() && !fs::is_directory(file.parent_path()))
            Fail("no folder for library " + file.string());
        WriteText(file, LibraryText(library));
    }
}

void RepositoryWriter::WriteTextures(const Repository& repository)
{
    // One file per name; the first material that names a texture gives it its colour.
    std::map<std::string, std::array<int, 3>> textures;
    auto collect = [&textures](const std::vector<MaterialLibrary>& libraries)
    {
        for (const MaterialLibrary& library : libraries)
        {
            for (const MaterialDefinition& material : library.materials)
            {
                for (const std::string& texture : material.textures)
                    textures.emplace(texture, material.colour);
            }
        }
    };
    collect(repository.libraries);
    for (const Character& c : repository.characters)
        collect(c.libraries);

    const fs::path maps = m_root / "maps";
    MakeFolder(maps);
    for (const auto& [name, colour] : textures)
    {
        if (!m_error.empty())
            return;
        // The extension names the format (.jpg or .png), as with textures made elsewhere.
        const fs::path file = maps / name;
        if (!DrawTexture(Text(name), colour).save(QString::fromStdString(file.string())))
            Fail("cannot write texture " + file.string());
    }
}

void RepositoryWriter::MakeFolder(const fs::path& folder)
{
    if (!m_error.empty())
        return;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        Fail("cannot create folder " + folder.string() + ": " + ec.message());
}

void RepositoryWriter::WriteText(const fs::path& file, const std::string& text)
{
    if (!m_error.empty())
        return;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out)
        Fail("cannot write " + file.string());
}

void RepositoryWriter::WritePreview(const fs::path& file, PictureKind kind, const std::string& caption)
{
    WritePicture(file, Encoded(kind, caption));
}

const QByteArray& RepositoryWriter::Encoded(PictureKind kind, const std::string& caption)
{
    auto key = std::make_tuple(kind, caption);
    auto found = m_pictures.find(key);
    if (found == m_pictures.end())
        found = m_pictures.emplace(key, Png(DrawPreview(kind, Text(caption)))).first;
    return found->second;
}

void RepositoryWriter::WritePicture(const fs::path& file, const QByteArray& png)
{
    if (!m_error.empty())
        return;
    if (png.isEmpty())
    {
        Fail("cannot encode picture " + file.string());
        return;
    }
    WriteText(file, png.toStdString());
}

void RepositoryWriter::Fail(const std::string& what)
{
    if (m_error.empty())
        m_error = what;
}
} // namespace ZANRET::Samples
