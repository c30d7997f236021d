#pragma once
// One run of scene-host's scripted session in a folder of its own: its own settings folder, its
// output folder, its exit code and what it printed.

#include "TempFolder.h"

#include <QJsonObject>
#include <QString>

class SceneHostRun
{
public:
    // Runs the session; answers the catalogue dialog with the repository's catalogue, or cancels it
    // when the repository is empty.
    explicit SceneHostRun(const QString& repository);

    int ExitCode() const { return m_exitCode; }
    const QString& Output() const { return m_output; }
    QString OutputFile(const QString& name) const;
    // A JSON file of the output folder (empty when missing or malformed).
    QJsonObject Json(const QString& name) const;

private:
    TempFolder m_folder;
    int m_exitCode = -1;
    QString m_output;
};

// The sample repository's folder (ZANRET_SAMPLES).
QString SamplesFolder();
