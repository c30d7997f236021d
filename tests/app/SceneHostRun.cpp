#include "SceneHostRun.h"

#include "OffscreenScreens.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>

#include <cstdlib>
#include <string>

namespace
{
constexpr int kSessionTimeoutMs = 240000;
} // namespace

QString SamplesFolder()
{
    const char* samples = std::getenv("ZANRET_SAMPLES");
    return samples ? QString::fromLocal8Bit(samples) : QString();
}

SceneHostRun::SceneHostRun(const QString& repository)
{
    const QDir folder(QString::fromStdString(m_folder.Path().string()));
    folder.mkpath(QStringLiteral("appdata"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The session's settings file goes to a folder of its own, never the user's.
    environment.insert(QStringLiteral("LOCALAPPDATA"), folder.filePath(QStringLiteral("appdata")));
    // The screen the demo's session runs on.
    const std::string screens = folder.filePath(QStringLiteral("screens.json")).toStdString();
    m_folder.WriteFile("screens.json", OffscreenScreensConfig({{"screen", 0, 0, 1920, 1080}}));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromStdString(OffscreenPlatform(screens)));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{QStringLiteral("--plugins"), QStringLiteral(SCENE_HOST_PLUGINS),
                          QStringLiteral("--headless"), folder.filePath(QStringLiteral("out"))};
    if (!repository.isEmpty())
        arguments << QStringLiteral("--repository") << repository;
    process.start(QStringLiteral(SCENE_HOST_PROGRAM), arguments);
    if (process.waitForFinished(kSessionTimeoutMs) && process.exitStatus() == QProcess::NormalExit)
        m_exitCode = process.exitCode();
    else
        process.kill();
    m_output = QString::fromLocal8Bit(process.readAll());
}

QString SceneHostRun::OutputFile(const QString& name) const
{
    return QDir(QString::fromStdString(m_folder.Path().string())).filePath(QStringLiteral("out/") + name);
}

QJsonObject SceneHostRun::Json(const QString& name) const
{
    QFile file(OutputFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}
