#pragma once
// Whole-file access. Text mode is as the C runtime does it on Windows: shared for reading and
// writing, a carriage return and line feed read as one line feed, a CTRL+Z read as the end of the
// text, a line feed written as both.
//
// Every read takes only a regular file, and only up to a limit that the caller gives: a folder, a
// device (/dev/zero), a FIFO or a socket is a file that cannot be read, and so is a file larger
// than the limit. Opening never waits for a writer, and a read never throws.

#include <cstddef>
#include <cstdint>
#include <string>

namespace win32
{
// The limit of the reads that do not name their own: 1 GiB.
constexpr std::uint64_t kDefaultReadLimit = std::uint64_t{1} << 30;

// A regular file opened for reading in pieces.
class FileReader
{
public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // False (and nothing open) when the path names no regular file, the file cannot be opened, or
    // it holds more than maxBytes bytes.
    bool Open(const wchar_t* path, std::uint64_t maxBytes);
    // The size the file had when it was opened.
    std::uint64_t Size() const { return m_size; }
    // Reads the next bytes into the buffer: *read is 0 at the end of the file. False when the read
    // fails or the file has grown beyond the limit since it was opened.
    bool Read(char* buffer, std::size_t capacity, std::size_t* read);
    void Close();

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
    std::uint64_t m_limit = 0;
    std::uint64_t m_total = 0;
};

// Reads the file's bytes as they stand. False when it cannot be opened or read (see above).
bool ReadBinaryFile(const wchar_t* path, std::string& bytes, std::uint64_t maxBytes = kDefaultReadLimit);
// Reads the whole file without creating it. False when it cannot be opened or read (see above).
bool ReadTextModeFile(const wchar_t* path, std::string& content, std::uint64_t maxBytes = kDefaultReadLimit);
// Creates or truncates the file and writes the content. False when it cannot be opened or written.
bool WriteTextModeFile(const wchar_t* path, const std::string& content);
} // namespace win32
