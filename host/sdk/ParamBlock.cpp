#include "ParamBlockImpl.h"

#include "hostsdk/Hold.h"

namespace hostsdk
{
namespace
{
bool IsNumeric(ParamType2 type)
{
    return type == TYPE_FLOAT || type == TYPE_INT || type == TYPE_BOOL;
}
} // namespace

ParamID ParamBlock::IndextoID(int i)
{
    if (i < 0 || i >= NumParams())
        return -1;
    return m_params[static_cast<size_t>(i)].id;
}

int ParamBlock::IDtoIndex(ParamID id)
{
    for (size_t i = 0; i < m_params.size(); ++i)
        if (m_params[i].id == id)
            return static_cast<int>(i);
    return -1;
}

ParamType2 ParamBlock::GetParameterType(ParamID id)
{
    const Param* p = Find(id);
    return p ? p->type : -1;
}

ParamBlock::Param* ParamBlock::Find(ParamID id)
{
    for (Param& p : m_params)
        if (p.id == id)
            return &p;
    return nullptr;
}

BOOL ParamBlock::DefineParam(ParamID id, ParamType2 type)
{
    const bool known = IsNumeric(type) || type == TYPE_STRING || type == TYPE_MTL || type == TYPE_TEXMAP;
    if (!known || Find(id))
        return FALSE;
    m_params.push_back(Param{id, type, Value()});
    return TRUE;
}

void ParamBlock::Store(Param& p, const Value& value)
{
    const ParamID id = p.id;
    if (theHold.Holding())
    {
        // The owner stays alive while the record can still write into its block.
        Ref<ReferenceTarget> owner(m_owner);
        theHold.Put(
            [owner, this, id, old = p.value]
            {
                if (Param* q = Find(id))
                    q->value = old;
                m_owner->ParameterChanged(id);
            },
            [owner, this, id, value]
            {
                if (Param* q = Find(id))
                    q->value = value;
                m_owner->ParameterChanged(id);
            });
    }
    p.value = value;
    m_owner->ParameterChanged(id);
}

BOOL ParamBlock::GetValue(ParamID id, TimeValue, float& v, Interval& valid, int)
{
    const Param* p = Find(id);
    if (!p || !IsNumeric(p->type))
        return FALSE;
    v = p->type == TYPE_FLOAT ? p->value.f : static_cast<float>(p->value.i);
    valid = FOREVER;
    return TRUE;
}

BOOL ParamBlock::GetValue(ParamID id, TimeValue, int& v, Interval& valid, int)
{
    const Param* p = Find(id);
    if (!p || !IsNumeric(p->type))
        return FALSE;
    v = p->type == TYPE_FLOAT ? static_cast<int>(p->value.f) : p->value.i;
    valid = FOREVER;
    return TRUE;
}

BOOL ParamBlock::GetValue(ParamID id, TimeValue, const MCHAR*& v, Interval& valid, int)
{
    const Param* p = Find(id);
    if (!p || p->type != TYPE_STRING)
        return FALSE;
    v = p->value.s.c_str();
    valid = FOREVER;
    return TRUE;
}

BOOL ParamBlock::GetValue(ParamID id, TimeValue, Mtl*& v, Interval& valid, int)
{
    const Param* p = Find(id);
    if (!p || p->type != TYPE_MTL)
        return FALSE;
    v = p->value.mtl.get();
    valid = FOREVER;
    return TRUE;
}

BOOL ParamBlock::GetValue(ParamID id, TimeValue, Texmap*& v, Interval& valid, int)
{
    const Param* p = Find(id);
    if (!p || p->type != TYPE_TEXMAP)
        return FALSE;
    v = p->value.map.get();
    valid = FOREVER;
    return TRUE;
}

BOOL ParamBlock::SetValue(ParamID id, TimeValue, float v, int)
{
    Param* p = Find(id);
    if (!p || !IsNumeric(p->type))
        return FALSE;
    Value value = p->value;
    if (p->type == TYPE_FLOAT)
        value.f = v;
    else
        value.i = static_cast<int>(v);
    Store(*p, value);
    return TRUE;
}

BOOL ParamBlock::SetValue(ParamID id, TimeValue, int v, int)
{
    Param* p = Find(id);
    if (!p || !IsNumeric(p->type))
        return FALSE;
    Value value = p->value;
    if (p->type == TYPE_FLOAT)
        value.f = static_cast<float>(v);
    else
        value.i = v;
    Store(*p, value);
    return TRUE;
}

BOOL ParamBlock::SetValue(ParamID id, TimeValue, const MCHAR* v, int)
{
    Param* p = Find(id);
    if (!p || p->type != TYPE_STRING)
        return FALSE;
    Value value = p->value;
    value.s = v ? v : _M("");
    Store(*p, value);
    return TRUE;
}

BOOL ParamBlock::SetValue(ParamID id, TimeValue, Mtl* v, int)
{
    Param* p = Find(id);
    if (!p || p->type != TYPE_MTL)
        return FALSE;
    Value value = p->value;
    value.mtl = Ref<Mtl>(v);
    Store(*p, value);
    return TRUE;
}

BOOL ParamBlock::SetValue(ParamID id, TimeValue, Texmap* v, int)
{
    Param* p = Find(id);
    if (!p || p->type != TYPE_TEXMAP)
        return FALSE;
    Value value = p->value;
    value.map = Ref<Texmap>(v);
    Store(*p, value);
    return TRUE;
}
} // namespace hostsdk

float IParamBlock2::GetFloat(ParamID id, TimeValue t, int tabIndex)
{
    float v = 0.0f;
    Interval valid;
    return GetValue(id, t, v, valid, tabIndex) ? v : 0.0f;
}

int IParamBlock2::GetInt(ParamID id, TimeValue t, int tabIndex)
{
    int v = 0;
    Interval valid;
    return GetValue(id, t, v, valid, tabIndex) ? v : 0;
}

const MCHAR* IParamBlock2::GetStr(ParamID id, TimeValue t, int tabIndex)
{
    const MCHAR* v = nullptr;
    Interval valid;
    return GetValue(id, t, v, valid, tabIndex) ? v : nullptr;
}

Mtl* IParamBlock2::GetMtl(ParamID id, TimeValue t, int tabIndex)
{
    Mtl* v = nullptr;
    Interval valid;
    return GetValue(id, t, v, valid, tabIndex) ? v : nullptr;
}

Texmap* IParamBlock2::GetTexmap(ParamID id, TimeValue t, int tabIndex)
{
    Texmap* v = nullptr;
    Interval valid;
    return GetValue(id, t, v, valid, tabIndex) ? v : nullptr;
}
