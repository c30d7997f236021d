#pragma once
// The decoded preview pictures of the manager window, kept by file path, so that a file is read and
// decoded once for as long as the repository stays loaded. The window empties it when the
// repository is read again and when it closes; while the store holds no validated repository (it
// was emptied, as at the host's stop) nothing is kept. The least recently used pictures give way
// once the kept ones pass a bound far above what one character shows, so that browsing a whole
// large repository does not hold every picture in memory.

#include <QImage>

#include <cstddef>
#include <string>

namespace ZANRET::MainWindowPictures
{
// About 2,000 pictures of a pose's size; one character with all its pages needs a few dozen.
constexpr qsizetype kDefaultKeptBytes = qsizetype(256) * 1024 * 1024;

// The picture in the file at the repository path, read at once and closed again. A null image when
// there is no such file or it holds no picture; that answer is kept too.
QImage Get(const std::wstring& path);
void Clear();

// The bound on the bytes of the kept pictures (kDefaultKeptBytes until set); the most recently used
// picture is kept whatever its size. A lower bound lets the least recently used give way at once.
void SetKeptBytes(qsizetype bytes);

// Files decoded since the program started, and pictures kept now (for tests and benchmarks).
std::size_t DecodeCount();
std::size_t KeptCount();
} // namespace ZANRET::MainWindowPictures
