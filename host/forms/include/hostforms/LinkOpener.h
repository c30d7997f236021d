#pragma once
// Opening a web address with the desktop's default handler. Which addresses may be opened is the
// caller's decision: this opens whatever it is given.

#include <QString>

#include <functional>

namespace hostforms
{
using LinkOpener = std::function<void(const QString& url)>;

// Hands the address to the current opener; an empty address does nothing. The outcome is not
// reported: the default handler runs on its own.
void OpenLink(const QString& url);

// Replaces the opener (tests install a recorder, see LinkRecorder.h). An empty opener restores the
// desktop's default handler. Returns the opener that was installed before.
LinkOpener SetLinkOpener(LinkOpener opener);
} // namespace hostforms
