#include "MessageLog.h"

#include <gtest/gtest.h>

using namespace ZANRET;

TEST(Debug, MessagesAreDroppedAndTheListStaysEmpty)
{
    Debug::FreeDebugList();
    EXPECT_EQ(Debug::GetDebugList(), nullptr);
    Debug::AddDebugMessage(DEBUG_ERROR, L"before the list");
    Debug::CreateDebugList();
    ASSERT_NE(Debug::GetDebugList(), nullptr);
    Debug::AddDebugMessage(DEBUG_INFO, L"info");
    Debug::AddDebugMessage(DEBUG_WARNING, nullptr);
    EXPECT_TRUE(Debug::GetDebugList()->empty());
    Debug::FreeDebugList();
    Debug::FreeDebugList();
    EXPECT_EQ(Debug::GetDebugList(), nullptr);
    Debug::AddDebugMessage(DEBUG_ERROR, L"after the list");
}

TEST(Debug, HookSeesMessagesUntilItIsEmptied)
{
    {
        MessageLog log;
        Debug::AddDebugMessage(DEBUG_WARNING, L"seen");
        Debug::AddDebugMessage(DEBUG_ERROR, nullptr);
        ASSERT_EQ(log.Messages().size(), 2u);
        EXPECT_TRUE(log.Count(DEBUG_WARNING, L"seen") == 1);
        EXPECT_EQ(log.Messages()[1].text, L"");
    }
    // The log is gone and the hook with it: this must not reach it.
    Debug::AddDebugMessage(DEBUG_INFO, L"dropped");
}

TEST(Debug, HeldMessagesAreDeliveredInOrderOrDropped)
{
    MessageLog log;
    {
        Debug::HeldMessages held;
        Debug::AddDebugMessage(DEBUG_INFO, L"first");
        {
            Debug::HeldMessages inner;
            Debug::AddDebugMessage(DEBUG_WARNING, L"second");
            inner.Deliver(); // to the hold around it
            Debug::AddDebugMessage(DEBUG_INFO, L"third");
        }
        EXPECT_TRUE(log.Messages().empty());
        held.Deliver();
        Debug::AddDebugMessage(DEBUG_ERROR, L"after");
    }
    ASSERT_EQ(log.Messages().size(), 4u);
    EXPECT_EQ(log.Messages()[0].text, L"first");
    EXPECT_EQ(log.Messages()[1].text, L"second");
    EXPECT_EQ(log.Messages()[1].type, DEBUG_WARNING);
    EXPECT_EQ(log.Messages()[2].text, L"third");
    EXPECT_EQ(log.Messages()[3].text, L"after");

    log.Clear();
    {
        Debug::HeldMessages held;
        Debug::AddDebugMessage(DEBUG_INFO, L"dropped");
        held.Drop();
        Debug::AddDebugMessage(DEBUG_INFO, L"given");
        Debug::HeldMessages unfinished;
        Debug::AddDebugMessage(DEBUG_INFO, L"dropped at its end");
    }
    ASSERT_EQ(log.Messages().size(), 1u);
    EXPECT_EQ(log.Messages()[0].text, L"given");
}
