#pragma once
// The plug-ins of the host program: every plug-in library of its plug-ins folder is loaded through
// the host's loader and its global utility plug-ins started. At the end the running command mode is
// left and the plug-ins' windows are closed before the plug-ins are stopped and their libraries
// unloaded, so that no window outlives the code that made it.

#include <hostsdk/ModuleLoader.h>

#include <QString>
#include <QStringList>

namespace scenehost
{
class PluginHost
{
public:
    PluginHost();
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    // Loads every library (".so") of the folder, in name order. Returns how many loaded; a message
    // for each one that did not goes to Problems().
    int LoadFolder(const QString& folder);
    void StartPlugins();
    // Leaves the command modes, closes the plug-ins' windows, stops the plug-ins and unloads the
    // libraries. Safe to call more than once.
    void Shutdown();

    const QStringList& Problems() const { return m_problems; }
    int LoadedCount() const { return static_cast<int>(m_loader.Modules().size()); }

private:
    Host::ModuleLoader m_loader;
    QStringList m_problems;
};
} // namespace scenehost
