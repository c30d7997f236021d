#include "RecordingMainWindow.h"

#include "ui/MainWindow.h"

#include <algorithm>

namespace
{
RecordingMainWindow* g_window = nullptr;

void Record(const char* entry)
{
    if (g_window)
        g_window->Record(entry);
}
} // namespace

RecordingMainWindow::RecordingMainWindow()
{
    g_window = this;
}

RecordingMainWindow::~RecordingMainWindow()
{
    g_window = nullptr;
}

int RecordingMainWindow::Count(const std::string& entry) const
{
    return static_cast<int>(std::count(m_calls.begin(), m_calls.end(), entry));
}

void RecordingMainWindow::Record(const std::string& entry)
{
    m_calls.push_back(entry);
    if (const auto it = m_actions.find(entry); it != m_actions.end() && it->second)
        it->second();
}

namespace ZANRET::MainWindow
{
void OpenMainWindow()
{
    Record("OpenMainWindow");
}

void Rebuild()
{
    Record("Rebuild");
}

void RebuildTabs()
{
    Record("RebuildTabs");
}

void UpdateCharacterSelectionFromGUI()
{
    Record("UpdateCharacterSelectionFromGUI");
}

void UpdateElementSelection()
{
    Record("UpdateElementSelection");
}

void UpdateInfo()
{
    Record("UpdateInfo");
}
} // namespace ZANRET::MainWindow
