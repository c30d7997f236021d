#include "SmallRepository.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <string>

namespace
{
const char* const kCatalogue = R"(<?xml version="1.0" encoding="UTF-8"?>
<zanret>
  <character id="mia" name="Mia" folder="mia" url="https://example.com/shop/mia">
    <skins name="Skin">
      <skin id="mia_skin" name="Default" preview="skin.png" material="Mia Skin"/>
    </skins>
    <cloth name="Cloth Material">
      <clothing id="mia_g" name="G Vest" folder="g" url="https://example.com/shop/mia_g"/>
      <clothing id="mia_a" name="A Coat" folder="a" url="https://example.com/shop/mia_a"/>
      <clothing id="mia_f" name="F Tee" folder="f" url="https://example.com/shop/mia_f"/>
      <clothing id="mia_b" name="B Dress" folder="b" url="https://example.com/shop/mia_b"/>
      <clothing id="mia_e" name="E Suit" folder="e" url="https://example.com/shop/mia_e"/>
      <clothing id="mia_c" name="C Broken" folder="c" url="https://example.com/shop/mia_c"/>
      <clothing id="mia_d" name="D Skirt" folder="d" url="https://example.com/shop/mia_d"/>
    </cloth>
    <poses name="Poses">
      <pose id="stand" name="Standing" folder="stand" url="https://example.com/shop/buy?pose=mia_stand"/>
    </poses>
  </character>
</zanret>
)";

void SavePicture(const TempFolder& folder, const std::string& relative, const QImage& image)
{
    folder.MakeFolder(std::filesystem::path(relative).parent_path().string());
    image.save(QString::fromStdString((folder.Path() / relative).string()));
}
} // namespace

void WriteSmallRepository(const TempFolder& folder)
{
    folder.WriteFile("zanret.xml", kCatalogue);
    for (const char* sub : {"mia/skin", "mia/stand", "mia/b", "mia/c", "mia/d", "mia/e", "mia/f", "mia/g"})
    {
        folder.MakeFolder(sub);
    }

    QImage preview(110, 330, QImage::Format_RGB32);
    preview.fill(kPreviewColour);
    for (const char* id : {"a", "b", "d", "e", "f", "g"})
    {
        SavePicture(folder, std::string("mia/previews/preview_mia_") + id + ".png", preview);
    }
    folder.WriteFile("mia/previews/preview_mia_c.png", "this is not a picture");

    QImage overlay(110, 330, QImage::Format_ARGB32);
    overlay.fill(Qt::transparent);
    QPainter painter(&overlay);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, 110, 20, kOverlayOpaque);
    painter.fillRect(0, 20, 110, 20, kOverlayHalf);
    painter.end();
    SavePicture(folder, "overlay110x330.png", overlay);
}
