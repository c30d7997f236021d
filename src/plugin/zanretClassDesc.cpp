#include "plugin/zanretClassDesc.h"

#include "plugin/DllEntry.h"
#include "plugin/ZANRETActionTable.h"
#include "plugin/zanret.h"

namespace
{
constexpr int kClassNameString = 3;
constexpr int kCategoryString = 2;
} // namespace

void* zanretClassDesc::Create(BOOL)
{
    return new zanret();
}

const MCHAR* zanretClassDesc::ClassName()
{
    return GetString(kClassNameString);
}

const MCHAR* zanretClassDesc::Category()
{
    return GetString(kCategoryString);
}

ActionTable* zanretClassDesc::GetActionTable(int)
{
    return ZANRET::CreateActionTable();
}

HINSTANCE zanretClassDesc::HInstance()
{
    return hInstance;
}

ClassDesc2* GetZanretClassDesc()
{
    static zanretClassDesc desc;
    return &desc;
}
