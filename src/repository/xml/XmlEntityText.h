#pragma once
// The text of an attribute value as the parser hands it to a SAX2 handler, which keeps a '&' as
// "&#38;" and every reference to a declared entity as "&name;". Here the references are resolved as
// a document tree would hold them: an internal entity by its replacement text, itself resolved in
// turn, a predefined one by its character, and an external, unparsed or undeclared one by nothing.

#include <libxml/tree.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace ZANRET::XmlEntityText
{
// Appends the resolved UTF-8 value to out. Text taken from entities counts against budget; false
// (out then partly written) when the budget runs out or entities nest too deeply.
bool Append(const xmlDoc* doc, std::string_view value, std::string& out, std::size_t& budget);
} // namespace ZANRET::XmlEntityText
