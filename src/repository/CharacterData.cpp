#include "repository/CharacterData.h"

#include "repository/AssetMatrixFields.h"
#include "repository/Debug.h"
#include "repository/Fields.h"
#include "repository/RepositoryFiles.h"
#include "repository/RepositoryLayout.h"
#include "repository/Utf16Order.h"

#include "win32/stdlib.h"

#include <initializer_list>
#include <memory>
#include <new>

namespace ZANRET
{
namespace
{

// The messages of one index-checked operation, by step.
struct StepMessages
{
    const wchar_t* indexOutOfRange;
    const wchar_t* noElement;
    const wchar_t* noSubContainer;
};

// Steps 1 and 2 shared by the index-checked operations: the element at the index of the container.
DataContainer* CheckedElement(const DataContainer& container, std::int32_t index,
                              const StepMessages& messages)
{
    if (index >= container.GetChildCount())
    {
        Debug::AddDebugMessage(DEBUG_ERROR, messages.indexOutOfRange);
        return nullptr;
    }
    DataContainer* element = container.GetChild(index);
    if (!element)
        Debug::AddDebugMessage(DEBUG_ERROR, messages.noElement);
    return element;
}

// Step 3 for the cloth operations: the sub-container of the cloth at the index.
DataContainer* CheckedClothChild(const DataContainer& cloth, std::int32_t clothIndex, std::int32_t which,
                                 const StepMessages& messages)
{
    DataContainer* element = CheckedElement(cloth, clothIndex, messages);
    if (!element)
        return nullptr;
    DataContainer* subContainer = element->GetChild(which);
    if (!subContainer)
        Debug::AddDebugMessage(DEBUG_ERROR, messages.noSubContainer);
    return subContainer;
}

DataContainer* AppendNewElement(DataContainer* parent)
{
    auto* element = new DataContainer();
    parent->AddChild(element);
    return element;
}

struct FieldValue
{
    const wchar_t* field;
    const wchar_t* value;
};

void AppendElementWithFields(DataContainer* parent, std::initializer_list<FieldValue> fields)
{
    DataContainer* element = AppendNewElement(parent);
    for (const FieldValue& field : fields)
        element->SetData(field.field, field.value);
}

const StepMessages kAddChildToClothContainer = {
    L"CharacterData::AddChildToClothContainer: index out of range",
    L"CharacterData::AddChildToClothContainer: could not get cloth element",
    L"CharacterData::AddChildToClothContainer: could not get subContainerDC"};
const StepMessages kAddMandatoryElement = {L"CharacterData::AddMandatoryElement: index out of range",
                                           L"CharacterData::AddMandatoryElement: could not get pose element",
                                           nullptr};
const StepMessages kAddMaterialToAsset = {L"CharacterData::AddMaterialToAsset: index out of range",
                                          L"CharacterData::AddMaterialToAsset: could not get asset element",
                                          nullptr};
const StepMessages kAddMaterialToCloth = {
    L"CharacterData::AddMaterialToCloth: index out of range",
    L"CharacterData::AddMaterialToCloth: could not get cloth element",
    L"CharacterData::AddMaterialToCloth: could not get materials element"};
const StepMessages kGetClothChildCount = {L"CharacterData::GetClothChildCount: index out of range",
                                          L"CharacterData::GetClothChildCount: could not get cloth element",
                                          L"CharacterData::GetClothChildCount: could not get subContainerDC"};
const StepMessages kGetClothChildElement = {
    L"CharacterData::GetClothChildElement: clothIndex out of range",
    L"CharacterData::GetClothChildElement: could not get cloth element",
    L"CharacterData::GetClothChildElement: could not get subContainerDC"};
} // namespace

CharacterData::~CharacterData()
{
    // The matrix, the names and the five containers (with all their elements) go with the members.
}

DataContainer* CharacterData::Container(std::int32_t which)
{
    switch (which)
    {
    case SKINS:
        return &skins;
    case CLOTH:
        return &cloth;
    case POSES:
        return &poses;
    case CATEGORIES:
        return &categories;
    case ASSETS:
        return &assets;
    default:
        return nullptr;
    }
}

const DataContainer* CharacterData::Container(std::int32_t which) const
{
    return const_cast<CharacterData*>(this)->Container(which);
}

std::int32_t CharacterData::AddContainerElement(CONTAINER which)
{
    DataContainer* container = Container(which);
    if (!container)
        return -1;
    std::unique_ptr<DataContainer> element(new (std::nothrow) DataContainer());
    if (!element)
        return -1;
    if (which == CLOTH)
    {
        // MATERIAL, EXCLUDE, SELECT, before the cloth joins its list: it is added whole or not at all.
        for (int i = 0; i < 3; ++i)
            AppendNewElement(element.get());
    }
    container->AddChild(element.release());
    return container->GetChildCount() - 1;
}

DataContainer* CharacterData::AddChildToClothContainer(std::int32_t clothIndex, CLOTH_CHILD which)
{
    DataContainer* subContainer = CheckedClothChild(cloth, clothIndex, which, kAddChildToClothContainer);
    return subContainer ? AppendNewElement(subContainer) : nullptr;
}

DataContainer* CharacterData::AddMandatoryElement(std::int32_t poseIndex)
{
    DataContainer* pose = CheckedElement(poses, poseIndex, kAddMandatoryElement);
    return pose ? AppendNewElement(pose) : nullptr;
}

DataContainer* CharacterData::AddMaterialToAsset(std::int32_t assetIndex)
{
    DataContainer* asset = CheckedElement(assets, assetIndex, kAddMaterialToAsset);
    return asset ? AppendNewElement(asset) : nullptr;
}

DataContainer* CharacterData::AddMaterialToCloth(std::int32_t clothIndex)
{
    DataContainer* materials = CheckedClothChild(cloth, clothIndex, MATERIAL, kAddMaterialToCloth);
    return materials ? AppendNewElement(materials) : nullptr;
}

void CharacterData::AddAssetMatrixElement(const DataContainer* source)
{
    if (!source)
        return;
    using namespace AssetMatrixFields;
    bool given[FIELD_COUNT];
    for (int field = 0; field < FIELD_COUNT; ++field)
        given[field] = source->CheckDatafield(kWideNames[field]);
    if (!Announce(given))
        return;
    float values[kValueCount] = {};
    for (int i = 0; i < kValueCount; ++i)
    {
        if (given[XPOS + i])
            values[i] = GetFloatData(kWideNames[XPOS + i], source);
    }
    assetMatrix.Add(Fields::Value(source, kWideNames[POSE_ID]), Fields::Value(source, kWideNames[ASSET_ID]),
                    values);
}

void CharacterData::AddSkin(const wchar_t* id, const wchar_t* name, const wchar_t* preview,
                            const wchar_t* url)
{
    AppendElementWithFields(&skins, {{L"id", id}, {L"name", name}, {L"preview", preview}, {L"url", url}});
}

void CharacterData::AddCloth(const wchar_t* id, const wchar_t* name, const wchar_t* folder,
                             const wchar_t* url)
{
    AppendElementWithFields(&cloth, {{L"id", id}, {L"name", name}, {L"folder", folder}, {L"url", url}});
}

void CharacterData::AddPose(const wchar_t* id, const wchar_t* name, const wchar_t* folder, const wchar_t* url)
{
    AppendElementWithFields(&poses, {{L"id", id}, {L"name", name}, {L"folder", folder}, {L"url", url}});
}

void CharacterData::AddCategory(const wchar_t* id, const wchar_t* name, const wchar_t* selection,
                                const wchar_t* required)
{
    AppendElementWithFields(
        &categories, {{L"id", id}, {L"name", name}, {L"selection", selection}, {L"required", required}});
}

void CharacterData::AddAsset(const wchar_t* id, const wchar_t* name, const wchar_t* type,
                             const wchar_t* folder, const wchar_t* category, const wchar_t* url)
{
    AppendElementWithFields(&assets, {{L"id", id},
                                      {L"name", name},
                                      {L"type", type},
                                      {L"folder", folder},
                                      {L"category", category},
                                      {L"url", url}});
}

void CharacterData::AddAssetMatrixEntry(const wchar_t* poseId, const wchar_t* assetId, float xpos, float ypos,
                                        float zpos, float xrot, float yrot, float zrot)
{
    // A null id is kept as an empty one: lookups never pass an empty id by accident.
    assetMatrix.Add(poseId ? poseId : L"", assetId ? assetId : L"", {xpos, ypos, zpos, xrot, yrot, zrot});
}

void CharacterData::AddAssetMatrixEntries(std::span<const std::wstring> ids,
                                          std::span<const AssetMatrixRecord> records)
{
    assetMatrix.Add(ids, records);
}

std::int32_t CharacterData::GetCount(CONTAINER which) const
{
    const DataContainer* container = Container(which);
    return container ? container->GetChildCount() : 0;
}

DataContainer* CharacterData::GetContainerElement(CONTAINER which, std::int32_t index) const
{
    const DataContainer* container = Container(which);
    return container ? container->GetChild(index) : nullptr;
}

std::int32_t CharacterData::GetClothChildCount(std::int32_t clothIndex, CLOTH_CHILD which) const
{
    const DataContainer* subContainer = CheckedClothChild(cloth, clothIndex, which, kGetClothChildCount);
    return subContainer ? subContainer->GetChildCount() : -1;
}

DataContainer* CharacterData::GetClothChildElement(std::int32_t clothIndex, CLOTH_CHILD which,
                                                   std::int32_t index) const
{
    const DataContainer* subContainer = CheckedClothChild(cloth, clothIndex, which, kGetClothChildElement);
    if (!subContainer)
        return nullptr;
    if (index >= subContainer->GetChildCount())
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"CharacterData::GetClothChildElement: index out of range");
        return nullptr;
    }
    return subContainer->GetChild(index);
}

DataContainer* CharacterData::FindById(const DataContainer* container, const wchar_t* id)
{
    if (!container || !id)
        return nullptr;
    for (std::int32_t i = 0; i < container->GetChildCount(); ++i)
    {
        DataContainer* child = container->GetChild(i);
        if (child && Fields::Same(Fields::Value(child, L"id"), id))
            return child;
    }
    return nullptr;
}

DataContainer* CharacterData::GetSkin(const wchar_t* id) const
{
    return FindById(&skins, id);
}

DataContainer* CharacterData::GetCloth(const wchar_t* id) const
{
    return FindById(&cloth, id);
}

DataContainer* CharacterData::GetPose(const wchar_t* id) const
{
    return FindById(&poses, id);
}

DataContainer* CharacterData::GetAsset(const wchar_t* id) const
{
    return FindById(&assets, id);
}

DataContainer* CharacterData::GetCategoryById(const wchar_t* id) const
{
    return FindById(&categories, id);
}

DataContainer* CharacterData::GetStyle(const wchar_t* clothId, const wchar_t* styleId) const
{
    if (!clothId || !styleId)
        return nullptr;
    const DataContainer* element = FindById(&cloth, clothId);
    if (!element)
        return nullptr;
    return FindById(element->GetChild(MATERIAL), styleId);
}

DataContainer* CharacterData::GetCategory(const DataContainer* asset) const
{
    if (!asset)
        return nullptr;
    bool found = false;
    const wchar_t* category = asset->GetData(L"category", &found);
    if (!found)
    {
        Debug::AddDebugMessage(DEBUG_WARNING, L"CharacterData::GetCategory: invalid asset");
        return nullptr;
    }
    return FindById(&categories, category);
}

bool CharacterData::IsSpecificAsset(const DataContainer* asset)
{
    return asset && Fields::Same(Fields::Value(asset, L"type"), L"specific");
}

bool CharacterData::IsMultipleSelection(const DataContainer* category)
{
    return category && Fields::Same(Fields::Value(category, L"selection"), L"multiple");
}

bool CharacterData::IsRequired(const DataContainer* category)
{
    return category && Fields::Same(Fields::Value(category, L"required"), L"true");
}

std::wstring* CharacterData::ContainerName(std::int32_t which)
{
    switch (which)
    {
    case SKINS:
        return &skinsName;
    case CLOTH:
        return &clothName;
    case POSES:
        return &posesName;
    default:
        return nullptr;
    }
}

const std::wstring* CharacterData::ContainerName(std::int32_t which) const
{
    return const_cast<CharacterData*>(this)->ContainerName(which);
}

const wchar_t* CharacterData::GetContainerName(CONTAINER which) const
{
    const std::wstring* name = ContainerName(which);
    return name ? name->c_str() : nullptr;
}

void CharacterData::SetContainerName(CONTAINER which, const wchar_t* text)
{
    std::wstring* name = ContainerName(which);
    if (name && text)
        name->append(text);
}

void CharacterData::ClearContainerName(CONTAINER which)
{
    if (std::wstring* name = ContainerName(which))
        name->clear();
}

const AssetMatrixElement* CharacterData::FindAssetMatrixElement(const wchar_t* poseId,
                                                                const wchar_t* assetId) const
{
    if (!poseId || !assetId)
        return nullptr;
    return assetMatrix.Find(poseId, assetId);
}

float CharacterData::GetFloatData(const wchar_t* field, const DataContainer* element)
{
    if (!field || !element)
        return 0.0f;
    const wchar_t* value = Fields::Value(element, field);
    return value ? static_cast<float>(_wtof(value)) : 0.0f;
}

void CharacterData::ValidateCloths()
{
    const std::int32_t count = cloth.GetChildCount();
    if (count == 0)
        return;
    // A missing field reads as empty: the preview path then names no file and the cloth goes.
    const wchar_t* folder = Fields::Value(this, L"folder");
    const std::wstring characterFolder = folder ? folder : L"";
    for (std::int32_t i = 0; i < count; ++i)
    {
        DataContainer* element = cloth.GetChild(i);
        const wchar_t* id = Fields::Value(element, L"id");
        const std::wstring preview = RepositoryLayout::ClothPreviewFile(characterFolder, id ? id : L"");
        if (!RepositoryFiles::FileExists(preview))
            element->Invalidate();
    }
    // Deleting a cloth also drops its unique ids and those of its sub-elements from the store.
    cloth.RemoveInvalidChildren();
}

void CharacterData::SortClothsAlphabetically()
{
    const std::int32_t count = cloth.GetChildCount();
    if (count <= 1)
        return;
    auto name = [](const DataContainer* element)
    {
        const wchar_t* value = Fields::Value(element, L"name");
        return std::wstring_view(value ? value : L"");
    };
    bool exchanged = true;
    while (exchanged)
    {
        exchanged = false;
        for (std::int32_t i = 0; i + 1 < count; ++i)
        {
            DataContainer* first = cloth.GetChild(i);
            DataContainer* second = cloth.GetChild(i + 1);
            if (CompareUtf16(name(first), name(second)) > 0)
            {
                cloth.SetChild(i, second);
                cloth.SetChild(i + 1, first);
                exchanged = true;
            }
        }
    }
}
} // namespace ZANRET
