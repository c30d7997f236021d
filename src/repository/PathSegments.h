#pragma once
// Walks the segments of a path from either end without copying it: "\" and "/" both separate, a run
// of them counts as one, and empty and "." segments are passed over. Each segment is a view into
// the path, which must outlive the walk.

#include <string_view>

namespace ZANRET
{
bool IsPathSeparator(wchar_t c);

class PathSegments
{
public:
    explicit PathSegments(std::wstring_view path) : m_rest(path) {}

    // The first segment not yet taken, from the front or from the back; false when none is left.
    bool Next(std::wstring_view& segment);
    bool Previous(std::wstring_view& segment);

    // What is left between the segments taken.
    std::wstring_view Rest() const { return m_rest; }

private:
    std::wstring_view m_rest;
};
} // namespace ZANRET
