#pragma once
// The plug-in's fixed script lines go through here: hosts from 2019 on take a fourth argument.

#include "hostsdk/Text.h"

namespace ZANRET
{
// Runs one line with quiet errors off and no result value; the host's result is not looked at.
void RunScriptLine(const MCHAR* line);
} // namespace ZANRET
