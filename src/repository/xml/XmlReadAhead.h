#pragma once
// Reads a file in pieces on a thread of its own, a few pieces ahead of the parser that takes them,
// and passes each piece through a StartTagScanner before it is handed out: a piece that breaks the
// attribute limit ends the file for the parser. When no thread can be started, each piece is read
// when it is asked for.

#include "repository/xml/StartTagScanner.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace win32
{
class FileReader;
}

namespace ZANRET
{
class XmlReadAhead
{
public:
    // The file must stay open while this lives; reading stops early once cancelled is set.
    XmlReadAhead(win32::FileReader& file, const std::atomic<bool>* cancelled);
    ~XmlReadAhead();
    XmlReadAhead(const XmlReadAhead&) = delete;
    XmlReadAhead& operator=(const XmlReadAhead&) = delete;

    // The next piece of the file; empty at its end, or once reading failed or was refused. Valid
    // until the next call.
    std::string_view Next();
    // Whether the file could not be read to its end (or reading was cancelled), or a piece broke
    // the attribute limit. Final once Next has answered empty.
    bool Failed() const { return m_failed; }
    bool Refused() const { return m_refused; }

private:
    static constexpr std::size_t kPieces = 3;
    // Large pieces, so that the threads seldom wait for each other: waking one costs more than a
    // piece takes to read. libxml2 refuses a single push of more than 10 MB.
    static constexpr std::size_t kPieceBytes = 1024 * 1024;

    void ReadAll();
    // Reads and scans the next piece into the slot; false at the end of the file or on failure.
    bool ReadPiece(std::size_t slot);

    win32::FileReader& m_file;
    const std::atomic<bool>* m_cancelled;
    StartTagScanner m_scanner;
    std::unique_ptr<char[]> m_memory;
    std::size_t m_sizes[kPieces] = {};
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::size_t m_read = 0;  // pieces read so far
    std::size_t m_taken = 0; // pieces handed out so far; the one before is in use
    bool m_ended = false;    // no piece after the ones read
    bool m_stop = false;
    bool m_failed = false;
    bool m_refused = false;
    std::thread m_thread;
};
} // namespace ZANRET
