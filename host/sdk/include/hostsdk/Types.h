#pragma once
// Identifiers, times and constants shared by every part of the host interface.

#include "hostsdk/Text.h"
#include "win32/types.h"

#include <cstdint>

using TimeValue = int;
using SClass_ID = unsigned long;
using ParamID = short;
using ParamType2 = int;
using DWORD_PTR = std::uintptr_t;
using ULONG = unsigned long;
using HACCEL = struct HACCEL__*;

constexpr TimeValue TIME_NegInfinity = static_cast<TimeValue>(0x80000000u);
constexpr TimeValue TIME_PosInfinity = 0x7FFFFFFF;

// A time range: the validity of a value.
class Interval
{
public:
    constexpr Interval() = default;
    constexpr Interval(TimeValue start, TimeValue end) : m_start(start), m_end(end) {}
    constexpr TimeValue Start() const { return m_start; }
    constexpr TimeValue End() const { return m_end; }
    void Set(TimeValue start, TimeValue end)
    {
        m_start = start;
        m_end = end;
    }

private:
    TimeValue m_start = 0;
    TimeValue m_end = 0;
};

constexpr Interval FOREVER(TIME_NegInfinity, TIME_PosInfinity);

// Two 32-bit words that name a class.
class Class_ID
{
public:
    constexpr Class_ID() = default;
    constexpr Class_ID(unsigned long a, unsigned long b) : m_a(a & 0xFFFFFFFFu), m_b(b & 0xFFFFFFFFu) {}
    constexpr unsigned long PartA() const { return m_a; }
    constexpr unsigned long PartB() const { return m_b; }
    constexpr bool operator==(const Class_ID& other) const = default;
    constexpr bool operator<(const Class_ID& other) const
    {
        return m_a < other.m_a || (m_a == other.m_a && m_b < other.m_b);
    }

private:
    unsigned long m_a = 0xFFFFFFFFu;
    unsigned long m_b = 0xFFFFFFFFu;
};

// Two 32-bit words that name an interface.
class Interface_ID
{
public:
    constexpr Interface_ID() = default;
    constexpr Interface_ID(unsigned long a, unsigned long b) : m_a(a & 0xFFFFFFFFu), m_b(b & 0xFFFFFFFFu) {}
    constexpr unsigned long PartA() const { return m_a; }
    constexpr unsigned long PartB() const { return m_b; }
    constexpr bool operator==(const Interface_ID& other) const = default;

private:
    unsigned long m_a = 0;
    unsigned long m_b = 0;
};

// Super classes.
constexpr SClass_ID GEOMOBJECT_CLASS_ID = 0x10;
constexpr SClass_ID HELPER_CLASS_ID = 0x40;
constexpr SClass_ID MATERIAL_CLASS_ID = 0xC00;
constexpr SClass_ID TEXMAP_CLASS_ID = 0xC10;
constexpr SClass_ID GUP_CLASS_ID = 0x10E0;

// Classes the host provides (first Class_ID word; the second is 0).
constexpr unsigned long DMTL_CLASS_ID = 0x2;
constexpr unsigned long MULTI_CLASS_ID = 0x200;
constexpr unsigned long BMTEX_CLASS_ID = 0x240;
constexpr unsigned long COMPOSITE_MAP_CLASS_ID = 0x280;
constexpr unsigned long CHARACTER_HELPER_CLASS_ID = 0x1999;

constexpr Class_ID kHelperClassID(CHARACTER_HELPER_CLASS_ID, 0);
constexpr Class_ID kProxyMeshObjectClassID(0x6CF53873, 0x1FF85498);
constexpr Class_ID kStandardMaterialClassID(DMTL_CLASS_ID, 0);
constexpr Class_ID kMultiMaterialClassID(MULTI_CLASS_ID, 0);
constexpr Class_ID kBitmapMapClassID(BMTEX_CLASS_ID, 0);
constexpr Class_ID kCompositeMapClassID(COMPOSITE_MAP_CLASS_ID, 0);
constexpr Class_ID kUnitScaledMtlClassID(0x3F2C5FAA, 0x750008BC);

// Parameter types of a parameter block.
constexpr ParamType2 TYPE_FLOAT = 0;
constexpr ParamType2 TYPE_INT = 1;
constexpr ParamType2 TYPE_BOOL = 4;
constexpr ParamType2 TYPE_STRING = 8;
constexpr ParamType2 TYPE_MTL = 14;
constexpr ParamType2 TYPE_TEXMAP = 15;

// Results of plug-in calls.
constexpr DWORD GUPRESULT_KEEP = 0;
constexpr DWORD GUPRESULT_NOKEEP = 1;
constexpr DWORD GUPRESULT_ABORT = 2;

enum IOResult
{
    IO_OK = 0,
    IO_END = 1,
    IO_ERROR = 2,
};

// Redraw flags.
constexpr DWORD REDRAW_BEGIN = 1;
constexpr DWORD REDRAW_INTERACTIVE = 2;
constexpr DWORD REDRAW_END = 4;
constexpr DWORD REDRAW_NORMAL = 8;
