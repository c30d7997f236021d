#pragma once

// The leading decimal number of the text (0 when there is none). A decimal point is read whatever
// the process locale says.
double _wtof(const wchar_t* text);
