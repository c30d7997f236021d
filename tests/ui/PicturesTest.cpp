// The window's preview pictures: decoded as the window decoded them before, each file once while the
// repository stays loaded, and only once it comes into view.

#include "SmallRepository.h"
#include "WindowFixture.h"

#include "repository/Data2.h"
#include "repository/Settings.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowClothPreview.h"
#include "ui/MainWindowClothSelector.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowGeneralPage.h"
#include "ui/MainWindowGeneralSelector.h"
#include "ui/MainWindowPictures.h"

#include <hostforms/PictureBox.h>
#include <hostforms/ScrollPanel.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTreeWidget>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
// The box stands, at least in part, in the visible area of its page.
bool InView(const MainWindowGeneralPage* page, const QWidget* box)
{
    const QWidget* viewport = page->GetPageControl()->viewport();
    return QRect(box->mapTo(viewport, QPoint(0, 0)), box->size()).intersects(viewport->rect());
}

std::size_t ClothPicturesMade()
{
    std::size_t made = 0;
    for (const auto& preview : MainWindowClass::window->ClothSelector()->Elements())
    {
        made += preview->Preview()->HasImage() ? 1 : 0;
    }
    return made;
}
} // namespace

class PicturesTest : public WindowFixture
{
protected:
    // The small repository with a pose picture for "B Dress", a skin picture, and a pose picture of
    // "D Skirt" that holds no picture.
    void OpenOnSmallRepository()
    {
        WriteSmallRepository(m_small);
        WritePicture("mia/previews/mia_b_stand.png", QSize(100, 300), kPreviewColour);
        WritePicture("mia/skin/skin.png", QSize(150, 150), Qt::red);
        m_small.WriteFile("mia/b/mia_b_stand.vrmesh", "o mesh\n");
        m_small.WriteFile("mia/previews/mia_d_stand.png", "this is not a picture either");
        OpenOn(m_small.WidePath());
    }
    void WritePicture(const std::string& relative, QSize size, const QColor& colour)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        picture.save(QString::fromStdString((m_small.Path() / relative).string()));
    }

    TempFolder m_small;
};

TEST_F(PicturesTest, EverySamplePictureDecodesAsTheWindowDecodedItEachTime)
{
    OpenOnSamples();
    const QString samples = QString::fromStdWString(SamplesPath()).chopped(1);
    m_appData.WriteFile("broken.png", "this is not a picture");
    std::vector<QString> files{QString::fromStdString((m_appData.Path() / "broken.png").string()),
                               QString::fromStdString((m_appData.Path() / "missing.png").string())};
    for (QDirIterator it(samples, {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
    {
        files.push_back(it.next());
    }
    ASSERT_GT(files.size(), 30u);

    MainWindowPictures::Clear();
    const std::size_t decodedBefore = MainWindowPictures::DecodeCount();
    for (const QString& file : files)
    {
        // The window names files by joining onto the repository path, with backslashes.
        QString relative = file.startsWith(samples) ? file.mid(samples.size() + 1) : file;
        relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
        const std::wstring path =
            file.startsWith(samples) ? SamplesPath() + relative.toStdWString() : relative.toStdWString();
        QFile bytes(file);
        const QImage fromBytes =
            bytes.open(QIODevice::ReadOnly) ? QImage::fromData(bytes.readAll()) : QImage();
        // The tab pages read with QImage's file constructor, the outfit panel from the file's bytes.
        EXPECT_EQ(MainWindowPictures::Get(path), QImage(file)) << file.toStdString();
        EXPECT_EQ(MainWindowPictures::Get(path), fromBytes) << file.toStdString();
    }
    EXPECT_EQ(MainWindowPictures::DecodeCount() - decodedBefore, files.size()) << "each file once";
    EXPECT_EQ(MainWindowPictures::KeptCount(), files.size());
}

TEST_F(PicturesTest, AnOutfitDecodesWhatComesIntoViewAndASecondVisitDecodesNothing)
{
    OpenOnSamples();
    // Narrow and low: two columns of poses, and the second row out of view.
    Window()->resize(525, 500);
    Flush();
    const std::size_t before = MainWindowPictures::DecodeCount();
    ClickNode(Node("Anna", "Summer Dress"));
    ASSERT_GT(Tabs()->GetPageCount(), 1);
    // The outfit panel is hidden: its pictures are made, but not decoded.
    ASSERT_TRUE(Window()->ClothSelector()->Panel()->isHidden());
    EXPECT_GT(PreviewCount(), 0);
    EXPECT_EQ(ClothPicturesMade(), 0u);

    std::size_t made = 0;
    std::size_t outOfView = 0;
    for (int i = 0; i < Tabs()->GetPageCount(); ++i)
    {
        const MainWindowGeneralPage* page = Tabs()->GetPage(i);
        for (const auto& element : page->GetElements())
        {
            if (const hostforms::PictureBox* logo = element->GetLogo())
            {
                const bool shown = i == 0 && InView(page, logo);
                EXPECT_EQ(logo->HasImage(), shown)
                    << "page " << i << " " << element->GetCheckBox()->text().toStdString();
                made += logo->HasImage() ? 1 : 0;
                outOfView += i == 0 && !shown ? 1 : 0;
            }
        }
    }
    EXPECT_GT(made, 0u);
    ASSERT_GT(outOfView, 0u) << "the poses page should reach beyond its view";
    EXPECT_EQ(MainWindowPictures::DecodeCount() - before, made);

    // Scrolled into view, a picture is decoded as it is painted.
    hostforms::ScrollPanel* poses = Tabs()->GetPage(0)->GetPageControl();
    const hostforms::PictureBox* last = Tabs()->GetPage(0)->GetElements().back()->GetLogo();
    ASSERT_FALSE(last->HasImage());
    poses->SetScrollPosition(last->pos());
    Flush();
    EXPECT_TRUE(last->HasImage());

    const std::vector<Shown> firstVisit = ShowEveryPage();
    const std::size_t afterFirstVisit = MainWindowPictures::DecodeCount();

    // Another outfit and back: the same pages, pictures and ticks, with nothing decoded again.
    ClickNode(Node("Anna", "Jeans & Shirt"));
    ShowEveryPage();
    const std::size_t otherOutfit = MainWindowPictures::DecodeCount() - afterFirstVisit;
    ClickNode(Node("Anna", "Summer Dress"));
    EXPECT_EQ(ShowEveryPage(), firstVisit);
    EXPECT_EQ(MainWindowPictures::DecodeCount() - afterFirstVisit, otherOutfit);
}

TEST_F(PicturesTest, AnUnreadablePictureShowsAsBeforeAndTheHiddenPanelDecodesNothing)
{
    OpenOnSmallRepository();
    const std::size_t before = MainWindowPictures::DecodeCount();
    ClickNode(Node("Mia", "D Skirt"));
    // Hidden, the panel cannot tell "C Broken" from a picture: it is never shown so, and is made
    // again, without it, as soon as the panel shows.
    EXPECT_EQ(PreviewCount(), 7);
    EXPECT_EQ(ClothPicturesMade(), 0u);

    // An element whose file holds no picture keeps an empty picture box, as it always had.
    ASSERT_GE(Tabs()->GetPageCount(), 1);
    const auto& poses = Tabs()->GetPage(0)->GetElements();
    ASSERT_EQ(poses.size(), 1u);
    ASSERT_NE(poses[0]->GetLogo(), nullptr);
    EXPECT_TRUE(poses[0]->GetLogo()->HasImage());
    EXPECT_TRUE(poses[0]->GetLogo()->Image().isNull());
    EXPECT_EQ(MainWindowPictures::DecodeCount() - before, 1u);

    ClickNode(Node("Mia"));
    EXPECT_EQ(PreviewCount(), 6);
    EXPECT_EQ(ClothPicturesMade(), 6u);
}

TEST_F(PicturesTest, PicturesAreReadAgainAfterAReloadAndForgottenWithTheWindowOrTheStore)
{
    OpenOnSmallRepository();
    const auto skinColour = []
    {
        ShowTab(1);
        const auto& skins = Tabs()->GetPage(1)->GetElements();
        return skins.size() == 1 && skins[0]->GetLogo() ? skins[0]->GetLogo()->Image().pixelColor(5, 5)
                                                        : QColor();
    };
    ClickNode(Node("Mia", "B Dress"));
    EXPECT_EQ(skinColour(), QColor(Qt::red));

    // A changed file shows once the repository is read again, not before.
    WritePicture("mia/skin/skin.png", QSize(150, 150), Qt::blue);
    ClickNode(Node("Mia"));
    ClickNode(Node("Mia", "B Dress"));
    EXPECT_EQ(skinColour(), QColor(Qt::red));
    ChooseMenuItem("Repository", "Reload");
    ClickNode(Node("Mia", "B Dress"));
    EXPECT_EQ(skinColour(), QColor(Qt::blue));

    EXPECT_GT(MainWindowPictures::KeptCount(), 0u);
    Window()->close();
    Flush();
    EXPECT_EQ(MainWindowPictures::KeptCount(), 0u);

    // An emptied store (as at the host's stop) keeps no picture.
    OpenOn(m_small.WidePath());
    ClickNode(Node("Mia"));
    EXPECT_GT(MainWindowPictures::KeptCount(), 0u);
    Data2::Reset();
    EXPECT_FALSE(MainWindowPictures::Get(m_small.WidePath() + L"mia\\skin\\skin.png").isNull());
    EXPECT_EQ(MainWindowPictures::KeptCount(), 0u);
}

TEST_F(PicturesTest, TheLeastRecentlyUsedPicturesGiveWayBeyondTheBound)
{
    OpenOnSmallRepository();
    MainWindowPictures::Clear();
    std::vector<std::wstring> paths;
    for (int i = 0; i < 5; ++i)
    {
        const std::string name = "small" + std::to_string(i) + ".png";
        WritePicture(name, QSize(16, 16), Qt::darkGreen);
        paths.push_back(m_small.WidePath() + QString::fromStdString(name).toStdWString());
    }
    // Four fit in the bound, a fifth pushes the oldest out.
    const qsizetype decodedSize =
        QImage(QString::fromStdString((m_small.Path() / "small0.png").string())).sizeInBytes();
    ASSERT_GT(decodedSize, 0);
    MainWindowPictures::SetKeptBytes(4 * decodedSize);
    struct DefaultBoundAfter
    {
        ~DefaultBoundAfter() { MainWindowPictures::SetKeptBytes(MainWindowPictures::kDefaultKeptBytes); }
    } restore;
    for (int i = 0; i < 4; ++i)
    {
        ASSERT_FALSE(MainWindowPictures::Get(paths[i]).isNull());
    }
    // The first is used again, so the second is the least recently used.
    MainWindowPictures::Get(paths[0]);
    MainWindowPictures::Get(paths[4]);
    EXPECT_EQ(MainWindowPictures::KeptCount(), 4u);
    const std::size_t decoded = MainWindowPictures::DecodeCount();
    MainWindowPictures::Get(paths[0]);
    MainWindowPictures::Get(paths[4]);
    EXPECT_EQ(MainWindowPictures::DecodeCount(), decoded);
    MainWindowPictures::Get(paths[1]);
    EXPECT_EQ(MainWindowPictures::DecodeCount(), decoded + 1);

    // A lower bound lets the least recently used go at once; the newest stays even when it alone
    // is beyond the bound.
    MainWindowPictures::SetKeptBytes(2 * decodedSize);
    EXPECT_EQ(MainWindowPictures::KeptCount(), 2u);
    MainWindowPictures::Get(paths[4]);
    MainWindowPictures::Get(paths[1]);
    EXPECT_EQ(MainWindowPictures::DecodeCount(), decoded + 1);
    MainWindowPictures::SetKeptBytes(1);
    EXPECT_EQ(MainWindowPictures::KeptCount(), 1u);
    MainWindowPictures::Get(paths[1]);
    EXPECT_EQ(MainWindowPictures::DecodeCount(), decoded + 1);

    MainWindowPictures::Clear();
}

TEST_F(PicturesTest, APictureOutsideTheRepositoryOrNotAPlainFileIsNotRead)
{
    OpenOnSmallRepository();
    MainWindowPictures::Clear();
    // A real picture beside the repository, named through a climb out of it.
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_EQ(m_appData.Path().parent_path(), m_small.Path().parent_path());
    ASSERT_TRUE(picture.save(QString::fromStdString((m_appData.Path() / "beside.png").string())));
    const std::wstring climbing =
        m_small.WidePath() + L"mia\\..\\..\\" + m_appData.Path().filename().wstring() + L"\\beside.png";
    EXPECT_TRUE(MainWindowGeneralFill::FileExists(climbing));
    EXPECT_TRUE(MainWindowPictures::Get(climbing).isNull());

    // A FIFO inside it is answered as unreadable at once rather than waited on.
    const std::filesystem::path fifo = m_small.Path() / "mia" / "previews" / "fifo.png";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(MainWindowPictures::Get(m_small.WidePath() + L"mia\\previews\\fifo.png").isNull());

    // A picture inside stays readable by the same route.
    const std::filesystem::path inside = m_small.Path() / "mia" / "previews" / "inside.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(inside.string())));
    EXPECT_EQ(MainWindowPictures::Get(m_small.WidePath() + L"mia\\previews\\inside.png"), picture);

    // Without a repository path nothing is inside the repository.
    MainWindowPictures::Clear();
    Settings::FreeSettings();
    EXPECT_TRUE(MainWindowPictures::Get(m_small.WidePath() + L"mia\\previews\\inside.png").isNull());
    MainWindowPictures::Clear();
    Settings::LoadSettings();
    EXPECT_EQ(MainWindowPictures::Get(m_small.WidePath() + L"mia\\previews\\inside.png"), picture);
}
