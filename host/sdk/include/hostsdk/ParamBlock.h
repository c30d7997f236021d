#pragma once
// Parameter blocks: the parameters of objects, materials and maps, by id, with a type each.

#include "hostsdk/Types.h"

class Mtl;
class Texmap;
class ReferenceTarget;

class IParamBlock2
{
public:
    virtual ~IParamBlock2() = default;

    virtual int NumParams() = 0;
    // The id of the parameter at index i, or -1.
    virtual ParamID IndextoID(int i) = 0;
    // The index of the parameter id, or -1.
    virtual int IDtoIndex(ParamID id) = 0;
    // The type of the parameter id, or -1 when there is none.
    virtual ParamType2 GetParameterType(ParamID id) = 0;
    virtual ReferenceTarget* GetOwner() = 0;

    // Getters: FALSE when the parameter does not exist or has another kind of value. Float and
    // integer parameters read as each other.
    virtual BOOL GetValue(ParamID id, TimeValue t, float& v, Interval& valid, int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, int& v, Interval& valid, int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, const MCHAR*& v, Interval& valid, int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, Mtl*& v, Interval& valid, int tabIndex = 0) = 0;
    virtual BOOL GetValue(ParamID id, TimeValue t, Texmap*& v, Interval& valid, int tabIndex = 0) = 0;

    // Setters: FALSE when the parameter does not exist or has another kind of value. A change
    // made while theHold is holding is recorded for undo.
    virtual BOOL SetValue(ParamID id, TimeValue t, float v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, int v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, const MCHAR* v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, Mtl* v, int tabIndex = 0) = 0;
    virtual BOOL SetValue(ParamID id, TimeValue t, Texmap* v, int tabIndex = 0) = 0;

    // Convenience getters: 0 or null when the value cannot be read.
    float GetFloat(ParamID id, TimeValue t = 0, int tabIndex = 0);
    int GetInt(ParamID id, TimeValue t = 0, int tabIndex = 0);
    const MCHAR* GetStr(ParamID id, TimeValue t = 0, int tabIndex = 0);
    Mtl* GetMtl(ParamID id, TimeValue t = 0, int tabIndex = 0);
    Texmap* GetTexmap(ParamID id, TimeValue t = 0, int tabIndex = 0);

    // Host side: adds a parameter with its type (TYPE_FLOAT, TYPE_INT, TYPE_BOOL, TYPE_STRING,
    // TYPE_MTL, TYPE_TEXMAP). FALSE when the id is taken or the type unknown.
    virtual BOOL DefineParam(ParamID id, ParamType2 type) = 0;
};
