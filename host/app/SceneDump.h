#pragma once
// The scene as a JSON document, for checking a session by eye or by a test: every node with its
// name, place in the hierarchy, object, transform, user properties, layer, group and material with
// the files of its bitmaps, and the host's undo history, prompts and quick-access list.

#include <QJsonObject>
#include <QString>

namespace scenehost
{
QJsonObject DumpScene();
// Writes the document; false when the file cannot be written.
bool WriteSceneDump(const QString& file);
} // namespace scenehost
