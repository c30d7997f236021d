// The host's object classes: the character helper and the proxy mesh.

#include "Objects.h"

#include "HostState.h"

#include "win32/path.h"

#include <fstream>
#include <sstream>

namespace hostsdk
{
HelperObject::HelperObject() : m_block(this)
{
    m_block.DefineParam(0, TYPE_FLOAT);
}

Box3 HelperObject::GetLocalBounds(TimeValue)
{
    return Box3(); // no extent: never hit, bounds are its pivot
}

ProxyMeshObject::ProxyMeshObject() : m_block(this)
{
    m_block.DefineParam(kPathParam, TYPE_STRING);
    m_block.DefineParam(1, TYPE_INT);
    m_block.DefineParam(2, TYPE_FLOAT);
}

void ProxyMeshObject::ParameterChanged(ParamID id)
{
    if (id != kPathParam)
        return;
    m_loaded = false;
    State().sceneBvh.ObjectChanged(this);
}

const TriangleMesh& ProxyMeshObject::Mesh()
{
    if (m_loaded)
        return m_mesh;
    m_loaded = true;
    m_fromFile = false;
    const MCHAR* path = m_block.GetStr(kPathParam);
    const std::wstring wide = ToWide(path);
    std::ifstream file(win32::NativePath(wide), std::ios::binary);
    if (!wide.empty() && file)
    {
        std::ostringstream text;
        text << file.rdbuf();
        if (!file.bad() && ParseObjMesh(text.str(), m_mesh))
        {
            m_fromFile = true;
            return m_mesh;
        }
    }
    m_mesh = PlaceholderBox();
    return m_mesh;
}

int ProxyMeshObject::IntersectRay(TimeValue, Ray& r, float& at, Point3& norm)
{
    const TriangleMesh& mesh = Mesh();
    return mesh.Intersect(r, at, norm) ? 1 : 0;
}

Box3 ProxyMeshObject::GetLocalBounds(TimeValue)
{
    return Mesh().bounds;
}

bool ProxyMeshObject::LoadedFromFile()
{
    Mesh();
    return m_fromFile;
}

bool IsProxyMesh(Object* obj)
{
    return dynamic_cast<ProxyMeshObject*>(obj) != nullptr;
}

bool ProxyLoadedFromFile(Object* obj)
{
    auto* proxy = dynamic_cast<ProxyMeshObject*>(obj);
    return proxy && proxy->LoadedFromFile();
}

int ProxyTriangleCount(Object* obj)
{
    auto* proxy = dynamic_cast<ProxyMeshObject*>(obj);
    return proxy ? static_cast<int>(proxy->Mesh().triangles.size()) : 0;
}
} // namespace hostsdk
