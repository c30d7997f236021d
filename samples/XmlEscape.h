#pragma once
// Escaping for the XML files the generator writes.

#include <string>

namespace ZANRET::Samples
{
// Text escaped for an XML attribute value in double quotes.
std::string EscapeAttribute(const std::string& text);
} // namespace ZANRET::Samples
