// The outfit pictures of the chosen character: the grid, the order, the overlay, and a click.

#include "SmallRepository.h"
#include "WindowFixture.h"

#include "repository/Selection2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowClothPreview.h"
#include "ui/MainWindowClothSelector.h"
#include "ui/MainWindowPlacementWidget.h"
#include "ui/MainWindowSelectionInfo.h"

#include <hostforms/PictureBox.h>
#include <hostforms/ScrollPanel.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <vector>

using namespace ZANRET;

class ClothPreviewTest : public WindowFixture
{
};

namespace
{
std::vector<QPoint> Positions()
{
    std::vector<QPoint> positions;
    for (const auto& element : MainWindowClass::window->ClothSelector()->Elements())
    {
        EXPECT_FALSE(element->Preview()->isHidden());
        EXPECT_EQ(element->Preview()->size(), QSize(110, 330));
        EXPECT_EQ(element->Preview()->parentWidget(),
                  MainWindowClass::window->ClothSelector()->Panel()->Surface());
        positions.push_back(element->Preview()->pos());
    }
    return positions;
}
} // namespace

TEST_F(ClothPreviewTest, OutfitPicturesFillTheGridAvailableFirstWithTheOverlayOnTheOthers)
{
    OpenOnSamples();
    ClickNode(Node("Anna"));
    // By name: "Jeans & Shirt", "Summer Dress", "Swimsuit"; "Winter Coat" (no folder) last.
    ASSERT_EQ(PreviewCount(), 4);
    EXPECT_EQ(Preview(0)->ClothUnique(), ClothUnique(L"anna", L"anna_jeans"));
    EXPECT_EQ(Preview(1)->ClothUnique(), ClothUnique(L"anna", L"anna_dress"));
    EXPECT_EQ(Preview(2)->ClothUnique(), ClothUnique(L"anna", L"anna_swim"));
    EXPECT_EQ(Preview(3)->ClothUnique(), ClothUnique(L"anna", L"anna_coat"));
    EXPECT_FALSE(Preview(3)->isAvailable());
    EXPECT_EQ(Positions(), (std::vector<QPoint>{{15, 15}, {140, 15}, {265, 15}, {390, 15}}));

    // The shown coat is its picture under the sample's overlay: where the overlay is opaque it
    // shows the overlay, where it is clear the picture; available outfits show their own picture.
    const QImage overlay = ReadPicture(L"overlay110x330.png");
    const QImage coat = ReadPicture(L"characters\\anna\\previews\\preview_anna_coat.png");
    const QImage jeans = ReadPicture(L"characters\\anna\\previews\\preview_anna_jeans.png");
    ASSERT_FALSE(overlay.isNull());
    ASSERT_FALSE(coat.isNull());
    QPoint opaque(-1, -1);
    QPoint clear(-1, -1);
    for (int y = 0; y < overlay.height(); ++y)
    {
        for (int x = 0; x < overlay.width(); ++x)
        {
            const int alpha = qAlpha(overlay.pixel(x, y));
            if (alpha == 255 && opaque.x() < 0 && overlay.pixel(x, y) != coat.pixel(x, y))
                opaque = QPoint(x, y);
            if (alpha == 0 && clear.x() < 0)
                clear = QPoint(x, y);
        }
    }
    ASSERT_GE(opaque.x(), 0) << "the sample overlay has no opaque pixel";
    ASSERT_GE(clear.x(), 0) << "the sample overlay has no clear pixel";
    const QImage shownCoat = Preview(3)->Preview()->Image();
    EXPECT_EQ(shownCoat.pixel(opaque) | 0xFF000000u, overlay.pixel(opaque) | 0xFF000000u);
    EXPECT_EQ(shownCoat.pixel(clear) | 0xFF000000u, coat.pixel(clear) | 0xFF000000u);
    EXPECT_EQ(Preview(0)->Preview()->Image().pixel(opaque), jeans.pixel(opaque));

    // At the minimum width two pictures fit in a row.
    Window()->resize(525, 670);
    Flush();
    EXPECT_EQ(Positions(), (std::vector<QPoint>{{15, 15}, {140, 15}, {15, 360}, {140, 360}}));
}

TEST_F(ClothPreviewTest, OutfitGridWrapsAfterFivePicturesAndSkipsPicturesThatCannotBeRead)
{
    TempFolder small;
    WriteSmallRepository(small);
    OpenOn(small.WidePath());
    m_log.Clear();
    ClickNode(Node("Mia"));
    // "C Broken" has a file that holds no picture: treated as a missing one, in every refresh (the
    // click refreshes twice: after the selection changed, and for the click itself).
    EXPECT_GE(m_log.Count(DEBUG_INFO, L"display cloth previews..."), 1);
    EXPECT_EQ(m_log.Count(DEBUG_INFO, L"preview image not found"),
              m_log.Count(DEBUG_INFO, L"display cloth previews..."));
    ASSERT_EQ(PreviewCount(), 6);
    const wchar_t* order[] = {L"mia_b", L"mia_d", L"mia_e", L"mia_f", L"mia_g", L"mia_a"};
    for (int i = 0; i < 6; ++i)
    {
        EXPECT_EQ(Preview(i)->ClothUnique(), ClothUnique(L"mia", order[i])) << i;
    }
    EXPECT_EQ(Positions(),
              (std::vector<QPoint>{{15, 15}, {140, 15}, {265, 15}, {390, 15}, {515, 15}, {15, 360}}));

    const QImage shownCoat = Preview(5)->Preview()->Image();
    EXPECT_EQ(QColor(shownCoat.pixel(5, 5)), kOverlayOpaque);
    const QColor half = QColor(shownCoat.pixel(5, 30));
    EXPECT_NEAR(half.red(), kPreviewColour.red() / 2, 3);
    EXPECT_NEAR(half.green(), kPreviewColour.green() / 2, 3);
    EXPECT_NEAR(half.blue(), (kPreviewColour.blue() + 255) / 2, 3);
    EXPECT_EQ(QColor(shownCoat.pixel(5, 200)), kPreviewColour);
    EXPECT_EQ(QColor(Preview(0)->Preview()->Image().pixel(5, 5)), kPreviewColour);

    Window()->resize(525, 670);
    Flush();
    EXPECT_EQ(Positions(),
              (std::vector<QPoint>{{15, 15}, {140, 15}, {15, 360}, {140, 360}, {15, 705}, {140, 705}}));
}

TEST_F(ClothPreviewTest, ClickingAPictureChoosesTheOutfitAndShowsCreateAndTheInfoLine)
{
    OpenOnSamples();
    ClickNode(Node("Anna"));
    std::vector<QPointer<hostforms::PictureBox>> pictures;
    for (int i = 0; i < PreviewCount(); ++i)
    {
        pictures.emplace_back(Preview(i)->Preview());
    }

    ClickPreview(1);
    EXPECT_STREQ(Selection2::GetCharacter(), L"anna");
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_dress");
    EXPECT_TRUE(Window()->ClothSelector()->Panel()->isHidden());
    EXPECT_FALSE(Window()->PlacementWidget()->Button()->isHidden());
    const QString info = Window()->SelectionInfo()->Label()->text();
    EXPECT_TRUE(info.startsWith(QStringLiteral("Character: \"Anna\", Outfit: \"Summer Dress\"\n")))
        << info.toStdString();
    // The pictures of the earlier refresh are gone, the clicked one too.
    for (const auto& picture : pictures)
    {
        EXPECT_TRUE(picture.isNull());
    }

    // An outfit that is not available is chosen like any other.
    ClickNode(Node("Anna"));
    ClickPreview(3);
    EXPECT_STREQ(Selection2::GetCloth(), L"anna_coat");
    EXPECT_TRUE(Window()->SelectionInfo()->Label()->text().startsWith(
        QStringLiteral("Character: \"Anna\", Outfit: \"Winter Coat\"\n")));
}
