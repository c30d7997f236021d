#pragma once
// The proxy instance store: which proxy-mesh object loads which mesh path, and how many built
// nodes use it, so that one file is shared by instances. It owns none of the objects.

#include "hostsdk/Object.h"

namespace ZANRET
{
namespace ObjectDatabase
{
// The object registered for the path (its count grows by one), or null.
Object* Find(const wchar_t* path);
// Registers a new object for the path with count 1.
void Add(Object* object, const wchar_t* path);
// One node of the object is gone: its count falls by one; at 0 the object leaves the store.
void Release(Object* object);
// Forgets every object (also while disabled).
void Clear();
// While disabled, Find finds nothing and Add and Release do nothing.
void SetEnabled(bool enabled);

// Inspection.
bool IsEnabled();
// The count of a registered object, 0 when it is not registered.
int GetReferenceCount(Object* object);
// The number of registered paths.
int GetEntryCount();
} // namespace ObjectDatabase
} // namespace ZANRET
