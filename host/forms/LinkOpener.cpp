#include "hostforms/LinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace hostforms
{
namespace
{
LinkOpener& Opener()
{
    static LinkOpener opener;
    return opener;
}
} // namespace

void OpenLink(const QString& url)
{
    if (url.isEmpty())
    {
        return;
    }
    if (Opener())
    {
        Opener()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

LinkOpener SetLinkOpener(LinkOpener opener)
{
    return std::exchange(Opener(), std::move(opener));
}
} // namespace hostforms
