#pragma once
// The page of one asset category: one element per offered asset, or per material of an asset with
// materials. While it fills it chooses the first element of a required category and what the
// selected outfit's select list names; the category's rules are the command layer's.

#include "ui/MainWindowGeneralPage.h"

#include <QString>

#include <string>
#include <vector>

namespace ZANRET
{
class CharacterData;
class DataContainer;

class MainWindowGenericTab : public MainWindowGeneralPage
{
public:
    void SelectedElement(std::int32_t unique) override;
    void UnselectElement(std::int32_t unique) override;

    void SetCategoryInfo(bool multiple, bool required);
    // The assets are borrowed for the fill only.
    void FillAssets(const std::vector<DataContainer*>* assets, CharacterData* character);
    void HandleAssetStyles(DataContainer* asset, CharacterData* character, bool available,
                           const QString& url);
    void MakeElement(const std::wstring& preview, const QString& text, std::int32_t unique, bool available,
                     const QString& url);

    bool IsRequired() const { return m_required; }
    bool IsMultiple() const { return m_multiple; }

private:
    bool m_required = false;
    bool m_multiple = false;
    std::int32_t m_elementCount = 0;
};
} // namespace ZANRET
