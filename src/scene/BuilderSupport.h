#pragma once
// Small helpers shared by the builder's source files.

#include "hostsdk/Text.h"

#include <string>
#include <string_view>

namespace ZANRET::Builder
{
// Model text is wide; host text is MCHAR. The builder converts only where it calls the host.
inline std::basic_string<MCHAR> HostText(std::wstring_view text)
{
    return hostsdk::FromWide(text);
}

// "ZANRET Character " followed by the selected character's "name", when it has one: the name of
// the parent helper and of the group head.
std::wstring CharacterNodeName();

// True when path stays below the repository folder. A mesh or library outside it is treated as
// not there: the builder never hands it to the host (and says so).
bool IsInRepository(const wchar_t* repositoryPath, const std::wstring& path);
} // namespace ZANRET::Builder
