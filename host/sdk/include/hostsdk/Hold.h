#pragma once
// The undo hold: changes to the scene made between Begin and Accept become one undo step; Cancel
// takes them back.

#include "hostsdk/Types.h"

#include <functional>

// One recorded change.
class RestoreObj
{
public:
    virtual ~RestoreObj() = default;
    // Takes the change back.
    virtual void Restore(int isUndo) = 0;
    // Makes the change again.
    virtual void Redo() = 0;
};

class Hold
{
public:
    // Starts recording; holds nest, and only the outermost Accept makes an undo step.
    void Begin();
    // Ends the hold; at the outermost level the records become one undo step named name (a hold
    // that recorded nothing makes no step). The redo list is dropped.
    void Accept(const MCHAR* name);
    // Ends the hold and takes back, newest first, everything recorded since the matching Begin.
    void Cancel();
    // Non-zero while recording.
    int Holding();
    // Records a change (the hold owns it). Outside a hold the record is deleted at once.
    void Put(RestoreObj* record);
    // Records a change given as two functions.
    void Put(std::function<void()> undo, std::function<void()> redo);
    // While suspended, changes are not recorded.
    void Suspend();
    void Resume();
};

extern Hold theHold;
