#include "ui/MainWindowClothPreview.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/DataContainer.h"
#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowPictures.h"

#include <hostforms/PictureBox.h>
#include <hostforms/ScrollPanel.h>

#include <QImage>
#include <QPainter>
#include <QString>

#include <string>

namespace ZANRET
{
namespace
{
using MainWindowGeneralFill::Field;

// The overlay at its own size over the picture's top-left corner, with its transparency.
QImage WithOverlay(const QImage& picture, const QImage& overlay)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(0, 0), overlay);
    painter.end();
    return result;
}

// The outfit's picture, under the overlay when it is not available and the overlay file exists.
QImage Picture(const std::wstring& path, bool overlaid)
{
    const QImage picture = MainWindowPictures::Get(path);
    if (!overlaid || picture.isNull())
    {
        return picture;
    }
    const std::wstring overlayPath =
        RepositoryLayout::ClothOverlayFile(MainWindowGeneralFill::RepositoryPath());
    const QImage overlay =
        MainWindowGeneralFill::FileExists(overlayPath) ? MainWindowPictures::Get(overlayPath) : QImage();
    return overlay.isNull() ? picture : WithOverlay(picture, overlay);
}
} // namespace

MainWindowClothPreview::~MainWindowClothPreview()
{
    // Later, not now: the picture may be the one whose click is being handled.
    if (m_preview)
    {
        m_preview->SetClickHandler({});
        m_preview->hide();
        m_preview->deleteLater();
    }
}

bool MainWindowClothPreview::Create(hostforms::ScrollPanel* parent, int xpos, int /*poseIndex*/,
                                    DataContainer* cloth, CharacterData* character)
{
    if (!parent || !cloth || !character)
    {
        return false;
    }
    m_charUnique = Data2::GetUnique(character);
    m_clothUnique = Data2::GetUnique(cloth);
    m_available = Field(cloth, L"available") == L"available";

    const std::wstring path =
        RepositoryLayout::ClothPreviewFile(Field(character, L"folder"), Field(cloth, L"id"));
    // A shown panel tells at once a file that holds no picture, which counts as a missing one. The
    // hidden panel (an outfit is chosen) decodes nothing: it is made again before it is next shown.
    const bool overlaid = !m_available;
    const bool decodeNow = !parent->isHidden();
    bool found = MainWindowGeneralFill::FileExists(path);
    QImage image;
    if (found && decodeNow)
    {
        image = Picture(path, overlaid);
        found = !image.isNull();
    }
    if (!found)
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"preview image not found");
        return false;
    }

    auto* preview = new hostforms::PictureBox();
    preview->setGeometry(xpos + 10, 70, 110, 330);
    preview->hide();
    if (decodeNow)
    {
        preview->SetImage(image);
    }
    else
    {
        preview->SetImageSource([path, overlaid] { return Picture(path, overlaid); });
    }
    preview->SetClickHandler([this](Qt::MouseButton) { clicked(); });
    m_preview = preview;
    parent->AddControl(preview);
    return true;
}

void MainWindowClothPreview::Place(int x, int y)
{
    if (m_preview)
    {
        m_preview->move(x, y);
        m_preview->show();
    }
}

void MainWindowClothPreview::clicked()
{
    // The command redraws the panel, which destroys this object: nothing of it is used afterwards.
    const std::int32_t charUnique = m_charUnique;
    const std::int32_t clothUnique = m_clothUnique;
    Commands::SetSelectedClothUnique(charUnique, clothUnique, true);
}
} // namespace ZANRET
