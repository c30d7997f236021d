#pragma once
// The one road by which the plug-in's action and the manager window change the system: loading
// and reloading the repository, turning window picks into the selection, and creating a character.

#include <cstdint>

namespace ZANRET
{
namespace Commands
{
void CallMainWindow();
bool ValidateData();
bool SelectRepositoryFile();
void ReloadRepository();
void ResetRepository();

void SetSelectedCharacterUnique(std::int32_t characterUnique, bool updateGui);
void SetSelectedClothUnique(std::int32_t characterUnique, std::int32_t clothUnique, bool updateGui);
void SetSelectedPose(std::int32_t poseUnique, bool updateGui);
void SetSelectedSkin(std::int32_t skinUnique, bool updateGui);
void SetSelectedStyle(std::int32_t styleUnique, bool updateGui);
void SetSelectedAsset(std::int32_t unique, bool updateGui);
void SetDeselectedAsset(std::int32_t unique, bool updateGui);

void CreateCharacter();
void LoadData();

// True only while SetSelectedPose has the window rebuild its tab pages.
bool IsRebuildingTabs();
} // namespace Commands
} // namespace ZANRET
