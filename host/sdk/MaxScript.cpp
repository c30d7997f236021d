// The script runner: it knows the few lines that plug-ins send and reports any other as an error.

#include "hostsdk/MaxScript.h"

#include "HostState.h"

#include <algorithm>
#include <cwctype>

namespace
{
std::wstring Trim(std::wstring text)
{
    const auto notSpace = [](wchar_t c) { return !std::iswspace(static_cast<wint_t>(c)); };
    text.erase(text.begin(), std::find_if(text.begin(), text.end(), notSpace));
    text.erase(std::find_if(text.rbegin(), text.rend(), notSpace).base(), text.end());
    return text;
}

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return text;
}

// Reads a "quoted" string at pos; false when there is none.
bool ReadQuoted(const std::wstring& text, size_t& pos, std::wstring& out)
{
    while (pos < text.size() && std::iswspace(static_cast<wint_t>(text[pos])))
        ++pos;
    if (pos >= text.size() || text[pos] != L'"')
        return false;
    const size_t end = text.find(L'"', pos + 1);
    if (end == std::wstring::npos)
        return false;
    out = text.substr(pos + 1, end - pos - 1);
    pos = end + 1;
    return true;
}

bool RunLine(const std::wstring& line)
{
    hostsdk::HostState& s = hostsdk::State();
    std::wstring compact;
    for (wchar_t c : Lower(line))
        if (!std::iswspace(static_cast<wint_t>(c)))
            compact += c;
    if (compact == L"animbuttonstate=false" || compact == L"animbuttonstate=true")
    {
        s.animateOn = compact == L"animbuttonstate=true";
        return true;
    }
    const std::wstring call = L"qat.add";
    if (Lower(line.substr(0, call.size())) == call && line.size() > call.size() &&
        std::iswspace(static_cast<wint_t>(line[call.size()])))
    {
        size_t pos = call.size();
        std::wstring table;
        std::wstring action;
        if (!ReadQuoted(line, pos, table) || !ReadQuoted(line, pos, action) ||
            !Trim(line.substr(pos)).empty())
            return false;
        std::pair<MSTR, MSTR> item(MSTR(hostsdk::FromWide(table)), MSTR(hostsdk::FromWide(action)));
        if (std::find(s.quickAccess.begin(), s.quickAccess.end(), item) == s.quickAccess.end())
            s.quickAccess.push_back(item);
        return true;
    }
    return false;
}
} // namespace

BOOL ExecuteMAXScriptScript(const MCHAR* script, BOOL quietErrors, FPValue*, BOOL logQuietErrors)
{
    hostsdk::HostState& s = hostsdk::State();
    s.scriptLines.push_back(MSTR(script));
    const std::wstring line = Trim(hostsdk::ToWide(script));
    if (RunLine(line))
        return TRUE;
    // The host reports the error itself; with quiet errors it is only logged when asked to.
    if (!quietErrors || logQuietErrors)
        s.scriptErrors.push_back(MSTR(hostsdk::FromWide(L"-- Unknown script line: " + line)));
    return FALSE;
}
