#pragma once
// The least work that reading a catalogue can cost, with libxml2 and the reader's own parse options,
// to measure the reader against. Each walk touches the name and the value of every attribute of
// every element without copying them, and returns what it touched so that nothing is optimised away.

#include <cstddef>
#include <filesystem>

namespace ParserBench
{
// The file read in pieces into a SAX2 push parser whose handlers only touch the attributes: the floor
// of any reader that reads the catalogue as a stream.
std::size_t StreamWalk(const std::filesystem::path& catalogue);
// The same with libxml2's xmlTextReader, node by node.
std::size_t TextReaderWalk(const std::filesystem::path& catalogue);
// The file read with one read and parsed into a libxml2 document tree, whose attributes are then
// touched.
std::size_t DocumentTreeTouch(const std::filesystem::path& catalogue);
} // namespace ParserBench
