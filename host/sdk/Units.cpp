#include "hostsdk/Units.h"

#include "HostState.h"

namespace
{
// Unit lengths in micrometres: exact in a double, so ratios round once.
double Micrometres(int type)
{
    switch (type)
    {
    case UNITS_INCHES:
        return 25400.0;
    case UNITS_FEET:
        return 304800.0;
    case UNITS_MILES:
        return 1609344000.0;
    case UNITS_MILLIMETERS:
        return 1000.0;
    case UNITS_CENTIMETERS:
        return 10000.0;
    case UNITS_METERS:
        return 1000000.0;
    case UNITS_KILOMETERS:
        return 1000000000.0;
    default:
        return 0.0;
    }
}
} // namespace

int GetMasterUnitInfo(int* type, float* scale)
{
    const hostsdk::HostState& s = hostsdk::State();
    if (type)
        *type = s.unitType;
    if (scale)
        *scale = s.unitScale;
    return 1;
}

double GetMasterScale(int type)
{
    const hostsdk::HostState& s = hostsdk::State();
    const double unit = Micrometres(type);
    if (unit == 0.0)
        return 1.0;
    return static_cast<double>(s.unitScale) * Micrometres(s.unitType) / unit;
}

void Host::SetSystemUnit(int type, float scale)
{
    if (Micrometres(type) == 0.0 || !(scale > 0.0f))
        return;
    hostsdk::HostState& s = hostsdk::State();
    s.unitType = type;
    s.unitScale = scale;
}
