#include <hostforms/LinkOpener.h>
#include <hostforms/LinkRecorder.h>

#include <QStringList>

#include <gtest/gtest.h>

namespace
{
TEST(LinkOpenerTest, TheRecorderTakesEveryAddressAndOpensNothing)
{
    QStringList before;
    hostforms::LinkOpener previous =
        hostforms::SetLinkOpener([&before](const QString& url) { before.append(url); });
    {
        hostforms::LinkRecorder recorder;
        hostforms::OpenLink(QStringLiteral("https://shop.example.com/?p=1&gid=cloth_a"));
        hostforms::OpenLink(QString());
        hostforms::OpenLink(QStringLiteral("https://shop.example.com/"));
        EXPECT_EQ(recorder.Links(), QStringList({QStringLiteral("https://shop.example.com/?p=1&gid=cloth_a"),
                                                 QStringLiteral("https://shop.example.com/")}))
            << "in order, the empty address left out";
        recorder.Clear();
        EXPECT_TRUE(recorder.Links().isEmpty());
    }
    EXPECT_TRUE(before.isEmpty());

    // The recorder gone, the opener installed before it is back.
    hostforms::OpenLink(QStringLiteral("x"));
    EXPECT_EQ(before, QStringList({QStringLiteral("x")}));

    EXPECT_FALSE(previous) << "the desktop's handler is the default";
    hostforms::SetLinkOpener(previous);
}
} // namespace
