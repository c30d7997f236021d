#pragma once
// Records the addresses handed to OpenLink instead of opening them, for as long as it lives.
// Tests make one before anything may open a link, so that no browser is ever started.

#include "hostforms/LinkOpener.h"

#include <QStringList>

namespace hostforms
{
class LinkRecorder
{
public:
    LinkRecorder()
    {
        m_previous = SetLinkOpener([this](const QString& url) { m_links.append(url); });
    }
    ~LinkRecorder() { SetLinkOpener(m_previous); }
    LinkRecorder(const LinkRecorder&) = delete;
    LinkRecorder& operator=(const LinkRecorder&) = delete;

    // The addresses in the order they were opened.
    const QStringList& Links() const { return m_links; }
    void Clear() { m_links.clear(); }

private:
    QStringList m_links;
    LinkOpener m_previous;
};
} // namespace hostforms
