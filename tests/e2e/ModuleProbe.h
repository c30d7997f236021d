#pragma once
// Looks inside a loaded plug-in library the way a debugger does: it reads the library file's own
// symbol table, so that a test can watch the plug-in's state although the library exports nothing
// but its six entry points.

#include <map>
#include <string>

class ModuleProbe
{
public:
    // library: the handle dlopen returned for file.
    ModuleProbe(const std::string& file, void* library);

    // The function whose demangled name begins with prefix (which must name one function only),
    // or null.
    void* Find(const std::string& prefix) const;
    template <typename Function> Function* Get(const std::string& prefix) const
    {
        return reinterpret_cast<Function*>(Find(prefix));
    }

    // Demangled names and addresses; empty when the file cannot be read.
    const std::map<std::string, void*>& Functions() const { return m_functions; }

private:
    std::map<std::string, void*> m_functions;
};
