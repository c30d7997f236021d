#include "win32/textfile.h"

#include "win32/path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace win32
{
FileReader::~FileReader()
{
    Close();
}

bool FileReader::Open(const wchar_t* path, std::uint64_t maxBytes)
{
    Close();
    if (!path)
        return false;
    // Non-blocking, so that opening a FIFO does not wait for a writer; a regular file reads the
    // same either way.
    const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<std::uint64_t>(info.st_size) > maxBytes)
    {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_size = static_cast<std::uint64_t>(info.st_size);
    m_limit = maxBytes;
    m_total = 0;
    return true;
}

bool FileReader::Read(char* buffer, std::size_t capacity, std::size_t* read)
{
    *read = 0;
    if (m_fd < 0 || !buffer)
        return false;
    ssize_t n = 0;
    do
        n = ::read(m_fd, buffer, capacity);
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    m_total += static_cast<std::uint64_t>(n);
    if (m_total > m_limit)
        return false;
    *read = static_cast<std::size_t>(n);
    return true;
}

void FileReader::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = m_total = m_limit = 0;
}

bool ReadBinaryFile(const wchar_t* path, std::string& bytes, std::uint64_t maxBytes)
{
    bytes.clear();
    FileReader file;
    if (!file.Open(path, maxBytes))
        return false;
    try
    {
        bytes.reserve(static_cast<std::size_t>(file.Size()));
        char buffer[65536];
        std::size_t n = 0;
        while (file.Read(buffer, sizeof buffer, &n))
        {
            if (n == 0)
                return true;
            bytes.append(buffer, n);
        }
    }
    catch (const std::bad_alloc&)
    {
        // A file too large for the memory left is one that cannot be read.
    }
    bytes.clear();
    bytes.shrink_to_fit();
    return false;
}

bool ReadTextModeFile(const wchar_t* path, std::string& content, std::uint64_t maxBytes)
{
    content.clear();
    std::string raw;
    if (!ReadBinaryFile(path, raw, maxBytes))
        return false;
    // A CTRL+Z ends the text, as old editors left one behind the last line.
    if (const size_t end = raw.find('\x1a'); end != std::string::npos)
        raw.resize(end);
    try
    {
        content.reserve(raw.size());
        for (size_t i = 0; i < raw.size(); ++i)
        {
            if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')
                continue;
            content += raw[i];
        }
    }
    catch (const std::bad_alloc&)
    {
        content.clear();
        return false;
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
    // Like the reads, a write never waits on a FIFO and never goes to a device: only a regular
    // file (created when missing) is written.
    const int fd = ::open(NativePath(path).c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return false;
    struct stat info
    {
    };
    bool written = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    for (std::size_t done = 0; written && done < raw.size();)
    {
        const ssize_t n = ::write(fd, raw.data() + done, raw.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        if (written)
            done += static_cast<std::size_t>(n);
    }
    const bool closed = ::close(fd) == 0;
    return written && closed;
}
} // namespace win32
