#pragma once
// The host's script runner.

#include "hostsdk/Types.h"

class FPValue;

// Runs one script line. Known lines: "animButtonState=false" / "=true" (animate mode) and
// qat.add "<table>" "<action>" (adds to the quick-access list). Any other line is a script error,
// which the host reports unless quietErrors. TRUE when the line ran.
BOOL ExecuteMAXScriptScript(const MCHAR* script, BOOL quietErrors = FALSE, FPValue* result = nullptr,
                            BOOL logQuietErrors = TRUE);
