#include <hostforms/Anchor.h>
#include <hostforms/MaxForm.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using hostforms::Anchor;
using hostforms::MaxForm;

namespace
{
// A shown form at the base size of the manager window, deleted with its controls at the end.
class AnchorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = new MaxForm();
        form->resize(950, 670);
        form->show();
    }
    void TearDown() override
    {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* Control(QRect geometry, hostforms::Anchors anchors)
    {
        auto* control = new QWidget();
        control->setGeometry(geometry);
        form->AddControl(control, anchors);
        return control;
    }

    QPointer<MaxForm> form;
};

TEST_F(AnchorTest, ControlsFollowTheirEdgesWhenTheFormIsResized)
{
    QWidget* fixed = Control({12, 37, 155, 49}, hostforms::DefaultAnchors);
    QWidget* stretched = Control({185, 95, 732, 520}, hostforms::AllAnchors);
    QWidget* topRight = Control({785, 37, 132, 50}, Anchor::Top | Anchor::Right);
    QWidget* widening = Control({185, 37, 600, 50}, Anchor::Top | Anchor::Left | Anchor::Right);
    QWidget* tall = Control({12, 95, 155, 520}, Anchor::Top | Anchor::Bottom | Anchor::Left);
    QWidget* bottomRight = Control({800, 600, 100, 30}, Anchor::Bottom | Anchor::Right);
    QWidget* centred = Control({400, 300, 150, 70}, Anchor::None);

    form->resize(1200, 800);

    EXPECT_EQ(fixed->geometry(), QRect(12, 37, 155, 49));
    EXPECT_EQ(stretched->geometry(), QRect(185, 95, 982, 650));
    EXPECT_EQ(topRight->geometry(), QRect(1035, 37, 132, 50));
    EXPECT_EQ(widening->geometry(), QRect(185, 37, 850, 50));
    EXPECT_EQ(tall->geometry(), QRect(12, 95, 155, 650));
    EXPECT_EQ(bottomRight->geometry(), QRect(1050, 730, 100, 30));
    EXPECT_EQ(centred->geometry(), QRect(525, 365, 150, 70));

    // Back to the base size: every control is where it was built.
    form->resize(950, 670);
    EXPECT_EQ(stretched->geometry(), QRect(185, 95, 732, 520));
    EXPECT_EQ(topRight->geometry(), QRect(785, 37, 132, 50));
    EXPECT_EQ(bottomRight->geometry(), QRect(800, 600, 100, 30));
    EXPECT_EQ(centred->geometry(), QRect(400, 300, 150, 70));

    // Smaller than the distances allow: a stretched control shrinks to nothing, never below.
    form->resize(525, 500);
    EXPECT_EQ(stretched->geometry(), QRect(185, 95, 307, 350));
    form->resize(100, 100);
    EXPECT_EQ(stretched->geometry().size(), QSize(0, 0));
    EXPECT_EQ(topRight->geometry().topLeft(), QPoint(-65, 37));
    form->resize(950, 670);
    EXPECT_EQ(stretched->geometry(), QRect(185, 95, 732, 520));
    EXPECT_EQ(hostforms::GetAnchor(topRight), Anchor::Top | Anchor::Right);
}

TEST_F(AnchorTest, GeometrySetByCodeIsWhereTheControlGoesOnFrom)
{
    QWidget* stretched = Control({185, 95, 735, 525}, hostforms::AllAnchors);
    form->resize(1000, 700);
    EXPECT_EQ(stretched->geometry(), QRect(185, 95, 785, 555));

    // As the tab control does on resize: the width is set from the form's width.
    stretched->resize(1000 - 217, 700 - 146);
    form->resize(1100, 750);
    EXPECT_EQ(stretched->geometry(), QRect(185, 95, 883, 604));

    // A rebuild at the base size: a control made meanwhile is stretched when the size comes back.
    form->resize(950, 670);
    QWidget* rebuilt = Control({185, 95, 732, 520}, hostforms::AllAnchors);
    form->resize(1100, 750);
    EXPECT_EQ(rebuilt->geometry(), QRect(185, 95, 882, 600));
}

TEST_F(AnchorTest, HiddenRemovedAndMovedAwayControlsAreHandled)
{
    QWidget* hidden = new QWidget();
    hidden->setGeometry(785, 37, 132, 50);
    hidden->hide();
    form->AddControl(hidden, Anchor::Top | Anchor::Right);
    EXPECT_TRUE(hidden->isHidden()) << "a control hidden by code stays hidden";
    QWidget* shown = Control({10, 10, 20, 20}, hostforms::DefaultAnchors);
    EXPECT_TRUE(shown->isVisible());

    QWidget* removed = Control({185, 95, 732, 520}, hostforms::AllAnchors);
    QWidget* movedAway = Control({185, 95, 732, 520}, hostforms::AllAnchors);
    QWidget elsewhere;
    movedAway->setParent(&elsewhere);
    delete removed;

    form->resize(1050, 670);
    EXPECT_EQ(hidden->geometry(), QRect(885, 37, 132, 50));
    EXPECT_EQ(movedAway->geometry(), QRect(185, 95, 732, 520));
    EXPECT_EQ(hostforms::GetAnchor(movedAway), hostforms::DefaultAnchors);

    QWidget orphan;
    EXPECT_FALSE(hostforms::SetAnchor(&orphan, hostforms::AllAnchors));
    EXPECT_FALSE(hostforms::SetAnchor(nullptr, hostforms::AllAnchors));
}

TEST(AnchorHiddenFormTest, AFormBuiltBeforeItIsShownLaysOutWhenShown)
{
    auto form = std::make_unique<MaxForm>();
    form->resize(950, 670);
    auto* button = new QWidget();
    button->setGeometry(785, 37, 132, 50);
    form->AddControl(button, Anchor::Top | Anchor::Right);
    form->resize(1050, 700);
    form->show();
    EXPECT_EQ(button->geometry(), QRect(885, 37, 132, 50));
}

TEST_F(AnchorTest, AnchoringWorksInsideAnyContainer)
{
    QWidget* panel = Control({185, 95, 732, 520}, hostforms::AllAnchors);
    auto* inner = new QWidget(panel);
    inner->setGeometry(10, 10, 712, 500);
    ASSERT_TRUE(hostforms::SetAnchor(inner, hostforms::AllAnchors));

    form->resize(1050, 770);
    EXPECT_EQ(panel->geometry(), QRect(185, 95, 832, 620));
    EXPECT_EQ(inner->geometry(), QRect(10, 10, 812, 600));
}
} // namespace
