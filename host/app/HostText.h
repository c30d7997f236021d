#pragma once
// Host text to Qt text and back.

#include <hostsdk/Text.h>

#include <QString>

namespace scenehost
{
inline QString ToQString(const MCHAR* text)
{
    return text ? QString::fromStdWString(hostsdk::ToWide(text)) : QString();
}

inline QString ToQString(const MSTR& text)
{
    return ToQString(text.data());
}

inline MSTR ToMstr(const QString& text)
{
    return MSTR(hostsdk::FromWide(text.toStdWString()));
}
} // namespace scenehost
