#include <hostforms/HostWindow.h>
#include <hostforms/MaxForm.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

using hostforms::MaxForm;

namespace
{
void DeleteClosedForms()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class MaxFormTest : public testing::Test
{
protected:
    void TearDown() override
    {
        hostforms::SetHostMainWindow(nullptr);
        DeleteClosedForms();
    }
};

TEST_F(MaxFormTest, WithoutAHostWindowAFormShowsAsATopLevelToolWindow)
{
    ASSERT_EQ(hostforms::HostMainWindow(), nullptr);
    QPointer<MaxForm> form = new MaxForm();
    form->ShowModeless();

    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(form->parentWidget(), nullptr);
    EXPECT_EQ(form->windowType(), Qt::Tool);
    EXPECT_EQ(form->windowModality(), Qt::NonModal);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_EQ(QApplication::activeWindow(), form.data());

    // Closing destroys the form.
    EXPECT_TRUE(form->close());
    DeleteClosedForms();
    EXPECT_TRUE(form.isNull());
}

TEST_F(MaxFormTest, AFormShowsModelessOverTheHostWindow)
{
    auto host = std::make_unique<QWidget>();
    host->resize(1200, 900);
    host->show();
    hostforms::SetHostMainWindow(host.get());
    EXPECT_EQ(hostforms::HostMainWindow(), host.get());

    QPointer<MaxForm> form = new MaxForm();
    form->resize(950, 670);
    form->ShowModeless();

    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isWindow()) << "its own window, not a control inside the host's";
    EXPECT_EQ(form->parentWidget(), host.get());
    // A tool window of the host's, which the window system keeps above it.
    EXPECT_EQ(form->windowType(), Qt::Tool);
    ASSERT_NE(form->windowHandle(), nullptr);
    EXPECT_EQ(form->windowHandle()->transientParent(), host->windowHandle());
    EXPECT_EQ(form->windowModality(), Qt::NonModal);
    EXPECT_EQ(form->size(), QSize(950, 670));
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    EXPECT_EQ(QApplication::activeWindow(), form.data());
    // Modeless: the host window stays usable.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(host->isEnabled());

    // The host window goes first: the form goes with it and nothing keeps the old window.
    host.reset();
    DeleteClosedForms();
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(hostforms::HostMainWindow(), nullptr);
}

TEST_F(MaxFormTest, AFormMadeBeforeTheHostWindowWasRegisteredShowsOverIt)
{
    QPointer<MaxForm> form = new MaxForm();
    QWidget host;
    hostforms::SetHostMainWindow(&host);
    form->ShowModeless();
    EXPECT_EQ(form->parentWidget(), &host);
    EXPECT_EQ(form->windowType(), Qt::Tool);
    form->close();
    DeleteClosedForms();
    EXPECT_TRUE(form.isNull());
}

TEST_F(MaxFormTest, BorderAndCaptionButtons)
{
    auto form = std::make_unique<MaxForm>();
    form->resize(400, 800);
    form->setMinimumSize(525, 500);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    form->SetMaximizeBox(false);
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    form->resize(600, 700);
    form->SetBorderStyle(hostforms::BorderStyle::FixedDialog);
    EXPECT_EQ(form->minimumSize(), QSize(600, 700));
    EXPECT_EQ(form->maximumSize(), QSize(600, 700));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    form->resize(900, 900);
    EXPECT_EQ(form->size(), QSize(600, 700)) << "a fixed border keeps the size";

    form->SetControlBox(false);
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowTitleHint));

    // Sizable again: the bounds it had before come back.
    form->SetBorderStyle(hostforms::BorderStyle::Sizable);
    EXPECT_EQ(form->minimumSize(), QSize(525, 500));
    EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_EQ(form->windowType(), Qt::Tool);
}

TEST_F(MaxFormTest, ChangingCaptionButtonsKeepsAShownFormShown)
{
    QPointer<MaxForm> form = new MaxForm();
    form->ShowModeless();
    form->SetMaximizeBox(false);
    EXPECT_TRUE(form->isVisible());
    form->close();
}
} // namespace
