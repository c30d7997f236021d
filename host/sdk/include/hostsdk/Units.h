#pragma once
// System units: the length of one scene unit.

#include "hostsdk/Types.h"

constexpr int UNITS_INCHES = 0;
constexpr int UNITS_FEET = 1;
constexpr int UNITS_MILES = 2;
constexpr int UNITS_MILLIMETERS = 3;
constexpr int UNITS_CENTIMETERS = 4;
constexpr int UNITS_METERS = 5;
constexpr int UNITS_KILOMETERS = 6;

// The system unit: one scene unit is scale units of type.
int GetMasterUnitInfo(int* type, float* scale);
// How many units of type make one scene unit (1.0 for an unknown type).
double GetMasterScale(int type);
