#pragma once
// The library's resources (string table and manifest), generated from zanret.rc and
// zanret.manifest.

#include "win32/resources.h"

namespace ZANRET
{
extern const MODULE_RESOURCES kModuleResources;
} // namespace ZANRET
