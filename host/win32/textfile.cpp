#include "win32/textfile.h"

#include "win32/path.h"

#include <cstdio>

namespace win32
{
bool ReadBinaryFile(const wchar_t* path, std::string& bytes)
{
    bytes.clear();
    if (!path)
        return false;
    std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
    if (!file)
        return false;
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        bytes.clear();
    return !failed;
}

bool ReadTextModeFile(const wchar_t* path, std::string& content)
{
    content.clear();
    std::string raw;
    if (!ReadBinaryFile(path, raw))
        return false;
    // A CTRL+Z ends the text, as old editors left one behind the last line.
    if (const size_t end = raw.find('\x1a'); end != std::string::npos)
        raw.resize(end);
    content.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i)
    {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
            continue;
        content += raw[i];
    }
    return true;
}

bool WriteTextModeFile(const wchar_t* path, const std::string& content)
{
    if (!path)
        return false;
    std::string raw;
    raw.reserve(content.size());
    for (char c : content)
    {
        if (c == '\n')
            raw += '\r';
        raw += c;
    }
    std::FILE* file = std::fopen(NativePath(path).c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(raw.data(), 1, raw.size(), file) == raw.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
} // namespace win32
