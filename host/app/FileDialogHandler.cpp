#include "FileDialogHandler.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace scenehost
{
QString QtFilters(const Host::OpenFileRequest& request)
{
    QStringList filters;
    for (const auto& [description, pattern] : request.filters)
    {
        QString patterns = QString::fromStdWString(pattern);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString text = QString::fromStdWString(description);
        // A description that names its patterns already is taken as it is.
        filters << (text.contains(QLatin1Char('(')) ? text : QStringLiteral("%1 (%2)").arg(text, patterns));
    }
    return filters.join(QStringLiteral(";;"));
}

std::wstring ToHostPath(const QString& file)
{
    QString path = QFileInfo(file).absoluteFilePath();
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path.toStdWString();
}

std::function<bool(const Host::OpenFileRequest&, std::wstring&)> QtOpenFileHandler(QWidget* parent,
                                                                                   const QString& startFolder)
{
    return [parent, startFolder](const Host::OpenFileRequest& request, std::wstring& chosen)
    {
        QString folder = QString::fromStdWString(request.initialFolder);
        folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (folder.isEmpty())
            folder = startFolder;
        const QString file = QFileDialog::getOpenFileName(parent, QString::fromStdWString(request.title),
                                                          folder, QtFilters(request));
        if (file.isEmpty())
            return false;
        chosen = ToHostPath(file);
        return true;
    };
}

std::function<bool(const Host::OpenFileRequest&, std::wstring&)> FixedOpenFileHandler(const QString& file)
{
    return [file](const Host::OpenFileRequest&, std::wstring& chosen)
    {
        if (file.isEmpty())
            return false;
        chosen = ToHostPath(file);
        return true;
    };
}
} // namespace scenehost
