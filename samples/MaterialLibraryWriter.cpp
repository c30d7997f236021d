#include "MaterialLibraryWriter.h"

#include "XmlEscape.h"

#include <cstdio>

namespace ZANRET::Samples
{
namespace
{
// Parameter ids; 22 is the one the builder scales for the unit-scaled class, 10 to 12 the diffuse
// colour the host program draws a material in when it has no picture.
constexpr int kRed = 10, kGreen = 11, kBlue = 12;
constexpr int kNestedMap = 7;
constexpr int kBaseMaterial = 3;
constexpr int kUnitScaled = 22;
constexpr int kDiffuseSlot = 1;

std::string Attr(const std::string& text)
{
    std::string quoted(1, '"');
    quoted += EscapeAttribute(text);
    quoted += '"';
    return quoted;
}

std::string Number(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4g", static_cast<double>(value));
    return buffer;
}

class LibraryOut
{
public:
    void Line(const std::string& text)
    {
        m_text.append(static_cast<std::size_t>(m_depth) * 2, ' ');
        m_text += text;
        m_text += '\n';
    }
    void Open(const std::string& text)
    {
        Line(text);
        ++m_depth;
    }
    void Close(const std::string& text)
    {
        --m_depth;
        Line(text);
    }
    std::string& Text() { return m_text; }

private:
    std::string m_text;
    int m_depth = 0;
};

void Bitmap(LibraryOut& out, const std::string& name, const std::string& texture)
{
    out.Line("<bitmap name=" + Attr(name) + " file=" + Attr(RecordedTexturePath(texture)) + "/>");
}

void DiffuseColour(LibraryOut& out, const Colour& colour)
{
    const int ids[3] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i)
        out.Line("<param id=\"" + std::to_string(ids[i]) + "\" type=\"float\" value=\"" +
                 Number(static_cast<float>(colour[static_cast<std::size_t>(i)]) / 255.0f) + "\"/>");
}

// A standard material with its texture in the diffuse slot.
void Standard(LibraryOut& out, const std::string& name, const std::string& texture, const Colour& colour)
{
    out.Open("<material name=" + Attr(name) + " class=\"standard\">");
    DiffuseColour(out, colour);
    out.Open("<slot index=\"" + std::to_string(kDiffuseSlot) + "\">");
    Bitmap(out, "diffuse", texture);
    out.Close("</slot>");
    out.Close("</material>");
}

void Material(LibraryOut& out, const MaterialDefinition& m)
{
    const std::string first = m.textures.empty() ? std::string() : m.textures.front();
    switch (m.kind)
    {
    case MaterialKind::Plain:
        Standard(out, m.name, first, m.colour);
        return;
    case MaterialKind::Multi:
        // The walk visits only the sub-materials of a multi material, so every bitmap sits in one.
        out.Open("<material name=" + Attr(m.name) + " class=\"multi\">");
        for (std::size_t i = 0; i < m.textures.size(); ++i)
        {
            out.Open("<sub index=\"" + std::to_string(i) + "\">");
            Standard(out, m.name + " " + std::to_string(i + 1), m.textures[i], TextureColour(m, i));
            out.Close("</sub>");
        }
        out.Close("</material>");
        return;
    case MaterialKind::NestedBitmap:
        // A bitmap two parameters deep: material -> mix map -> bitmap. Slots of the mix map would
        // not be walked, so the bitmap hangs on a parameter.
        out.Open("<material name=" + Attr(m.name) + " class=\"standard\">");
        DiffuseColour(out, m.colour);
        out.Open("<param id=\"" + std::to_string(kNestedMap) + "\" type=\"map\">");
        out.Open("<map name=\"mix\">");
        out.Line("<param id=\"1\" type=\"float\" value=\"0.5\"/>");
        out.Open("<param id=\"2\" type=\"map\">");
        Bitmap(out, "diffuse", first);
        out.Close("</param>");
        out.Close("</map>");
        out.Close("</param>");
        out.Close("</material>");
        return;
    case MaterialKind::UnitScaled:
        // The scaled parameter, and the texture on a base material held by a parameter.
        out.Open("<material name=" + Attr(m.name) + " class=\"unitScaled\">");
        out.Line("<param id=\"" + std::to_string(kUnitScaled) + "\" type=\"float\" value=\"2\"/>");
        out.Open("<param id=\"" + std::to_string(kBaseMaterial) + "\" type=\"material\">");
        Standard(out, m.name + " Base", first, m.colour);
        out.Close("</param>");
        out.Close("</material>");
        return;
    }
}
} // namespace

Colour TextureColour(const MaterialDefinition& material, std::size_t texture)
{
    return texture >= 1 && texture - 1 < material.otherColours.size() ? material.otherColours[texture - 1]
                                                                      : material.colour;
}

std::string RecordedTexturePath(const std::string& texture)
{
    static const char* const folders[] = {
        "E:\\studio\\textures\\",
        "C:/work/maps/",
        "D:\\Projects\\Characters\\Textures\\",
        "textures\\",
        "\\\\fileserver\\library\\maps\\",
    };
    // The same folder for the same name on every run and every system.
    std::size_t sum = 0;
    for (unsigned char ch : texture)
        sum = sum * 31 + ch;
    const std::size_t which = sum % (sizeof folders / sizeof folders[0]);
    return folders[which] + texture;
}

std::string LibraryText(const MaterialLibrary& library)
{
    LibraryOut out;
    out.Text() = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out.Open("<materialLibrary version=\"1\">");
    for (const MaterialDefinition& material : library.materials)
        Material(out, material);
    out.Close("</materialLibrary>");
    return std::move(out.Text());
}
} // namespace ZANRET::Samples
