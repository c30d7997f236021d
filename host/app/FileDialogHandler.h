#pragma once
// The host's open-file dialog (what the plug-in's GetOpenFileNameW shows) as a Qt file dialog.

#include <hostsdk/Host.h>

#include <QString>

#include <functional>

class QWidget;

namespace scenehost
{
// A handler that asks the user over the parent window, starting in the request's folder or else in
// startFolder.
std::function<bool(const Host::OpenFileRequest&, std::wstring&)>
QtOpenFileHandler(QWidget* parent, const QString& startFolder);
// A handler that answers every request with the file, as a user who always picks it (the scripted
// session); an empty file cancels.
std::function<bool(const Host::OpenFileRequest&, std::wstring&)> FixedOpenFileHandler(const QString& file);
// "Description (pattern)" entries for Qt from the dialog's (description, pattern) pairs, whose
// patterns are separated by ';'.
QString QtFilters(const Host::OpenFileRequest& request);
// A chosen file as the plug-in expects a Windows path: with backslashes.
std::wstring ToHostPath(const QString& file);
} // namespace scenehost
