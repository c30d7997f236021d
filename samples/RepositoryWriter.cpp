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
    m_modelling = repository.modelling;
    m_colours = std::make_unique<MaterialColours>(repository);
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
    m_colours.reset();
    return m_error.empty();
}

PreviewSpec RepositoryWriter::FigureSpec(const Character& c, const Cloth& cloth, PictureKind kind) const
{
    PreviewSpec spec{.kind = kind, .caption = cloth.name, .garment = cloth.garment};
    if (!cloth.materials.empty())
        spec.colour = m_colours->Of(cloth.materials.front().material,
                                    MaterialColours::CharacterSearch(c, cloth.folder + "\\materials.mat"));
    if (!c.skins.empty())
        spec.skin =
            m_colours->Of(c.skins.front().material, MaterialColours::CharacterSearch(c, "skin\\skin.mat"));
    return spec;
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
                WritePreview(preview, FigureSpec(c, cloth, PictureKind::Outfit));
            else if (cloth.previewFile == Presence::FolderInstead)
                MakeFolder(preview);
            PreviewSpec spec = FigureSpec(c, cloth, PictureKind::Pose);
            for (const Pose& pose : c.poses)
            {
                spec.caption = pose.name + "\n" + cloth.name;
                spec.posture = pose.posture;
                if (!Contains(cloth.posesWithoutPreview, pose.id))
                    WritePreview(previews / (cloth.id + "_" + pose.id + ".png"), spec);
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
                WritePreview(DiskPath(skin, s.preview),
                             {.kind = PictureKind::Skin,
                              .caption = s.name,
                              .colour = m_colours->Of(
                                  s.material, MaterialColours::CharacterSearch(c, "skin\\skin.mat"))});
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
        WriteText(poseFolder / "pose.vrmesh", BodyMesh(m_modelling, pose));
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
    const std::vector<std::string> search =
        MaterialColours::CharacterSearch(c, cloth.folder + "\\materials.mat");
    for (const ClothMaterial& m : cloth.materials)
    {
        if (m.previewFile == Presence::Written)
            WritePreview(DiskPath(folder, m.preview), {.kind = PictureKind::ClothMaterial,
                                                       .caption = m.name,
                                                       .colour = m_colours->Of(m.material, search),
                                                       .weave = m.weave});
    }
    for (const Pose& pose : c.poses)
    {
        if (!Contains(cloth.posesWithoutMesh, pose.id))
            WriteText(folder / (cloth.id + "_" + pose.id + ".vrmesh"), ClothMesh(m_modelling, cloth, pose));
    }
}

void RepositoryWriter::WriteAssetFolder(const Character* c, const fs::path& folder, const Asset& asset)
{
    MakeFolder(folder);
    const std::vector<std::string> search =
        c != nullptr ? MaterialColours::CharacterSearch(*c, asset.folder + "\\materials.mat")
                     : MaterialColours::GlobalSearch(asset);
    PreviewSpec spec{.kind = PictureKind::Asset, .shape = asset.shape};
    if (asset.materials.empty())
    {
        spec.caption = asset.name;
        spec.colour = m_colours->Of(asset.material, search);
        WritePreview(folder / "preview.png", spec);
    }
    for (const AssetMaterial& m : asset.materials)
    {
        spec.caption = asset.name + " : " + m.name;
        spec.colour = m_colours->Of(m.material, search);
        WritePreview(DiskPath(folder, m.preview), spec);
    }

    if (asset.type == "specific" && c != nullptr)
    {
        for (const Pose& pose : c->poses)
            WriteText(folder / (pose.id + ".vrmesh"), SpecificAssetMesh(m_modelling, asset, pose));
    }
    else
    {
        WriteText(folder / "asset.vrmesh", AssetMesh(m_modelling, asset));
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
    std::map<std::string, Colour> textures;
    auto collect = [&textures](const std::vector<MaterialLibrary>& libraries)
    {
        for (const MaterialLibrary& library : libraries)
        {
            for (const MaterialDefinition& material : library.materials)
            {
                for (std::size_t i = 0; i < material.textures.size(); ++i)
                    textures.emplace(material.textures[i], TextureColour(material, i));
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

void RepositoryWriter::WritePreview(const fs::path& file, const PreviewSpec& spec)
{
    WritePicture(file, Encoded(spec));
}

const QByteArray& RepositoryWriter::Encoded(const PreviewSpec& spec)
{
    auto found = m_pictures.find(spec);
    if (found == m_pictures.end())
        found = m_pictures.emplace(spec, Png(DrawPreview(spec))).first;
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
