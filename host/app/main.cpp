// scene-host: a host program for plug-ins of the stand-in host. It loads the plug-in libraries of
// its plug-ins folder, starts them, and shows the scene in a viewport with the quick-access toolbar,
// the actions of the plug-ins and the prompt line.
//
//   scene-host [--plugins <folder>] [--repository <folder>] [--headless <output folder>]
//
// --headless runs the scripted demo session instead of waiting for the user and exits with 0 when
// every step of it happened; the catalogue dialog, if the plug-in asks, is then answered with the
// zanret.xml of --repository. Otherwise the dialog starts in that folder.

#include "FileDialogHandler.h"
#include "HostMainWindow.h"
#include "PluginHost.h"
#include "ScriptedSession.h"
#include "ViewportWidget.h"

#include <hostforms/HostWindow.h>
#include <hostforms/LinkOpener.h>
#include <hostforms/MaxForm.h>
#include <hostsdk/Host.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace
{
bool PluginWindowsLeft()
{
    for (QWidget* widget : QApplication::allWidgets())
        if (dynamic_cast<hostforms::MaxForm*>(widget))
            return true;
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("scene-host"));

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("A host program for Zanret and other plug-ins of the stand-in host."));
    options.addHelpOption();
    const QCommandLineOption pluginsOption(QStringLiteral("plugins"), QStringLiteral("The plug-ins folder."),
                                           QStringLiteral("folder"),
                                           QStringLiteral(SCENE_HOST_PLUGIN_FOLDER));
    const QCommandLineOption repositoryOption(
        QStringLiteral("repository"),
        QStringLiteral("The repository the catalogue dialog starts in (headless: answers with)."),
        QStringLiteral("folder"));
    const QCommandLineOption headlessOption(QStringLiteral("headless"),
                                            QStringLiteral("Run the scripted session and write its results."),
                                            QStringLiteral("output folder"));
    options.addOptions({pluginsOption, repositoryOption, headlessOption});
    options.process(app);
    const bool headless = options.isSet(headlessOption);
    const QString repository = options.value(repositoryOption);

    scenehost::PluginHost plugins;
    scenehost::HostMainWindow window(plugins);
    hostforms::SetHostMainWindow(&window);
    hostforms::SetHostViewport(window.Viewport());
    Host::SetMainWindow(reinterpret_cast<HWND>(&window));
    if (headless)
    {
        // No browser opens in a scripted session: the addresses are only reported.
        hostforms::SetLinkOpener([](const QString& url) { std::printf("link: %s\n", qPrintable(url)); });
        Host::SetOpenFileHandler(scenehost::FixedOpenFileHandler(
            repository.isEmpty() ? QString() : QDir(repository).filePath(QStringLiteral("zanret.xml"))));
    }
    else
    {
        hostforms::SetLinkOpener([](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
        Host::SetOpenFileHandler(scenehost::QtOpenFileHandler(&window, repository));
    }

    plugins.LoadFolder(options.value(pluginsOption));
    plugins.StartPlugins();
    const QString problems = plugins.Problems().join(QLatin1Char('\n'));

    int result = 0;
    if (headless)
    {
        scenehost::ScriptedSession session(window, options.value(headlessOption));
        session.Step(QStringLiteral("loaded the plug-ins of %1").arg(options.value(pluginsOption)),
                     plugins.LoadedCount() > 0, problems);
        if (plugins.LoadedCount() > 0)
            session.Run();
        window.close();
        session.Step(QStringLiteral("closing the host stopped the plug-ins and closed their windows first"),
                     plugins.LoadedCount() == 0 && !PluginWindowsLeft() && Host::CommandModes().empty());
        if (!session.WriteReport())
            session.Step(QStringLiteral("wrote session.json"), false);
        result = session.AllHappened() ? 0 : 1;
    }
    else
    {
        window.show();
        if (!problems.isEmpty())
            QTimer::singleShot(0, &window,
                               [&window, problems]
                               { QMessageBox::warning(&window, QStringLiteral("scene-host"), problems); });
        result = QApplication::exec();
        plugins.Shutdown();
    }
    Host::SetOpenFileHandler({});
    hostforms::SetLinkOpener({});
    return result;
}
