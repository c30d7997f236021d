// Layers and the layer manager.

#include "HostState.h"

#include <algorithm>

namespace hostsdk
{
namespace
{
const MCHAR* const kDefaultLayerName = _M("0");

bool SameName(const MCHAR* a, const MCHAR* b)
{
    return a && b && std::basic_string<MCHAR>(a) == b;
}
} // namespace

BaseInterface* Layer::GetInterface(Interface_ID id)
{
    return id == kLayerPropertiesInterfaceID ? &m_properties : nullptr;
}

std::vector<SceneNode*> Layer::Nodes()
{
    std::vector<SceneNode*> nodes;
    for (SceneNode* n : SceneNodeList())
        if (n->LayerOf() == this)
            nodes.push_back(n);
    return nodes;
}

void LayerProperties::AddNode(INode* node)
{
    if (SceneNode* n = AsSceneNode(node); n && !n->IsRootNode())
        n->SetLayer(m_layer);
}

int LayerProperties::NumberOfNodes()
{
    return static_cast<int>(m_layer->Nodes().size());
}

INode* LayerProperties::GetNode(int i)
{
    const auto nodes = m_layer->Nodes();
    return i >= 0 && i < static_cast<int>(nodes.size()) ? nodes[static_cast<size_t>(i)] : nullptr;
}

ILayer* LayerManager::FindLayer(const MCHAR* name)
{
    for (auto& layer : m_layers)
        if (SameName(layer->GetName(), name))
            return layer.get();
    return nullptr;
}

void LayerManager::Insert(const std::shared_ptr<Layer>& layer, size_t at)
{
    m_layers.insert(m_layers.begin() + static_cast<std::ptrdiff_t>(std::min(at, m_layers.size())), layer);
}

ILayer* LayerManager::CreateLayer(const MCHAR* name)
{
    if (!name || !*name || FindLayer(name))
        return nullptr;
    auto layer = std::make_shared<Layer>(name);
    m_retired.push_back(layer);
    const size_t at = m_layers.size();
    Insert(layer, at);
    theHold.Put([this, layer]
                { m_layers.erase(std::remove(m_layers.begin(), m_layers.end(), layer), m_layers.end()); },
                [this, layer, at] { Insert(layer, at); });
    return layer.get();
}

BOOL LayerManager::DeleteLayer(const MCHAR* name)
{
    for (size_t i = 0; i < m_layers.size(); ++i)
    {
        auto layer = m_layers[i];
        if (!SameName(layer->GetName(), name))
            continue;
        if (i == 0 || !layer->Nodes().empty())
            return FALSE;
        m_layers.erase(m_layers.begin() + static_cast<std::ptrdiff_t>(i));
        theHold.Put([this, layer, i] { Insert(layer, i); },
                    [this, layer] {
                        m_layers.erase(std::remove(m_layers.begin(), m_layers.end(), layer), m_layers.end());
                    });
        return TRUE;
    }
    return FALSE;
}

ILayer* LayerManager::GetLayer(int i)
{
    return i >= 0 && i < GetLayerCount() ? m_layers[static_cast<size_t>(i)].get() : nullptr;
}

Layer* LayerManager::DefaultLayer()
{
    if (m_layers.empty())
        Reset();
    return m_layers.front().get();
}

void LayerManager::Reset()
{
    m_layers.clear();
    m_retired.clear();
    auto layer = std::make_shared<Layer>(kDefaultLayerName);
    m_retired.push_back(layer);
    m_layers.push_back(layer);
}
} // namespace hostsdk

ILayerManager* hostsdk::HostInterface::GetLayerManager()
{
    HostState& s = State();
    return s.layerManagerAvailable ? &s.layers : nullptr;
}
