#include "repository/xml/XMLParser2.h"

#include "repository/xml/NetXMLParser2.h"

namespace ZANRET::XMLParser2
{
bool ParseXML(const wchar_t* folder)
{
    return NetXMLParser2::ParseRepositoryXML(folder);
}
} // namespace ZANRET::XMLParser2
