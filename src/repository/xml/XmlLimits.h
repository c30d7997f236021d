#pragma once
// Limits on a catalogue that no real one comes near. A catalogue beyond them is not read: a larger
// file is one that cannot be read, an element with more attributes is a malformed document.

#include <cstdint>

namespace ZANRET::XmlLimits
{
// Bytes of zanret.xml.
constexpr std::uint64_t kMaxCatalogueBytes = std::uint64_t{1} << 30;
// Attributes of one element, namespace declarations included; also the attribute defaults that
// the document type declares for one element name.
constexpr std::uint32_t kMaxAttributesPerElement = 256;
} // namespace ZANRET::XmlLimits
