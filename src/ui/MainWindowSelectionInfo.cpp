#include "ui/MainWindowSelectionInfo.h"

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/DataContainer.h"
#include "repository/Debug.h"
#include "repository/Selection2.h"
#include "ui/MainWindowGeneralFill.h"

#include <hostforms/MaxForm.h>

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>

namespace ZANRET
{
namespace
{
using MainWindowGeneralFill::ToQString;

// A missing field reads as empty text.
QString Name(const DataContainer* element)
{
    return ToQString(MainWindowGeneralFill::Field(element, L"name"));
}

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The selected assets, each as "name", or "name:material", followed by ", ".
QString AssetsText(const CharacterData* character)
{
    QString text;
    bool first = true;
    const std::int32_t count = Selection2::GetAssetCount();
    for (std::int32_t i = 0; i < count; ++i)
    {
        const std::int32_t unique = Selection2::GetAsset(i);
        if (unique == 0)
        {
            continue;
        }
        DataContainer* asset = nullptr;
        DataContainer* material = nullptr;
        if (!Data2::GetGlobalAssetAndMaterial(unique, &asset, &material))
        {
            character->GetAssetAndMaterial(unique, &asset, &material);
        }
        if (!asset)
        {
            continue;
        }
        if (first)
        {
            text += QLatin1Char('\n');
            first = false;
        }
        text += QLatin1Char('"') + Name(asset);
        if (material)
        {
            text += QLatin1Char(':') + Name(material);
        }
        text += QStringLiteral("\", ");
    }
    return text;
}
} // namespace

MainWindowSelectionInfo::~MainWindowSelectionInfo()
{
    delete m_label;
}

void MainWindowSelectionInfo::CreateInfo(hostforms::MaxForm* parent)
{
    m_label = new QLabel();
    m_label->setGeometry(185, 37, 600, 50);
    // Names are shown as they are, never read as markup.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setWordWrap(true);
    m_label->setContentsMargins(4, 4, 4, 4);
    m_label->setAutoFillBackground(true);
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::Window, QColor(68, 68, 68));
    palette.setColor(QPalette::WindowText, Qt::white);
    m_label->setPalette(palette);
    m_label->setText(QStringLiteral("xxx"));
    parent->AddControl(m_label, hostforms::Anchor::Top | hostforms::Anchor::Left | hostforms::Anchor::Right);
}

void MainWindowSelectionInfo::UpdateInfo()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"Update Info Widget");
    m_label->setText(QString());

    const wchar_t* characterId = Selection2::GetCharacter();
    if (!characterId)
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"current char is nullptr");
        return;
    }
    const CharacterData* character = Data2::GetCharacter(characterId);
    if (!character)
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"current char object is nullptr");
        return;
    }

    QString text = QStringLiteral("Character: ") + Quoted(Name(character));

    const wchar_t* clothId = Selection2::GetCloth();
    if (const DataContainer* cloth = clothId ? character->GetCloth(clothId) : nullptr)
    {
        text += QStringLiteral(", Outfit: ") + Quoted(Name(cloth)) + QLatin1Char('\n');
    }
    const wchar_t* poseId = Selection2::GetPose();
    if (const DataContainer* pose = poseId ? character->GetPose(poseId) : nullptr)
    {
        text += ToQString(character->GetContainerName(CharacterData::POSES)) + QStringLiteral(": ") +
                Quoted(Name(pose));
    }
    const wchar_t* skinId = Selection2::GetSkin();
    if (const DataContainer* skin = skinId ? character->GetSkin(skinId) : nullptr)
    {
        text += QStringLiteral(", ") + ToQString(character->GetContainerName(CharacterData::SKINS)) +
                QStringLiteral(": ") + Quoted(Name(skin));
    }
    const wchar_t* styleId = Selection2::GetStyle();
    if (const DataContainer* style = styleId ? character->GetStyle(clothId, styleId) : nullptr)
    {
        text += QStringLiteral(", ") + ToQString(character->GetContainerName(CharacterData::CLOTH)) +
                QStringLiteral(": ") + Quoted(Name(style));
    }
    text += AssetsText(character);

    m_label->setText(text);
}
} // namespace ZANRET
