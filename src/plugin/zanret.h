#pragma once
// The plug-in object: the host starts it once after loading its plug-ins and stops it once before
// it shuts down.

#include "hostsdk/GUP.h"

class zanret : public GUP
{
public:
    // Sets the plug-in up: start-up script line, message list, settings, action, scene
    // notifications. Always GUPRESULT_KEEP.
    DWORD Start() override;
    // Takes down what Start set up and empties the repository store. The window and a placement in
    // progress are left alone.
    void Stop() override;
    DWORD_PTR Control(DWORD) override { return 0; }
    IOResult Save(ISave*) override { return IO_OK; }
    IOResult Load(ILoad*) override { return IO_OK; }
    void DeleteThis() override { delete this; }
};
