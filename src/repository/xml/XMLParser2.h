#pragma once
// The one entry through which native code reaches the catalogue reader.

namespace ZANRET::XMLParser2
{
// NetXMLParser2::ParseRepositoryXML of the same folder.
bool ParseXML(const wchar_t* folder);
} // namespace ZANRET::XMLParser2
