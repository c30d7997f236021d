#pragma once
// The host's object classes.

#include "hostsdk/Object.h"

#include "ParamBlockImpl.h"
#include "TriangleMesh.h"

namespace hostsdk
{
// The helper (0x1999, 0) that parents a character: no geometry; parameter 0 is a float.
class HelperObject final : public Object
{
public:
    HelperObject();
    Class_ID ClassID() override { return kHelperClassID; }
    SClass_ID SuperClassID() override { return HELPER_CLASS_ID; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? &m_block : nullptr; }
    Box3 GetLocalBounds(TimeValue t) override;

private:
    ParamBlock m_block;
};

// The proxy mesh: parameter 0 the mesh file (OBJ text), 1 an integer, 2 a float. The file is read
// when the mesh is first needed after the path changed; a file it cannot use gives a box.
class ProxyMeshObject final : public Object
{
public:
    static constexpr ParamID kPathParam = 0;

    ProxyMeshObject();
    Class_ID ClassID() override { return kProxyMeshObjectClassID; }
    SClass_ID SuperClassID() override { return GEOMOBJECT_CLASS_ID; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? &m_block : nullptr; }
    int IntersectRay(TimeValue t, Ray& r, float& at, Point3& norm) override;
    Box3 GetLocalBounds(TimeValue t) override;
    void ParameterChanged(ParamID id) override;

    const TriangleMesh& Mesh();
    bool LoadedFromFile();

private:
    ParamBlock m_block;
    TriangleMesh m_mesh;
    bool m_loaded = false;
    bool m_fromFile = false;
};
} // namespace hostsdk
