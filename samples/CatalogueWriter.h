#pragma once
// Writes a sample repository's catalogue, zanret.xml, as UTF-8 XML.

#include "SampleRepository.h"

#include <string>

namespace ZANRET::Samples
{
// The whole catalogue text.
std::string CatalogueText(const Repository& repository);
} // namespace ZANRET::Samples
