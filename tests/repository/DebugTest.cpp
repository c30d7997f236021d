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
