#include "ui/MainWindowClothPreview.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/DataContainer.h"
#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"
#include "ui/MainWindowGeneralFill.h"

#include <hostforms/PictureBox.h>
#include <hostforms/ScrollPanel.h>

#include <win32/path.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <string>

namespace ZANRET
{
namespace
{
using MainWindowGeneralFill::Field;

// The picture in the file, read at once and closed again; a null image when there is no file or it
// cannot be decoded.
QImage ReadImage(const std::wstring& path)
{
    if (!MainWindowGeneralFill::FileExists(path))
    {
        return QImage();
    }
    QFile file(QString::fromStdString(win32::NativePath(path)));
    if (!file.open(QIODevice::ReadOnly))
    {
        return QImage();
    }
    const QByteArray bytes = file.readAll();
    file.close();
    return QImage::fromData(bytes);
}

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
    QImage image = ReadImage(path);
    // A picture that cannot be decoded counts as a missing one.
    if (image.isNull())
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"preview image not found");
        return false;
    }
    if (!m_available)
    {
        const QImage overlay =
            ReadImage(RepositoryLayout::ClothOverlayFile(MainWindowGeneralFill::RepositoryPath()));
        if (!overlay.isNull())
        {
            image = WithOverlay(image, overlay);
        }
    }

    auto* preview = new hostforms::PictureBox();
    preview->setGeometry(xpos + 10, 70, 110, 330);
    preview->hide();
    preview->SetImage(image);
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
