// Class descriptors: the host's built-in classes and CreateInstance.

#include "HostState.h"
#include "Materials.h"
#include "Objects.h"

#include <algorithm>
#include <functional>

namespace hostsdk
{
namespace
{
class BuiltinClassDesc final : public ClassDesc2
{
public:
    BuiltinClassDesc(SClass_ID superClassID, Class_ID classID, const MCHAR* name,
                     std::function<ReferenceTarget*()> make)
        : m_superClassID(superClassID), m_classID(classID), m_name(name), m_make(std::move(make))
    {
    }
    int IsPublic() override { return 1; }
    void* Create(BOOL) override { return m_make(); }
    const MCHAR* ClassName() override { return m_name; }
    SClass_ID SuperClassID() override { return m_superClassID; }
    Class_ID ClassID() override { return m_classID; }
    const MCHAR* Category() override { return _M("Host"); }
    const MCHAR* InternalName() override { return m_name; }

private:
    SClass_ID m_superClassID;
    Class_ID m_classID;
    const MCHAR* m_name;
    std::function<ReferenceTarget*()> m_make;
};

std::vector<BuiltinClassDesc>& BuiltinClasses()
{
    static std::vector<BuiltinClassDesc> classes = []
    {
        std::vector<BuiltinClassDesc> list;
        list.emplace_back(HELPER_CLASS_ID, kHelperClassID, _M("CharacterHelper"),
                          [] { return new (std::nothrow) HelperObject(); });
        list.emplace_back(GEOMOBJECT_CLASS_ID, kProxyMeshObjectClassID, _M("ProxyMesh"),
                          [] { return new (std::nothrow) ProxyMeshObject(); });
        for (Class_ID id : {kStandardMaterialClassID, kMultiMaterialClassID, kUnitScaledMtlClassID})
            list.emplace_back(MATERIAL_CLASS_ID, id, _M("Material"),
                              [id] { return new (std::nothrow) GenericMtl(id, MaterialSlotCount(id)); });
        list.emplace_back(TEXMAP_CLASS_ID, kBitmapMapClassID, _M("Bitmap"),
                          [] { return new (std::nothrow) BitmapMap(); });
        list.emplace_back(TEXMAP_CLASS_ID, kCompositeMapClassID, _M("Composite"),
                          [] { return new (std::nothrow) CompositeMap(); });
        return list;
    }();
    return classes;
}
} // namespace

ClassDesc* FindBuiltinClass(SClass_ID superClassID, Class_ID classID)
{
    for (BuiltinClassDesc& desc : BuiltinClasses())
        if (desc.SuperClassID() == superClassID && desc.ClassID() == classID)
            return &desc;
    return nullptr;
}
} // namespace hostsdk

using namespace hostsdk;

FPInterface* ClassDesc::GetInterfaceAt(int i) const
{
    return i >= 0 && i < NumInterfaces() ? m_interfaces[static_cast<size_t>(i)] : nullptr;
}

void ClassDesc::AddInterface(FPInterface* fpInterface)
{
    if (fpInterface && std::find(m_interfaces.begin(), m_interfaces.end(), fpInterface) == m_interfaces.end())
        m_interfaces.push_back(fpInterface);
}

void* CreateInstance(SClass_ID superClassID, Class_ID classID)
{
    HostState& s = State();
    if (std::find(s.disabledClasses.begin(), s.disabledClasses.end(), classID) != s.disabledClasses.end())
        return nullptr;
    if (ClassDesc* builtin = FindBuiltinClass(superClassID, classID))
    {
        auto* target = static_cast<ReferenceTarget*>(builtin->Create(FALSE));
        if (target)
            s.newObjects.emplace_back(target);
        return target;
    }
    for (ClassDesc* desc : s.pluginClasses)
        if (desc->SuperClassID() == superClassID && desc->ClassID() == classID)
            return desc->Create(FALSE);
    return nullptr;
}
