// Tab pages and their elements on their own: the grid at the window's widths, what an element shows
// when it can or cannot be chosen, what clicks report, and what code-set ticks do not report.

#include "ui/MainWindowGeneralPage.h"
#include "plugin/Commands.h"
#include "repository/Settings.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralElement.h"
#include "ui/MainWindowGeneralSelector.h"
#include "ui/MainWindowPosesElement.h"

#include "TempFolder.h"
#include "repository/LocalAppData.h"
#include "repository/MessageLog.h"

#include <hostforms/LinkRecorder.h>
#include <hostforms/MaxForm.h>

#include <QPainter>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace ZANRET;

namespace
{
// A page that records what its elements report.
class RecordingPage : public MainWindowGeneralPage
{
public:
    void SelectedElement(std::int32_t unique) override { selected.push_back(unique); }
    void UnselectElement(std::int32_t unique) override { unselected.push_back(unique); }

    template <class Element>
    MainWindowElementBase* Add(std::int32_t unique, const std::wstring& preview, bool available,
                               const QString& url = QString())
    {
        auto element = std::make_unique<Element>();
        element->Create(GetPageControl(), unique, 0, 0, QStringLiteral("E%1").arg(unique), preview, this,
                        available, url);
        return Append(std::move(element));
    }

    std::vector<std::int32_t> selected;
    std::vector<std::int32_t> unselected;
};

const QColor kPreview(40, 160, 60);

class GeneralPageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Settings::LoadSettings();
        Settings::SetPath(m_repository.WidePath().c_str());
        WritePicture("square.png", 150, 150);
        WritePicture("tall.png", 100, 300);
        // The overlay: opaque red in its first ten rows, clear below.
        QImage overlay(100, 300, QImage::Format_ARGB32);
        overlay.fill(Qt::transparent);
        QPainter(&overlay).fillRect(0, 0, 100, 10, QColor(255, 0, 0));
        overlay.save(QString::fromStdString((m_repository.Path() / "overlay100x300.png").string()));
        m_tabs.resize(735, 525);
        m_tabs.show();
    }
    void TearDown() override { Settings::FreeSettings(); }

    void WritePicture(const std::string& name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(kPreview);
        image.save(QString::fromStdString((m_repository.Path() / name).string()));
    }
    std::wstring Picture(const char* name) const
    {
        return m_repository.WidePath() + QString(name).toStdWString();
    }

    std::unique_ptr<RecordingPage> MakePage(int w, int h, int width = 950)
    {
        auto page = std::make_unique<RecordingPage>();
        page->SetSize(w, h);
        page->Create(&m_tabs, width, QStringLiteral("Page"));
        return page;
    }

    CleanModel m_clean;
    TempFolder m_appData;
    LocalAppData m_localAppData{m_appData.Path()};
    TempFolder m_repository;
    MessageLog m_log;
    hostforms::LinkRecorder m_links;
    QTabWidget m_tabs;
};

std::vector<QPoint> BoxPositions(const MainWindowGeneralPage& page)
{
    std::vector<QPoint> positions;
    for (const auto& element : page.GetElements())
    {
        positions.push_back(element->GetCheckBox()->pos());
    }
    return positions;
}
} // namespace

TEST_F(GeneralPageTest, GridOfSquareElementsAtTheWindowWidths)
{
    auto page = MakePage(150, 150);
    for (int i = 1; i <= 9; ++i)
    {
        page->Add<MainWindowGeneralElement>(i, Picture("square.png"), true);
    }
    page->SetWidth(950);
    EXPECT_EQ(page->GetStep(), 3);
    const std::vector<QPoint> at950 = BoxPositions(*page);
    const std::vector<QPoint> expected = {{15, 165},  {180, 165}, {345, 165}, {510, 165}, {15, 380},
                                          {180, 380}, {345, 380}, {510, 380}, {15, 595}};
    EXPECT_EQ(at950, expected);
    for (const auto& element : page->GetElements())
    {
        EXPECT_EQ(element->GetLogo()->pos(), element->GetCheckBox()->pos() - QPoint(0, 150));
        EXPECT_EQ(element->GetLogo()->size(), QSize(150, 150));
        EXPECT_EQ(element->GetCheckBox()->size(), QSize(150, 50));
    }

    page->SetWidth(525);
    EXPECT_EQ(page->GetStep(), 0);
    const std::vector<QPoint> at525 = BoxPositions(*page);
    for (std::size_t i = 0; i < at525.size(); ++i)
    {
        EXPECT_EQ(at525[i], QPoint(15, 165 + static_cast<int>(i) * 215)) << i;
    }
}

TEST_F(GeneralPageTest, GridOfTallElementsAtTheWindowWidths)
{
    auto page = MakePage(100, 300);
    for (int i = 1; i <= 7; ++i)
    {
        page->Add<MainWindowPosesElement>(i, Picture("tall.png"), true)->ShowElement();
    }
    page->SetWidth(950);
    EXPECT_EQ(page->GetStep(), 5);
    const std::vector<QPoint> expected = {{15, 315},  {130, 315}, {245, 315}, {360, 315},
                                          {475, 315}, {590, 315}, {15, 680}};
    EXPECT_EQ(BoxPositions(*page), expected);
    EXPECT_EQ(page->GetElements()[0]->GetLogo()->pos(), QPoint(15, 15));
    EXPECT_EQ(page->GetElements()[6]->GetLogo()->pos(), QPoint(15, 380));
    EXPECT_EQ(page->GetElements()[0]->GetCheckBox()->size(), QSize(100, 50));

    page->SetWidth(525);
    EXPECT_EQ(page->GetStep(), 1);
    const std::vector<QPoint> at525 = BoxPositions(*page);
    EXPECT_EQ(at525[0], QPoint(15, 315));
    EXPECT_EQ(at525[1], QPoint(130, 315));
    EXPECT_EQ(at525[2], QPoint(15, 680));
}

TEST_F(GeneralPageTest, EveryWidthPlacesEveryElementInAColumnAtLeast)
{
    auto page = MakePage(150, 150);
    for (int i = 1; i <= 3; ++i)
    {
        page->Add<MainWindowGeneralElement>(i, Picture("square.png"), true);
    }
    for (int width : {-400, 0, 100, 250, 414})
    {
        page->SetWidth(width);
        EXPECT_EQ(page->GetStep(), 0) << width;
        const std::vector<QPoint> positions = BoxPositions(*page);
        EXPECT_EQ(positions[0], QPoint(15, 165)) << width;
        EXPECT_EQ(positions[2], QPoint(15, 595)) << width;
    }
    // A cell size that would divide by zero.
    auto degenerate = MakePage(-15, 0);
    degenerate->Add<MainWindowGeneralElement>(1, Picture("square.png"), true);
    degenerate->SetWidth(950);
    EXPECT_GE(degenerate->GetStep(), 0);
}

TEST_F(GeneralPageTest, UnavailableElementShowsThePictureUnderTheOverlayAndOpensOnlyWebLinks)
{
    auto page = MakePage(100, 300);
    MainWindowElementBase* element = page->Add<MainWindowPosesElement>(
        7, Picture("tall.png"), false, QStringLiteral("https://example.com/shop/buy?pose=a&gid=b"));
    element->ShowElement();
    page->SetWidth(950);

    // No check box on the page, and showing the page's boxes does not make it a window of its own.
    EXPECT_EQ(element->GetCheckBox()->parentWidget(), nullptr);
    EXPECT_FALSE(element->GetCheckBox()->isVisible());
    const QImage shown = element->GetLogo()->Image();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(5, 100), kPreview);

    QTest::mouseClick(element->GetLogo(), Qt::LeftButton);
    QTest::mouseClick(element->GetLogo(), Qt::RightButton);
    EXPECT_EQ(m_links.Links(), QStringList({QStringLiteral("https://example.com/shop/buy?pose=a&gid=b"),
                                            QStringLiteral("https://example.com/shop/buy?pose=a&gid=b")}));
    EXPECT_TRUE(page->selected.empty());
    EXPECT_TRUE(page->unselected.empty());

    m_links.Clear();
    for (const char* link : {"", "file:///etc/passwd", "C:\\Windows\\System32\\calc.exe", "calc.exe",
                             "javascript:alert(1)", "https://", "http://exa mple.com/"})
    {
        MainWindowElementBase* other =
            page->Add<MainWindowGeneralElement>(8, Picture("square.png"), false, QString::fromLatin1(link));
        QTest::mouseClick(other->GetLogo(), Qt::LeftButton);
    }
    EXPECT_TRUE(m_links.Links().isEmpty()) << m_links.Links().join(' ').toStdString();

    // Blanks and other characters of the catalogue's ids do not stop a web address: it goes encoded.
    MainWindowElementBase* blanks = page->Add<MainWindowGeneralElement>(
        9, Picture("square.png"), false,
        QString::fromUtf8("https://example.com/shop/buy?pose=a b&gid=summer dress|zo\xc3\xab"));
    QTest::mouseClick(blanks->GetLogo(), Qt::LeftButton);
    EXPECT_EQ(m_links.Links(),
              QStringList(
                  {QStringLiteral("https://example.com/shop/buy?pose=a%20b&gid=summer%20dress%7Czo%C3%AB")}));
}

TEST_F(GeneralPageTest, AvailableElementsReportClicksAndCodeSetTicksReportNothing)
{
    auto page = MakePage(150, 150);
    MainWindowElementBase* element = page->Add<MainWindowGeneralElement>(11, Picture("square.png"), true);
    page->SetWidth(950);
    // The available picture shows the preview without overlay.
    EXPECT_EQ(element->GetLogo()->Image().pixelColor(5, 5), kPreview);

    m_log.Clear();
    element->SetSelected(true);
    page->SelectOnlyUnique(11);
    page->SelectElement(11);
    page->UpdateSelection();
    EXPECT_TRUE(page->selected.empty());
    EXPECT_TRUE(page->unselected.empty());
    EXPECT_TRUE(m_log.Messages().empty());

    // A picture click asks the page and leaves the box as it is: the page answers by re-marking.
    element->SetSelected(true);
    QTest::mouseClick(element->GetLogo(), Qt::LeftButton);
    EXPECT_EQ(page->unselected, std::vector<std::int32_t>({11}));
    EXPECT_TRUE(element->GetSelected());
    element->SetSelected(false);
    QTest::mouseClick(element->GetLogo(), Qt::LeftButton);
    EXPECT_EQ(page->selected, std::vector<std::int32_t>({11}));
    EXPECT_FALSE(element->GetSelected());
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"unselect..."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"select..."), 1);

    // The box toggles itself and reports its new state.
    QTest::mouseClick(element->GetCheckBox(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(element->GetSelected());
    EXPECT_EQ(page->selected, std::vector<std::int32_t>({11, 11}));
    QTest::mouseClick(element->GetCheckBox(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(element->GetSelected());
    EXPECT_EQ(page->unselected, std::vector<std::int32_t>({11, 11}));
    EXPECT_TRUE(m_links.Links().isEmpty());
}

TEST_F(GeneralPageTest, MarkingByUnique)
{
    auto page = MakePage(150, 150);
    for (int i = 1; i <= 3; ++i)
    {
        page->Add<MainWindowGeneralElement>(i, Picture("square.png"), true);
    }
    page->Add<MainWindowGeneralElement>(2, Picture("square.png"), true);
    auto ticks = [&]
    {
        std::vector<bool> states;
        for (const auto& element : page->GetElements())
        {
            states.push_back(element->GetSelected());
        }
        return states;
    };
    page->SelectOnlyUnique(2);
    EXPECT_EQ(ticks(), std::vector<bool>({false, true, false, true}));
    page->SelectElement(1);
    EXPECT_EQ(ticks(), std::vector<bool>({true, true, false, true}));
    page->SelectElement(99);
    EXPECT_EQ(ticks(), std::vector<bool>({true, true, false, true}));
    page->SelectOnlyUnique(0);
    EXPECT_EQ(ticks(), std::vector<bool>({false, false, false, false}));
}

TEST_F(GeneralPageTest, MissingPicturesAndHiddenBoxes)
{
    auto page = MakePage(100, 300);
    MainWindowElementBase* noPicture = page->Add<MainWindowPosesElement>(1, Picture("missing.png"), true);
    MainWindowElementBase* nothing = page->Add<MainWindowPosesElement>(2, Picture("missing.png"), false);
    MainWindowElementBase* folder = page->Add<MainWindowPosesElement>(3, m_repository.WidePath(), true);
    EXPECT_EQ(noPicture->GetLogo(), nullptr);
    EXPECT_EQ(nothing->GetLogo(), nullptr);
    EXPECT_EQ(folder->GetLogo(), nullptr);
    // Tall elements keep their boxes hidden until the page shows them.
    EXPECT_TRUE(noPicture->GetCheckBox()->isHidden());
    noPicture->ShowElement();
    EXPECT_FALSE(noPicture->GetCheckBox()->isHidden());
    EXPECT_EQ(noPicture->GetCheckBox()->parentWidget(), page->GetSurface());
    EXPECT_EQ(nothing->GetCheckBox()->parentWidget(), nullptr);
    EXPECT_EQ(page->GetFirstControl(), noPicture->GetCheckBox());

    auto empty = MakePage(150, 150);
    EXPECT_EQ(empty->GetFirstControl(), empty->GetPageControl());
}

TEST_F(GeneralPageTest, ADestroyedPageTakesItsTabAndControlsWithIt)
{
    auto page = MakePage(150, 150);
    MainWindowElementBase* available = page->Add<MainWindowGeneralElement>(1, Picture("square.png"), true);
    MainWindowElementBase* unavailable = page->Add<MainWindowGeneralElement>(2, Picture("square.png"), false);
    QPointer<QWidget> box = available->GetCheckBox();
    QPointer<QWidget> loneBox = unavailable->GetCheckBox();
    QPointer<QWidget> picture = unavailable->GetLogo();
    QPointer<QWidget> control = page->GetPageControl();
    ASSERT_EQ(m_tabs.count(), 1);
    EXPECT_EQ(m_tabs.tabText(0), QStringLiteral("Page"));
    page.reset();
    EXPECT_EQ(m_tabs.count(), 0);
    EXPECT_TRUE(box.isNull());
    EXPECT_TRUE(loneBox.isNull());
    EXPECT_TRUE(picture.isNull());
    EXPECT_TRUE(control.isNull());
}

TEST_F(GeneralPageTest, ASelectorTakesItsTabControlWithIt)
{
    hostforms::MaxForm form;
    QPointer<QTabWidget> control;
    {
        MainWindowGeneralSelector selector;
        selector.CreateWidget(&form);
        control = selector.GetControl();
        ASSERT_FALSE(control.isNull());
        EXPECT_EQ(control->parentWidget(), &form);
        EXPECT_EQ(control->geometry(), QRect(185, 95, 735, 525));
        // Without a character and an outfit the control stays hidden and empty.
        selector.UpdateWidget(950, 670);
        EXPECT_TRUE(control->isHidden());
        EXPECT_EQ(selector.GetPageCount(), 0);
    }
    EXPECT_TRUE(control.isNull());
}
