#pragma once
// The demo's scripted session: what an artist does on the sample repository, step by step, with
// the host program's own input: open the manager from the quick-access toolbar, place a first
// character, then choose a second one with outfit, pose, skin, cloth material and an asset, create
// it, move it over the first one and over the ground, fix it with two clicks, undo and redo.
// Writes the scene dump and pictures of the manager, the viewport and the whole host program.

#include <hostsdk/Point3.h>

#include <QJsonArray>
#include <QPoint>
#include <QString>

class INode;
class QWidget;

namespace scenehost
{
class HostMainWindow;

class ScriptedSession
{
public:
    ScriptedSession(HostMainWindow& window, const QString& outputFolder);
    // Runs every step; the host program stays open. False when a step did not happen.
    bool Run();
    // Records a step's outcome (printed, and kept for session.json). Returns happened.
    bool Step(const QString& name, bool happened, const QString& detail = QString());
    // Writes session.json with every step; false when it cannot be written.
    bool WriteReport() const;
    bool AllHappened() const { return m_failures == 0; }

private:
    bool OpenManager();
    bool PlaceFirstCharacter();
    bool ChooseSecondCharacter();
    bool PlaceSecondCharacter();
    bool UndoAndRedo();
    bool WriteOutputs();
    // Moves the pointer over the viewport to where the world point shows.
    bool MoveOver(const Point3& world);
    void ClickViewport();

    HostMainWindow& m_window;
    QString m_output;
    QWidget* m_manager = nullptr;
    QJsonArray m_steps;
    int m_failures = 0;
    int m_nodesBeforeSecond = 0;
    QPoint m_lastPixel;
    Point3 m_secondPlace;
    float m_secondTurn = 0.0f;
};
} // namespace scenehost
