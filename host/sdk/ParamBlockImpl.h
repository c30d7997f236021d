#pragma once
// The host's parameter block: typed values by id, owned by one object, material or map.

#include "hostsdk/Material.h"
#include "hostsdk/ParamBlock.h"

#include "Ref.h"

#include <string>
#include <vector>

namespace hostsdk
{
class ParamBlock final : public IParamBlock2
{
public:
    explicit ParamBlock(ReferenceTarget* owner) : m_owner(owner) {}

    int NumParams() override { return static_cast<int>(m_params.size()); }
    ParamID IndextoID(int i) override;
    int IDtoIndex(ParamID id) override;
    ParamType2 GetParameterType(ParamID id) override;
    ReferenceTarget* GetOwner() override { return m_owner; }

    BOOL GetValue(ParamID id, TimeValue t, float& v, Interval& valid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, int& v, Interval& valid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, const MCHAR*& v, Interval& valid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, Mtl*& v, Interval& valid, int tabIndex = 0) override;
    BOOL GetValue(ParamID id, TimeValue t, Texmap*& v, Interval& valid, int tabIndex = 0) override;

    BOOL SetValue(ParamID id, TimeValue t, float v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, int v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, const MCHAR* v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, Mtl* v, int tabIndex = 0) override;
    BOOL SetValue(ParamID id, TimeValue t, Texmap* v, int tabIndex = 0) override;

    BOOL DefineParam(ParamID id, ParamType2 type) override;

private:
    struct Value
    {
        float f = 0.0f;
        int i = 0;
        std::basic_string<MCHAR> s;
        Ref<Mtl> mtl;
        Ref<Texmap> map;
    };
    struct Param
    {
        ParamID id;
        ParamType2 type;
        Value value;
    };
    Param* Find(ParamID id);
    // Stores the value, recording the change for undo.
    void Store(Param& p, const Value& value);

    ReferenceTarget* m_owner;
    std::vector<Param> m_params;
};
} // namespace hostsdk
