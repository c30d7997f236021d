#include "ui/MainWindowElementBase.h"

#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowGeneralPage.h"
#include "ui/MainWindowPictures.h"

#include <hostforms/LinkOpener.h>

#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QUrl>

#include <algorithm>

namespace ZANRET
{
namespace
{
// A check box whose mark and text stand at its top-left corner, however tall it is, with the text
// wrapped at the box's width, and which toggles on a click anywhere inside it.
class TopLeftCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString text = option.text;
        option.text.clear();
        option.state &= ~QStyle::State_HasFocus;
        const int lineHeight = std::min(option.rect.height(), sizeHint().height());
        option.rect.setHeight(lineHeight);
        painter.drawControl(QStyle::CE_CheckBox, option);

        const QRect contents = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        const int top = std::max(0, (lineHeight - fontMetrics().height()) / 2);
        const QRect textArea(contents.left(), top, std::max(0, width() - contents.left()), height() - top);
        painter.setPen(palette().color(QPalette::WindowText));
        QRect used;
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
        if (hasFocus())
        {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = used.adjusted(-1, 0, 1, 0) & rect();
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

// The overlay file of elements that cannot be chosen; empty when there is none.
std::wstring OverlayFile()
{
    const std::wstring overlayPath =
        RepositoryLayout::ElementOverlayFile(MainWindowGeneralFill::RepositoryPath());
    return MainWindowGeneralFill::FileExists(overlayPath) ? overlayPath : std::wstring();
}

// The preview under the overlay of elements that cannot be chosen: drawn at its natural size from the
// top-left corner, its transparency respected. Without an overlay file the preview stays as it is.
void DrawOverlay(QImage& image, const std::wstring& overlayPath)
{
    if (image.isNull() || overlayPath.empty())
    {
        return;
    }
    const QImage overlay = MainWindowPictures::Get(overlayPath);
    if (overlay.isNull())
    {
        return;
    }
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_RGB32)
    {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), overlay);
}

// Catalogue links are opened only as web addresses: never a file or a program the catalogue names.
bool IsWebAddress(const QUrl& url)
{
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}
} // namespace

MainWindowElementBase::MainWindowElementBase() = default;

MainWindowElementBase::~MainWindowElementBase()
{
    // Controls on the page go with the page when it is destroyed first; the check box of an element
    // that cannot be chosen belongs to no page.
    delete m_checkBox;
    delete m_logo;
}

void MainWindowElementBase::CreateControls(hostforms::ScrollPanel* tabPage, std::int32_t unique,
                                           const QString& text, const std::wstring& imagePath,
                                           MainWindowGeneralPage* page, bool available, const QString& url,
                                           std::int32_t boxWidth, QRect picture)
{
    m_unique = unique;
    m_parent = tabPage;
    m_host = page;
    m_available = available;
    m_url = url;

    m_checkBox = new TopLeftCheckBox(text);
    m_checkBox->resize(boxWidth, 50);
    QObject::connect(m_checkBox, &QCheckBox::clicked, [this](bool) { AfterSelect(); });
    if (available && tabPage)
    {
        tabPage->AddControl(m_checkBox);
    }

    if (MainWindowGeneralFill::FileExists(imagePath))
    {
        const std::wstring overlayPath = available ? std::wstring() : OverlayFile();
        m_logo = new hostforms::PictureBox();
        // Placed before it is put on the page: where it first stands decides whether it is in view.
        m_logo->setGeometry(picture);
        // Decoded when the page first shows it.
        m_logo->SetImageSource(
            [imagePath, overlayPath]
            {
                QImage image = MainWindowPictures::Get(imagePath);
                DrawOverlay(image, overlayPath);
                return image;
            });
        m_logo->SetClickHandler([this](Qt::MouseButton) { AfterSelectImage(); });
        if (tabPage)
        {
            tabPage->AddControl(m_logo);
        }
    }
}

void MainWindowElementBase::SelectThisUnique(std::int32_t unique)
{
    SetSelected(m_unique == unique);
}

void MainWindowElementBase::SelectThisInCase(std::int32_t unique)
{
    if (m_unique == unique)
    {
        SetSelected(true);
    }
}

bool MainWindowElementBase::GetSelected() const
{
    return m_checkBox && m_checkBox->isChecked();
}

void MainWindowElementBase::SetSelected(bool selected)
{
    // setChecked raises no click: only the user's clicks reach AfterSelect.
    if (m_checkBox)
    {
        m_checkBox->setChecked(selected);
    }
}

void MainWindowElementBase::Place(std::int32_t x, std::int32_t y)
{
    if (m_checkBox)
    {
        m_checkBox->move(x, y);
    }
    if (m_logo)
    {
        m_logo->move(x, y - m_logo->height());
    }
}

void MainWindowElementBase::Focus()
{
    if (m_checkBox)
    {
        m_checkBox->setFocus();
    }
}

void MainWindowElementBase::AfterSelect()
{
    if (!m_host || !m_checkBox)
    {
        return;
    }
    // The page's answer may rebuild other pages; nothing here is touched after the call.
    MainWindowGeneralPage* host = m_host;
    const std::int32_t unique = m_unique;
    if (m_checkBox->isChecked())
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"select...");
        host->SelectedElement(unique);
    }
    else
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"unselect...");
        host->UnselectElement(unique);
    }
}

void MainWindowElementBase::AfterSelectImage()
{
    if (!m_host)
    {
        return;
    }
    MainWindowGeneralPage* host = m_host;
    const std::int32_t unique = m_unique;
    if (!m_available)
    {
        // Tolerant: a blank in a pose's link or an outfit id is still a web address, sent encoded.
        const QUrl url(m_url, QUrl::TolerantMode);
        if (!m_url.isEmpty() && IsWebAddress(url))
        {
            hostforms::OpenLink(url.toString(QUrl::FullyEncoded));
        }
        return;
    }
    if (GetSelected())
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"unselect...");
        host->UnselectElement(unique);
    }
    else
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"select...");
        host->SelectedElement(unique);
    }
}
} // namespace ZANRET
