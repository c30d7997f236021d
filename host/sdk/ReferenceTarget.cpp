#include "hostsdk/Animatable.h"
#include "hostsdk/Object.h"
#include "hostsdk/ParamBlock.h"

BaseInterface* InterfaceServer::GetInterface(Interface_ID)
{
    return nullptr;
}

IParamBlock2* Animatable::GetParamBlock(int)
{
    return nullptr;
}

void ReferenceTarget::HostReleaseHold()
{
    if (--m_holds <= 0)
        delete this;
}

void ReferenceTarget::ParameterChanged(ParamID) {}

int Object::IntersectRay(TimeValue, Ray&, float&, Point3&)
{
    return 0;
}

Box3 Object::GetLocalBounds(TimeValue)
{
    return Box3();
}
