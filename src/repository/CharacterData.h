#pragma once
// One character of the repository: its own fields (in the base), five element lists, the display
// names of three of them, and the asset matrix.

#include "repository/AssetMatrix.h"
#include "repository/AssetMatrixElement.h"
#include "repository/DataContainer.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ZANRET
{
class CharacterData : public DataContainer
{
public:
    enum CONTAINER : std::int32_t
    {
        SKINS = 0,
        CLOTH = 1,
        POSES = 2,
        CATEGORIES = 3,
        ASSETS = 4,
    };
    // The three children of every cloth made by AddContainerElement.
    enum CLOTH_CHILD : std::int32_t
    {
        MATERIAL = 0,
        EXCLUDE = 1,
        SELECT = 2,
    };

    CharacterData() = default;
    ~CharacterData() override;

    // Adders of the catalogue reader. Element results are borrowed.
    std::int32_t AddContainerElement(CONTAINER which);
    DataContainer* AddChildToClothContainer(std::int32_t clothIndex, CLOTH_CHILD which);
    DataContainer* AddMandatoryElement(std::int32_t poseIndex);
    DataContainer* AddMaterialToAsset(std::int32_t assetIndex);
    DataContainer* AddMaterialToCloth(std::int32_t clothIndex);
    void AddAssetMatrixElement(const DataContainer* source);

    // Explicit adders; they document the element fields.
    void AddSkin(const wchar_t* id, const wchar_t* name, const wchar_t* preview, const wchar_t* url);
    void AddCloth(const wchar_t* id, const wchar_t* name, const wchar_t* folder, const wchar_t* url);
    void AddPose(const wchar_t* id, const wchar_t* name, const wchar_t* folder, const wchar_t* url);
    void AddCategory(const wchar_t* id, const wchar_t* name, const wchar_t* selection,
                     const wchar_t* required);
    void AddAsset(const wchar_t* id, const wchar_t* name, const wchar_t* type, const wchar_t* folder,
                  const wchar_t* category, const wchar_t* url);
    void AddAssetMatrixEntry(const wchar_t* poseId, const wchar_t* assetId, float xpos, float ypos,
                             float zpos, float xrot, float yrot, float zrot);
    // Entries as AddAssetMatrixEntry of each would append them; each record names its pose and
    // asset by their places in ids (the reader's way of handing over a whole section).
    void AddAssetMatrixEntries(std::span<const std::wstring> ids, std::span<const AssetMatrixRecord> records);

    // Access by index.
    std::int32_t GetCount(CONTAINER which) const;
    DataContainer* GetContainerElement(CONTAINER which, std::int32_t index) const;
    std::int32_t GetClothChildCount(std::int32_t clothIndex, CLOTH_CHILD which) const;
    DataContainer* GetClothChildElement(std::int32_t clothIndex, CLOTH_CHILD which, std::int32_t index) const;

    // Lookups by id: the first match in list order, or null.
    DataContainer* GetSkin(const wchar_t* id) const;
    DataContainer* GetCloth(const wchar_t* id) const;
    DataContainer* GetPose(const wchar_t* id) const;
    DataContainer* GetAsset(const wchar_t* id) const;
    DataContainer* GetCategoryById(const wchar_t* id) const;
    DataContainer* GetStyle(const wchar_t* clothId, const wchar_t* styleId) const;
    DataContainer* GetCategory(const DataContainer* asset) const;
    static DataContainer* FindById(const DataContainer* container, const wchar_t* id);

    static bool IsSpecificAsset(const DataContainer* asset);
    static bool IsMultipleSelection(const DataContainer* category);
    static bool IsRequired(const DataContainer* category);

    // Display names of the skins, cloth and poses lists; null (or no change) for other values.
    const wchar_t* GetContainerName(CONTAINER which) const;
    void SetContainerName(CONTAINER which, const wchar_t* name);
    // Empties the display name, so that the next SetContainerName replaces it.
    void ClearContainerName(CONTAINER which);

    // Borrowed; valid as long as the character.
    const AssetMatrixElement* FindAssetMatrixElement(const wchar_t* poseId, const wchar_t* assetId) const;
    static float GetFloatData(const wchar_t* field, const DataContainer* element);

    // Cloth maintenance after reading: drop cloths without a preview picture, then sort by name.
    void ValidateCloths();
    void SortClothsAlphabetically();

    // Asset offering rules (they read the store and the current selection).
    void GetAssetsForCategory(std::vector<DataContainer*>* list, const DataContainer* category) const;
    static bool IsExcludedByCloth(const DataContainer* cloth, const DataContainer* asset);
    static bool CheckAssetStyleForClothSelection(const CharacterData* character, const DataContainer* asset,
                                                 const DataContainer* material);
    bool GetAssetAndMaterial(std::int32_t unique, DataContainer** asset, DataContainer** material) const;
    DataContainer* GetLocalAssetForGlobal(const DataContainer* globalAsset) const;
    DataContainer* GetCategoryForGlobalAsset(const DataContainer* globalAsset) const;
    DataContainer* ResolveAsset(const DataContainer* element) const;

private:
    DataContainer* Container(std::int32_t which);
    const DataContainer* Container(std::int32_t which) const;
    std::wstring* ContainerName(std::int32_t which);
    const std::wstring* ContainerName(std::int32_t which) const;
    DataContainer* SelectedCloth() const;

    DataContainer skins;
    DataContainer cloth;
    DataContainer poses;
    DataContainer categories;
    DataContainer assets;
    std::wstring skinsName;
    std::wstring posesName;
    std::wstring clothName;
    AssetMatrix assetMatrix;
};
} // namespace ZANRET
