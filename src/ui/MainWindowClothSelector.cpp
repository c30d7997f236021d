#include "ui/MainWindowClothSelector.h"

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/DataContainer.h"
#include "repository/Debug.h"
#include "repository/Selection2.h"

#include <hostforms/MaxForm.h>
#include <hostforms/ScrollPanel.h>

#include <QEvent>
#include <QFrame>
#include <QObject>

#include <algorithm>
#include <functional>
#include <utility>

namespace ZANRET
{
namespace
{
// Gives the panel the focus whenever the mouse moves over its own surface (not over a picture).
class FocusOnMouseMove : public QObject
{
public:
    FocusOnMouseMove(QObject* parent, std::function<void()> onMove)
        : QObject(parent), m_onMove(std::move(onMove))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove)
        {
            m_onMove();
        }
        return false;
    }

private:
    std::function<void()> m_onMove;
};
} // namespace

MainWindowClothSelector::~MainWindowClothSelector()
{
    ClearElements();
    delete m_panel;
}

void MainWindowClothSelector::Create(hostforms::MaxForm* parent, int parentHeight)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"create pose widget");
    m_panel = new hostforms::ScrollPanel();
    m_panel->setGeometry(185, 95, 732, 520);
    m_panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panel->setLineWidth(1);
    auto* filter = new FocusOnMouseMove(m_panel, [this] { MouseMove(); });
    m_panel->viewport()->setMouseTracking(true);
    m_panel->viewport()->installEventFilter(filter);
    m_panel->Surface()->setMouseTracking(true);
    m_panel->Surface()->installEventFilter(filter);
    parent->AddControl(m_panel, hostforms::AllAnchors);
    DisplayCloth(parentHeight);
}

void MainWindowClothSelector::Rebuild(hostforms::MaxForm* parent, int height)
{
    ClearElements();
    delete m_panel;
    m_panel = nullptr;
    Create(parent, height);
}

void MainWindowClothSelector::Update(int width)
{
    m_panel->setVisible(Selection2::GetCharacter() != nullptr && Selection2::GetCloth() == nullptr);
    DisplayCloth(width);
}

void MainWindowClothSelector::DisplayCloth(int width)
{
    Debug::AddDebugMessage(DEBUG_INFO, L"display cloth previews...");
    ClearElements();

    const wchar_t* characterId = Selection2::GetCharacter();
    if (!characterId)
    {
        return;
    }
    CharacterData* character = Data2::GetCharacter(characterId);
    if (!character)
    {
        return;
    }

    int made = 0;
    int xpos = 2;
    const std::int32_t count = character->GetCount(CharacterData::CLOTH);
    for (std::int32_t i = 0; i < count; ++i)
    {
        DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, i);
        if (!cloth)
        {
            continue;
        }
        auto preview = std::make_unique<MainWindowClothPreview>();
        if (!preview->Create(m_panel, xpos, made, cloth, character))
        {
            continue;
        }
        ++made;
        xpos += 112;
        // Available outfits first, each group in catalogue order.
        auto position = m_elements.end();
        if (preview->isAvailable())
        {
            position = std::find_if(m_elements.begin(), m_elements.end(),
                                    [](const auto& element) { return !element->isAvailable(); });
        }
        m_elements.insert(position, std::move(preview));
    }
    UpdateWidth(width);
}

void MainWindowClothSelector::UpdateWidth(int width)
{
    int x = 15;
    int y = 15;
    const int limit = width - 250;
    // Positions on the panel's surface do not depend on the scroll position; only keep it.
    const QPoint scrolled = m_panel->ScrollPosition();
    for (const auto& element : m_elements)
    {
        element->Place(x, y);
        x += 125;
        if (x + 100 >= limit)
        {
            x = 15;
            y += 345;
        }
    }
    m_panel->SetScrollPosition(scrolled);
}

void MainWindowClothSelector::MouseMove()
{
    m_panel->setFocus(Qt::MouseFocusReason);
}

void MainWindowClothSelector::ClearElements()
{
    m_elements.clear();
}
} // namespace ZANRET
