#include "ui/DebugWindow.h"
#include "ui/DebugWindowClass.h"

#include <hostforms/HostWindow.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using ZANRET::DebugWindowClass;
namespace DebugWindow = ZANRET::DebugWindow;

namespace
{
const QString kInitialText = QStringLiteral("ZANRET Info Window...\n04.04.2014\nbase Setting: Max 2013\n");

void DeleteClosedForms()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPlainTextEdit* TextBox()
{
    return DebugWindowClass::window ? DebugWindowClass::window->findChild<QPlainTextEdit*>() : nullptr;
}

class DebugWindowTest : public testing::Test
{
protected:
    void TearDown() override
    {
        DebugWindow::FreeDebugWindow();
        DeleteClosedForms();
        hostforms::SetHostMainWindow(nullptr);
    }
};

TEST_F(DebugWindowTest, TheWindowIsBuiltAsAFixedInfoWindowWithItsText)
{
    EXPECT_EQ(DebugWindowClass::window, nullptr) << "null until the first window is made";
    DebugWindow::CreateDebugWindow();
    DebugWindowClass* window = DebugWindowClass::window;
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ZANRET Info Window"));
    EXPECT_EQ(window->size(), QSize(400, 800));
    EXPECT_EQ(window->GetBorderStyle(), hostforms::BorderStyle::FixedDialog);
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the user cannot resize it";
    EXPECT_FALSE(window->HasControlBox());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowSystemMenuHint));

    QPlainTextEdit* box = TextBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry(), QRect(0, 0, 385, 765));
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(box->toPlainText(), kInitialText);

    // A second call shows the same window rather than a second one out of reach.
    DebugWindow::CreateDebugWindow();
    EXPECT_EQ(DebugWindowClass::window, window);
}

TEST_F(DebugWindowTest, MessagesAreAppendedAsLines)
{
    DebugWindow::AddDebugWindowMessage(L"before any window");
    DebugWindow::CreateDebugWindow();
    DebugWindow::AddDebugWindowMessage(L"validate data...");
    DebugWindow::AddDebugWindowMessage(nullptr);
    DebugWindowClass::window->AddText(L"two\r\nlines \u00e4\u20ac\U0001F600");
    EXPECT_EQ(TextBox()->toPlainText(), kInitialText + QStringLiteral("validate data...\n\ntwo\n") +
                                            QString::fromWCharArray(L"lines \u00e4\u20ac\U0001F600\n"));
}

TEST_F(DebugWindowTest, ClosingDestroysTheWindowAndClearsTheField)
{
    DebugWindow::CreateDebugWindow();
    QPointer<DebugWindowClass> window = DebugWindowClass::window;
    ASSERT_FALSE(window.isNull());

    // The user closes it.
    EXPECT_TRUE(window->close());
    EXPECT_EQ(DebugWindowClass::window, nullptr);
    DeleteClosedForms();
    EXPECT_TRUE(window.isNull()) << "closing destroys the window";

    // Nothing is left to write to or close.
    DebugWindow::AddDebugWindowMessage(L"after the close");
    DebugWindow::FreeDebugWindow();
    EXPECT_EQ(DebugWindowClass::window, nullptr);

    // A new window starts with the initial text only.
    DebugWindow::CreateDebugWindow();
    ASSERT_NE(DebugWindowClass::window, nullptr);
    EXPECT_EQ(TextBox()->toPlainText(), kInitialText);

    // FreeDebugWindow closes and destroys it the same way.
    window = DebugWindowClass::window;
    DebugWindow::FreeDebugWindow();
    EXPECT_EQ(DebugWindowClass::window, nullptr);
    DeleteClosedForms();
    EXPECT_TRUE(window.isNull());
    DebugWindow::AddDebugWindowMessage(L"after the free");
}

TEST_F(DebugWindowTest, TheWindowShowsOverTheHostAndGoesWithIt)
{
    auto host = std::make_unique<QWidget>();
    host->show();
    hostforms::SetHostMainWindow(host.get());
    DebugWindow::CreateDebugWindow();
    ASSERT_NE(DebugWindowClass::window, nullptr);
    EXPECT_EQ(DebugWindowClass::window->parentWidget(), host.get());
    EXPECT_TRUE(DebugWindowClass::window->isWindow());

    // Destroyed without a close: the field must not dangle either.
    host.reset();
    EXPECT_EQ(DebugWindowClass::window, nullptr);
    DebugWindow::AddDebugWindowMessage(L"after the host window went");
}
} // namespace
