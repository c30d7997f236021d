#include "repository/DataContainer.h"
#include "MessageLog.h"
#include "repository/CharacterData.h"

#include <gtest/gtest.h>

using namespace ZANRET;

namespace
{
// Counts its destructions, to see which children were deleted.
class Tracked : public DataContainer
{
public:
    explicit Tracked(int& deaths) : m_deaths(deaths) {}
    ~Tracked() override { ++m_deaths; }

private:
    int& m_deaths;
};

class TrackedCharacter : public CharacterData
{
public:
    explicit TrackedCharacter(int& deaths) : m_deaths(deaths) {}
    ~TrackedCharacter() override { ++m_deaths; }

private:
    int& m_deaths;
};
} // namespace

TEST(DataContainer, NewElementIsEmptyValidAndUntyped)
{
    DataContainer element;
    EXPECT_TRUE(element.IsValid());
    EXPECT_EQ(element.GetType(), 0);
    EXPECT_EQ(element.GetChildCount(), 0);
    EXPECT_EQ(element.GetDataCount(), 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(element.GetFastFlag(i));
    EXPECT_FALSE(element.CheckDatafield(L"id"));
    EXPECT_FALSE(element.CheckDatafield(L""));
}

TEST(DataContainer, ChildIndicesAndNullArguments)
{
    CleanModel clean;
    MessageLog log;
    DataContainer parent;
    EXPECT_FALSE(parent.AddChild(nullptr));
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"AddChild: invalid argument child"));
    auto* child = new DataContainer();
    ASSERT_TRUE(parent.AddChild(child));
    log.Clear();

    EXPECT_EQ(parent.GetChild(-1), nullptr);
    EXPECT_TRUE(log.Messages().empty());
    EXPECT_EQ(parent.GetChild(1), nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"GetChild: index out of range"));
    EXPECT_EQ(parent.GetChild(0), child);
    log.Clear();

    EXPECT_FALSE(parent.SetChild(-1, child));
    EXPECT_TRUE(log.Messages().empty());
    EXPECT_FALSE(parent.SetChild(1, child));
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"SetChild: index out of range"));
    log.Clear();
    // A null entry would be skipped by nothing later; it is refused and the slot kept.
    EXPECT_FALSE(parent.SetChild(0, nullptr));
    EXPECT_EQ(log.CountOfType(DEBUG_ERROR), 1);
    EXPECT_EQ(parent.GetChild(0), child);
}

TEST(DataContainer, FieldsAreExactAndReplaced)
{
    CleanModel clean;
    MessageLog log;
    DataContainer element;
    bool found = true;
    EXPECT_EQ(element.GetData(L"id", &found), nullptr);
    EXPECT_FALSE(found);
    ASSERT_EQ(log.Messages().size(), 2u);
    EXPECT_EQ(log.Messages()[0].type, DEBUG_WARNING);
    EXPECT_EQ(log.Messages()[0].text, L"Missing datafield:");
    EXPECT_EQ(log.Messages()[1].type, DEBUG_WARNING);
    EXPECT_EQ(log.Messages()[1].text, L"id");
    log.Clear();

    element.SetData(L"Name", L"");
    EXPECT_STREQ(element.GetData(L"Name", &found), L"");
    EXPECT_TRUE(found);
    element.SetData(L"Name", L"Anna");
    EXPECT_EQ(element.GetDataCount(), 1);
    EXPECT_STREQ(element.GetData(L"Name", &found), L"Anna");
    EXPECT_FALSE(element.CheckDatafield(L"name"));
    EXPECT_TRUE(log.Messages().empty());

    element.SetData(L"Name", nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"SetData: invalida argument data"));
    EXPECT_STREQ(element.GetData(L"Name", &found), L"Anna");
    log.Clear();
    element.SetData(nullptr, nullptr);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"SetData: invalida argument field"));
    log.Clear();
    EXPECT_EQ(element.GetData(nullptr, &found), nullptr);
    EXPECT_FALSE(found);
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"GetData: invalida argument field"));
    log.Clear();
    EXPECT_FALSE(element.CheckDatafield(nullptr));
    EXPECT_TRUE(log.Only(DEBUG_ERROR, L"CheckDatafield: invalida argument field"));
    EXPECT_EQ(element.GetDataCount(), 1);
}

TEST(DataContainer, FlagsAndType)
{
    CleanModel clean;
    MessageLog log;
    DataContainer element;
    element.SetFastFlag(0, true);
    EXPECT_TRUE(element.GetFastFlag(0));
    EXPECT_FALSE(element.GetFastFlag(5));
    EXPECT_TRUE(log.Only(DEBUG_WARNING, L"DataContainer::GetFastFlag : flag out of range!"));
    log.Clear();
    element.SetFastFlag(5, true);
    EXPECT_TRUE(log.Only(DEBUG_WARNING, L"DataContainer::SetFastFlag : flag out of range!"));
    // Negative indices touch nothing either.
    element.SetFastFlag(-1, true);
    EXPECT_FALSE(element.GetFastFlag(-1));
    for (int i = 1; i < 5; ++i)
        EXPECT_FALSE(element.GetFastFlag(i));
    log.Clear();

    element.SetType(3);
    element.SetType(4);
    EXPECT_EQ(element.GetType(), 3);
    EXPECT_TRUE(log.Only(DEBUG_WARNING, L"SetType: type already set"));
    log.Clear();
    DataContainer other;
    other.SetType(0);
    other.SetType(4);
    EXPECT_EQ(other.GetType(), 4);
    EXPECT_TRUE(log.Messages().empty());
}

TEST(DataContainer, RemoveInvalidChildrenKeepsOrderAndDeletesSubtrees)
{
    int deaths = 0;
    DataContainer parent;
    Tracked* children[4];
    for (auto*& child : children)
    {
        child = new Tracked(deaths);
        parent.AddChild(child);
    }
    children[1]->AddChild(new Tracked(deaths));
    children[1]->Invalidate();
    children[3]->Invalidate();
    parent.RemoveInvalidChildren();
    EXPECT_EQ(deaths, 3);
    ASSERT_EQ(parent.GetChildCount(), 2);
    EXPECT_EQ(parent.GetChild(0), children[0]);
    EXPECT_EQ(parent.GetChild(1), children[2]);

    parent.RemoveInvalidChildren();
    EXPECT_EQ(parent.GetChildCount(), 2);
    children[0]->Invalidate();
    children[2]->Invalidate();
    parent.RemoveInvalidChildren();
    EXPECT_EQ(parent.GetChildCount(), 0);
    EXPECT_EQ(deaths, 5);
}

TEST(DataContainer, DeletingThroughTheBaseRunsTheRealDestructor)
{
    int deaths = 0;
    {
        DataContainer parent;
        parent.AddChild(new TrackedCharacter(deaths));
    }
    EXPECT_EQ(deaths, 1);
}

TEST(DataContainer, TypeKind)
{
    CleanModel clean;
    MessageLog log;
    DataContainer element;
    EXPECT_EQ(GetTypeKind(nullptr), 0);
    EXPECT_EQ(GetTypeKind(&element), 0);
    EXPECT_EQ(log.Count(DEBUG_WARNING, L"Missing datafield:"), 1);
    element.SetData(L"type", L"common");
    EXPECT_EQ(GetTypeKind(&element), 2);
    element.SetData(L"type", L"specific");
    EXPECT_EQ(GetTypeKind(&element), 1);
    element.SetData(L"type", L"Common");
    EXPECT_EQ(GetTypeKind(&element), 0);
    element.SetData(L"type", L"global");
    EXPECT_EQ(GetTypeKind(&element), 0);
}
