#pragma once
// Every path formed below the repository folder and below a character folder, in one place.
// Pieces are joined exactly as written: no separator is added, removed or tested, so a path may
// hold two backslashes in a row, which the file-system stand-ins read as one separator.
// Arguments must not be null.

#include <string>
#include <string_view>

namespace ZANRET::RepositoryLayout
{
// True when path names the repository folder or a place below it, however either is spelled. Both
// are compared segment by segment: "\" and "/" both separate, a run of them counts as one, empty
// and "." segments count for nothing, and names compare exactly. The path must begin with the
// repository path's segments, as written or with each ".." of the repository path taking back the
// segment before it; after them a ".." takes back a segment too, but none may climb above the
// repository folder, not even on a way back in. A path that begins with a separator lies only in a
// repository path that does, and the other way round. An empty repository path holds nothing.
bool StaysInRepository(std::wstring_view repositoryPath, std::wstring_view path);

// <repository path>\zanret.xml
std::wstring CatalogueFile(std::wstring_view repositoryPath);
// <repository path>\<folder attribute>: the character's "folder" field
std::wstring CharacterFolder(std::wstring_view repositoryPath, std::wstring_view folderAttribute);
// <repository path>\<folder attribute>\previews
std::wstring CharacterPreviewsFolder(std::wstring_view repositoryPath, std::wstring_view folderAttribute);
// <repository path>\<folder attribute>\skin
std::wstring CharacterSkinFolder(std::wstring_view repositoryPath, std::wstring_view folderAttribute);
// <character folder>\<element folder>: the folder of a cloth, pose or asset
std::wstring ElementFolder(std::wstring_view characterFolder, std::wstring_view elementFolder);
// <character folder>\previews\preview_<cloth id>.png
std::wstring ClothPreviewFile(std::wstring_view characterFolder, std::wstring_view clothId);
// <repository path>\global_assets\<global asset folder>
std::wstring GlobalAssetFolder(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder);
// <character folder>\maps\ (the character's "generalTextureFolder")
std::wstring GeneralTextureFolder(std::wstring_view characterFolder);
// <repository path>maps\ (the character's "globalMaps"; a backslash is put in only when the
// repository path does not end with a separator)
std::wstring GlobalMapsFolder(std::wstring_view repositoryPath);
// <character folder>\<pose folder>\pose.vrmesh
std::wstring PoseMeshFile(std::wstring_view characterFolder, std::wstring_view poseFolder);
// <character folder>\<cloth folder>\<cloth id>_<pose id>.vrmesh
std::wstring ClothMeshFile(std::wstring_view characterFolder, std::wstring_view clothFolder,
                           std::wstring_view clothId, std::wstring_view poseId);
// <character folder>\<asset folder>\asset.vrmesh
std::wstring AssetMeshFile(std::wstring_view characterFolder, std::wstring_view assetFolder);
// <character folder>\<asset folder>\<pose id>.vrmesh (a "specific" asset)
std::wstring SpecificAssetMeshFile(std::wstring_view characterFolder, std::wstring_view assetFolder,
                                   std::wstring_view poseId);
// <repository path>\global_assets\<global asset folder>\asset.vrmesh
std::wstring GlobalAssetMeshFile(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder);
// <character folder>\skin\skin.mat
std::wstring SkinLibraryFile(std::wstring_view characterFolder);
// <character folder>\<cloth folder>\materials.mat
std::wstring ClothLibraryFile(std::wstring_view characterFolder, std::wstring_view clothFolder);
// <character folder>\<asset folder>\materials.mat
std::wstring AssetLibraryFile(std::wstring_view characterFolder, std::wstring_view assetFolder);
// <repository path>\global_assets\<global asset folder>\materials.mat
std::wstring GlobalAssetLibraryFile(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder);
// <character folder>\materials.mat: first fallback library of character materials
std::wstring CharacterMaterialsLibraryFile(std::wstring_view characterFolder);
// <character folder>\props.mat: second fallback library of character materials
std::wstring CharacterPropsLibraryFile(std::wstring_view characterFolder);
// <repository path>\global_assets\materials.mat: fallback library of global-asset materials
std::wstring GlobalAssetsLibraryFile(std::wstring_view repositoryPath);
// <globalMaps><file name><extension>: new path of a library texture
std::wstring RepointedTextureFile(std::wstring_view globalMaps, std::wstring_view fileName,
                                  std::wstring_view extension);
// <repository path>\overlay110x330.png: over the picture of a cloth that is not available
std::wstring ClothOverlayFile(std::wstring_view repositoryPath);
// <repository path>\overlay100x300.png: over the picture of an element that is not available
std::wstring ElementOverlayFile(std::wstring_view repositoryPath);
// <character folder>\previews\<cloth id>_<pose id>.png
std::wstring PosePreviewFile(std::wstring_view characterFolder, std::wstring_view clothId,
                             std::wstring_view poseId);
// <character folder>\skin\<skin preview>
std::wstring SkinPreviewFile(std::wstring_view characterFolder, std::wstring_view skinPreview);
// <character folder>\<cloth folder>\<material preview>
std::wstring ClothMaterialPreviewFile(std::wstring_view characterFolder, std::wstring_view clothFolder,
                                      std::wstring_view materialPreview);
// <character folder>\<asset folder>\preview.png
std::wstring AssetPreviewFile(std::wstring_view characterFolder, std::wstring_view assetFolder);
// <repository path>\global_assets\<global asset folder>\preview.png
std::wstring GlobalAssetPreviewFile(std::wstring_view repositoryPath, std::wstring_view globalAssetFolder);
// <character folder>\<asset folder>\<material preview>
std::wstring AssetMaterialPreviewFile(std::wstring_view characterFolder, std::wstring_view assetFolder,
                                      std::wstring_view materialPreview);
// <repository path>\global_assets\<global asset folder>\<material preview>
std::wstring GlobalAssetMaterialPreviewFile(std::wstring_view repositoryPath,
                                            std::wstring_view globalAssetFolder,
                                            std::wstring_view materialPreview);
} // namespace ZANRET::RepositoryLayout
