#include "PluginHost.h"

#include "HostCommands.h"
#include "HostText.h"

#include <hostforms/MaxForm.h>
#include <hostsdk/Host.h>

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace scenehost
{
namespace
{
// Every window the plug-ins made: they are all built on the host's form base.
std::vector<QPointer<QWidget>> PluginWindows()
{
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::allWidgets())
        if (dynamic_cast<hostforms::MaxForm*>(widget))
            windows.emplace_back(widget);
    return windows;
}
} // namespace

PluginHost::PluginHost() : m_loader(Host::kSdk2019) {}

PluginHost::~PluginHost()
{
    Shutdown();
}

int PluginHost::LoadFolder(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
    {
        m_problems << QStringLiteral("The plug-ins folder %1 does not exist.").arg(folder);
        return 0;
    }
    Host::SetPluginFolder(ToMstr(QDir::toNativeSeparators(dir.absolutePath())).data());
    int loaded = 0;
    for (const QString& name : dir.entryList({QStringLiteral("*.so")}, QDir::Files, QDir::Name))
    {
        std::wstring message;
        if (m_loader.Load(dir.absoluteFilePath(name).toStdString(), message))
            ++loaded;
        else
            m_problems << QString::fromStdWString(message);
    }
    if (loaded == 0 && m_problems.isEmpty())
        m_problems << QStringLiteral("The plug-ins folder %1 holds no plug-in library.").arg(folder);
    return loaded;
}

void PluginHost::StartPlugins()
{
    m_loader.StartPlugins();
}

void PluginHost::Shutdown()
{
    if (m_loader.Modules().empty())
        return;
    LeaveCommandModes();
    // A form is destroyed when it is closed (later, by the event loop): deliver those deletions
    // now, and delete what stayed, while the code behind the windows is still loaded.
    for (const QPointer<QWidget>& window : PluginWindows())
        if (window)
            window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<QWidget>& window : PluginWindows())
        delete window.data();
    m_loader.Shutdown();
}
} // namespace scenehost
