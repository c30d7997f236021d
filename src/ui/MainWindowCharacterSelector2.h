#pragma once
// The tree of available characters, each with its available outfits. Picking a node chooses that
// character or outfit through the commands.

#include <cstdint>
#include <unordered_map>

class QTreeWidget;
class QTreeWidgetItem;

namespace hostforms
{
class MaxForm;
}

namespace ZANRET
{
class CharacterData;

class MainWindowCharacterSelector2
{
public:
    MainWindowCharacterSelector2() = default;
    ~MainWindowCharacterSelector2();
    MainWindowCharacterSelector2(const MainWindowCharacterSelector2&) = delete;
    MainWindowCharacterSelector2& operator=(const MainWindowCharacterSelector2&) = delete;

    // Makes the tree in the form and fills it from the repository.
    void CreateSelektor(hostforms::MaxForm* parent);
    // Replaces the tree by a new one, filled afresh.
    void Rebuild(hostforms::MaxForm* parent);
    void InitSelector();
    void CreateClothNodes(QTreeWidgetItem* node, CharacterData* character);
    // Nothing to do: the tree keeps its own highlight.
    void UpdateSelection() {}

    QTreeWidget* TreeView() const { return m_treeView; }

private:
    void AterSelect();
    void OnClick();
    void MouseMove();
    void DestroyTree();

    QTreeWidget* m_treeView = nullptr;
    // The unique ids behind the nodes, by level.
    std::unordered_map<const QTreeWidgetItem*, std::int32_t> m_characterUniques;
    std::unordered_map<const QTreeWidgetItem*, std::int32_t> m_clothUniques;
};
} // namespace ZANRET
