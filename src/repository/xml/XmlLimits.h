#pragma once
// Limits on a document that no real one comes near. A document beyond them is not read: a larger
// file is one that cannot be read, an element with more attributes is a malformed document.

#include <cstdint>

namespace ZANRET::XmlLimits
{
// Bytes of the document's file.
constexpr std::uint64_t kMaxDocumentBytes = std::uint64_t{1} << 30;
// Attributes of one element, namespace declarations included; also the attribute defaults that
// the document type declares for one element name.
constexpr std::uint32_t kMaxAttributesPerElement = 256;
} // namespace ZANRET::XmlLimits
